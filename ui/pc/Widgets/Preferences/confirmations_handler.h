#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

class QCheckBox;

namespace Kivo {
class Settings;
namespace Sessions {
class SessionManagerBase;
}
} // namespace Kivo
namespace Ui {
class preferencesForm;
}

namespace Preferences {

// The questions the program asks first, click-to-call, the default ringing device and the
// directory and Outlook searches (General and Add-ins tabs), and the proxy (Proxy tab,
// loaded by the page). Without a session only the proxy is saved.
class ConfirmationsHandler : public QObject
{
    Q_OBJECT

public:
    ConfirmationsHandler(Ui::preferencesForm* form, Kivo::Sessions::SessionManagerBase* session, QObject* page);

    // The command that hands callto: links to this program.
    static QString callToCommand();
    // True when the callto: open command is exactly this program's.
    static bool isCallToRegistered();
    // Registers this program for callto: links, or removes the registration when it is ours;
    // another program's handler is left alone.
    static void registerCallTo(bool doRegister);

signals:
    void enableSave(bool enabled);

protected slots:
    void saveSettings();
    void changed();
    void qomxProxyToggled(bool on);

private:
    // A confirmation check box with its stored key; `inverted` for a "don't ask" key.
    struct Confirmation
    {
        QCheckBox* box;
        const char* key;
        bool inverted;
    };

    void setupProxyWidgets();
    void setupConfirmationWidgets(const Kivo::Settings& settings);
    void setupMiscellaneousWidgets(const Kivo::Settings& settings);
    void loadConfirmation(const Kivo::Settings& settings, const Confirmation& confirmation);
    void saveProxySettings() const;

    Ui::preferencesForm* m_Form;
    QPointer<Kivo::Sessions::SessionManagerBase> m_Session;
    // Only the boxes loaded are written back: a box never loaded holds no choice of the user.
    QList<Confirmation> m_Loaded;
    // Offered by the configuration, whichever tab is current at save.
    bool m_RingDeviceOffered = false;
    bool m_OutlookCalendarOffered = false;
    bool m_OutlookSearchOffered = false;
};

} // namespace Preferences
