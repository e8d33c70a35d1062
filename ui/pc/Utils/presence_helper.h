#pragma once

#include <Kivo/Utils/Location.h>

#include <QAction>
#include <QMenu>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QVariant>

#include <optional>

namespace Kivo {
namespace Presence {
class PresenceData;
}
namespace Sessions {
class SessionManagerBase;
}
} // namespace Kivo

namespace Dialogs {
class LocationPublish;
}

namespace Utils {

// A presence menu entry; its data is the internal presence value it stands for.
class PresenceAction : public QAction
{
    Q_OBJECT
    Q_PROPERTY(QVariant data READ data)

public:
    using QAction::QAction;
};

// The user's own presence as a menu, internal presence values as texts, and the decision
// whether the user's location is published silently or after asking.
class PresenceHelper : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QMenu* menu READ menu CONSTANT)

public:
    PresenceHelper(Kivo::Presence::PresenceData* presence, QObject* parent);
    ~PresenceHelper() override;

    QMenu* menu() const { return m_Menu; }
    void addConfigureAction();
    void setAlwaysOnTop(bool on);

    bool event(QEvent* event) override;

signals:
    void ownLocationChanged();
    void locationsReceived(Kivo::Utils::Location::Info automatic, Kivo::Utils::Location::Info manual);
    void configureActionTriggered();

public slots:
    QString availabilityText(int presence) const;
    void showLocationPublish();
    void actionTriggered(QAction* action);
    void sessionReconnectionStateChanged(Kivo::Sessions::SessionManagerBase* session, bool reconnecting);

private slots:
    void markCurrentPresence();
    void cbSoapActionLocationReceived(const Kivo::Utils::Location::Info& location);
    void cbXmppLocationReceived(const Kivo::Utils::Location::Info& location);
    void cbSetLocation(const Kivo::Utils::Location::Info& location, bool dontAskAgain, bool accepted);

private:
    void handleLocations();
    void setLocation(const Kivo::Utils::Location::Info& location, bool force);
    void retranslate();
    void createMenu();
    void createLocationDialog();

    QPointer<Kivo::Presence::PresenceData> m_Presence;
    QMenu* m_Menu = nullptr;
    // Guarded: the window manager deletes signed-in windows on its own at sign-out.
    QPointer<Dialogs::LocationPublish> m_LocationDialog;
    bool m_InitialLocationHandled = false;
    std::optional<Kivo::Utils::Location::Info> m_SoapActionLocation;
    std::optional<Kivo::Utils::Location::Info> m_XmppLocation;
    QAction* m_ConfigureAction = nullptr;
};

} // namespace Utils
