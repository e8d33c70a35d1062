#include "Widgets/Preferences/video_handler.h"

#include "ui_preferences_form.h"

#include "Utils/string_helper.h"
#include "common/connect_check.h"
#include "common/constants.h"
#include "common/logging.h"

#include <Kivo/MediaEngine/IMediaHandlerVideo.h>
#include <Kivo/Settings.h>

#include <QRadioButton>

namespace Preferences {

namespace {

namespace Key = Constants::SettingsKey;
using Kivo::MediaEngine::IMediaHandlerVideo;

constexpr const char* ProfileLevelProperty = "profileLevel";
constexpr int NoLevel = -1;

} // namespace

VideoHandler::VideoHandler(Ui::preferencesForm* form, IMediaHandlerVideo* video, QObject* page)
    : QObject(page)
    , m_Form(form)
    , m_Video(video)
{
    CHECKED_CONNECT(video, SIGNAL(videoDeviceAvailabilityChanged(bool)), this, SLOT(captureDevicesChanged()));
    CHECKED_CONNECT(this, SIGNAL(enableSave(bool)), page, SIGNAL(enableSave(bool)));
    CHECKED_CONNECT(page, SIGNAL(saveSettings()), this, SLOT(saveSettings()));
    CHECKED_CONNECT(m_Form->videoCaptureSelect, SIGNAL(currentIndexChanged(int)), this,
                    SLOT(captureDeviceChanged(int)));
    updateCaptureDeviceList(
        Kivo::Settings(Kivo::Settings::UserSettings).value(Key::VideoCaptureDevice).toByteArray());
}

VideoHandler::~VideoHandler() = default;

void VideoHandler::updateCaptureDeviceList(const QByteArray& preferred)
{
    if (!m_Video)
        return;
    QComboBox* list = m_Form->videoCaptureSelect;
    // Every change of the current item rebuilds the size buttons, so they always belong to
    // the camera shown.
    list->clear();
    for (const IMediaHandlerVideo::Camera& camera : m_Video->cameras()) {
        LOG_INFO << "device name: " << camera->dispname();
        list->addItem(camera->dispname(), camera->name());
    }
    const int index = list->findData(preferred, Qt::UserRole, Qt::MatchExactly | Qt::MatchCaseSensitive);
    LOG_INFO << "selected index: " << index;
    list->setCurrentIndex(index >= 0 ? index : 0);
}

void VideoHandler::captureDevicesChanged()
{
    updateCaptureDeviceList(m_Form->videoCaptureSelect->currentData().toByteArray());
}

void VideoHandler::captureDeviceChanged(int index)
{
    QGridLayout* sizes = m_Form->videoSizeLayout;
    for (int i = sizes->count() - 1; i >= 0; --i) {
        if (auto* button = qobject_cast<QRadioButton*>(sizes->itemAt(i)->widget())) {
            sizes->removeWidget(button);
            delete button;
        }
    }
    const IMediaHandlerVideo::Camera camera =
        m_Video ? m_Video->cameraByName(m_Form->videoCaptureSelect->itemData(index).toByteArray()) : nullptr;
    if (!camera)
        return;
    const QMap<IMediaHandlerVideo::ProfileLevel, QSize> levels = camera->getProfileLevels();
    if (levels.isEmpty()) {
        m_Form->videoSizeBox->hide();
        return;
    }
    const IMediaHandlerVideo::ProfileLevel selected = camera->selectedProfileLevel(nullptr, nullptr);
    m_Form->videoSizeBox->show();
    // The buttons are exclusive: the selected level ends checked, or the highest when the
    // camera does not offer the selected one.
    bool selectedSeen = false;
    for (auto it = levels.cbegin(); it != levels.cend(); ++it) {
        auto* button = new QRadioButton(Utils::StringHelper::videoProfileLevelName(it.key()), m_Form->videoSizeBox);
        button->setProperty(ProfileLevelProperty, it.key());
        button->setChecked(!selectedSeen);
        sizes->addWidget(button);
        CHECKED_CONNECT(button, SIGNAL(clicked()), this, SLOT(changed()));
        selectedSeen = selectedSeen || it.key() == selected;
    }
}

void VideoHandler::saveSettings()
{
    if (!m_Video)
        return;
    Kivo::Settings settings(Kivo::Settings::UserSettings);
    int level = NoLevel;
    for (int i = 0; i < m_Form->videoSizeLayout->count(); ++i) {
        auto* button = qobject_cast<QRadioButton*>(m_Form->videoSizeLayout->itemAt(i)->widget());
        if (button && button->isChecked()) {
            level = button->property(ProfileLevelProperty).toInt();
            break;
        }
    }
    const QByteArray chosenName = m_Form->videoCaptureSelect->currentData().toByteArray();
    const QList<IMediaHandlerVideo::Camera> cameras = m_Video->cameras();
    if (cameras.isEmpty()) {
        settings.setValue(Key::VideoCaptureDevice, QString());
        settings.setValue(Key::VideoCaptureResolution, NoLevel);
        return;
    }
    const IMediaHandlerVideo::Camera chosen = m_Video->cameraByName(chosenName);
    // Every camera takes the size chosen for the selected one.
    for (const IMediaHandlerVideo::Camera& camera : cameras) {
        LOG_INFO << "device name: " << camera->name();
        camera->setSelectedProfileLevel(level);
        if (camera == chosen) {
            settings.setValue(Key::VideoCaptureResolution, level);
            settings.setValue(Key::VideoCaptureDevice, camera->name());
        }
    }
}

void VideoHandler::changed()
{
    emit enableSave(true);
}

} // namespace Preferences
