#pragma once

#include "Widgets/window.h"

#include <Kivo/Utils/Location.h>

#include <QStringList>
#include <QTimer>

#include <memory>

namespace Ui {
class LocationPublishDialog;
}

namespace Dialogs {

// Asks which location goes out with the user's presence: the automatically determined one,
// one typed in with an optional time zone, or none. Closing it only hides it.
class LocationPublish : public Widgets::Window
{
    Q_OBJECT

public:
    explicit LocationPublish(QWidget* parent = nullptr);
    ~LocationPublish() override;

    QString helpContext() const override;
    bool canClose() override;

    // Restores the choices from settings before each showing.
    void loadSettings();
    Kivo::Utils::Location::Info getManualLocationInfo() const;

    // The offset part of a time-zone entry: "(UTC+02:00) Helsinki" gives "+02:00".
    static QString timeZoneOffset(const QString& entry);
    // One hour later than the offset, for daylight saving: "-05:00" gives "-04:00".
    static QString daylightSavingOffset(const QString& offset);
    static QString computerTimeOffset();
    static QString displayText(const Kivo::Utils::Location::Info& location);

signals:
    void locationChanged(Kivo::Utils::Location::Info location, bool dontAskAgain, bool accepted);

public slots:
    void locationsReceived(Kivo::Utils::Location::Info automatic, Kivo::Utils::Location::Info manual);

private slots:
    void locationTextChanged();
    void timezoneIndexChanged();
    void updateTimeRelatedText();
    void setLocation();
    void clearLocation();
    void updateUi();

protected:
    void changeEvent(QEvent* event) override;

private:
    void loadTimeZones();
    void fillTimeComboBox();
    Kivo::Utils::Location::Info locationToPublish() const;
    QString timeText(const Kivo::Utils::Location::Info& location) const;
    QString simplifiedRegion() const;
    bool dontAskAgain() const;
    void resetAndHide();

    Kivo::Utils::Location::Info m_AutomaticLocation;
    QTimer m_TimeTimer;
    QStringList m_TimeZones;
    std::unique_ptr<Ui::LocationPublishDialog> m_Form;
};

} // namespace Dialogs
