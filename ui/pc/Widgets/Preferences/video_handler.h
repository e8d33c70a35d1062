#pragma once

#include <QByteArray>
#include <QObject>
#include <QPointer>

namespace Kivo {
namespace MediaEngine {
class IMediaHandlerVideo;
}
} // namespace Kivo
namespace Ui {
class preferencesForm;
}

namespace Preferences {

// The Video tab: the camera to capture from and its capture size (profile level), one
// radio button per level the camera offers.
class VideoHandler : public QObject
{
    Q_OBJECT

public:
    VideoHandler(Ui::preferencesForm* form, Kivo::MediaEngine::IMediaHandlerVideo* video, QObject* page);
    ~VideoHandler() override;

    // Refills the camera list and selects `preferred` (the first camera when it is missing).
    void updateCaptureDeviceList(const QByteArray& preferred);

signals:
    void enableSave(bool enabled);

protected slots:
    void saveSettings();
    void changed();
    void captureDeviceChanged(int index);
    void captureDevicesChanged();

private:
    Ui::preferencesForm* m_Form;
    QPointer<Kivo::MediaEngine::IMediaHandlerVideo> m_Video;
};

} // namespace Preferences
