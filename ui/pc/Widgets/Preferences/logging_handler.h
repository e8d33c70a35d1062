#pragma once

#include <QObject>

namespace Ui {
class preferencesForm;
}

namespace Preferences {

// The "Logging" group: basic and advanced logging (advanced needs basic), and the buttons
// that clear the logs and open their folder at once. The application does the switching;
// it hears of a switch only when OK really changed it.
class LoggingHandler : public QObject
{
    Q_OBJECT

public:
    LoggingHandler(Ui::preferencesForm* form, QObject* page);

signals:
    void enableSave(bool enabled);
    void enableBasicLogging(bool on);
    void enableAdvancedLogging(bool on);
    void clearLogs();
    void openLogFolder();

protected slots:
    void saveSettings();
    // Keeps advanced logging from staying on without basic logging.
    void changed();

private:
    Ui::preferencesForm* m_Form;
    // As last loaded or saved.
    bool m_BasicLoggingOn = false;
    bool m_AdvancedLoggingOn = false;
};

// The "Team Telephony" group: the six switches of the team-telephony window. It reports no
// edits; the page connects its save.
class BlfHandler : public QObject
{
    Q_OBJECT

public:
    BlfHandler(Ui::preferencesForm* form, QObject* page);

    void loadSettings();

public slots:
    void saveSettings();

private:
    Ui::preferencesForm* m_Form;
};

} // namespace Preferences
