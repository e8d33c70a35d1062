#pragma once

#include <Kivo/Actions/ActionsProviderFactory.h>
#include <Kivo/Contacts/Contacts.h>
#include <Kivo/Utils/SharedPointer.h>

#include <QHash>
#include <QPointer>

class QWidget;

namespace Kivo {
namespace Actions {
class Action;
class ActionData;
class Provider;
class Source;
} // namespace Actions
namespace Contacts {
class IContact;
class IGroup;
} // namespace Contacts
namespace Controllers {
class FtController;
}
namespace Sessions {
class SessionManagerBase;
}
} // namespace Kivo

namespace Utils {
class AggregationEnabler;
class CommunicationsWindowManager;
class PresenceHelper;
class SessionStateWatcherEnabler;
} // namespace Utils

namespace Providers {

class ConfigXML;
class MediaVolumeHelper;
class ProfilePictureHelper;

// The signed-in session's source of engine action providers, and the place where the
// contact actions that the engine leaves to the program are carried out. It also owns the
// helpers that several windows share, opens and reuses contact cards, asks the user's
// confirmations and runs the one-time Outlook questions. Made when a session opens,
// deleted when it closes.
class Factory : public Kivo::Actions::ActionsProviderFactory
{
    Q_OBJECT

public:
    static constexpr int MaxShownNameLength = 30;

    Factory(Kivo::Sessions::SessionManagerBase* session, Kivo::Utils::SharedPointer<Kivo::Contacts::Contacts> contacts,
            Utils::CommunicationsWindowManager* windowManager, Kivo::Controllers::FtController* fileTransfer);
    ~Factory() override;

    // Every provider handed out reports its triggered actions and confirmations here and
    // to the session's conversation controller.
    Kivo::Actions::Provider* createActionsProvider(QObject* parent, bool global) override;

    ConfigXML* configXml() const { return m_ConfigXml; }
    ProfilePictureHelper* profilePictureHelper() const { return m_ProfilePictureHelper; }
    // Null when the session has no audio handler or the configuration offers no volume.
    MediaVolumeHelper* mediaVolumeHelper() const { return m_MediaVolumeHelper; }
    // Decides whether the call-settings entry points are enabled.
    Utils::AggregationEnabler* aggregationEnabler() const { return m_AggregationEnabler; }
    Utils::PresenceHelper* presenceHelper() const { return m_PresenceHelper; }

    // The stay-on-top flag of every window and message box the program opens.
    bool isAlwaysOnTop() const;
    void setAlwaysOnTop(bool onTop);
    // Asked once after sign-in when the session integrates Outlook.
    void showOutlookFirstRunDialog();
    bool isOutlookQueryNeeded() const;
    // The name shown in confirmations: cut to MaxShownNameLength characters plus "...".
    static QString shownName(const QString& name);

signals:
    void readyToProcessOutlook();
    void outlookFirstRunQueryAccepted();

public slots:
    void showContactCard(bool unused, Kivo::Contacts::IContact* contact, bool edit);
    void showContactCard(bool unused, Kivo::Contacts::IContact* contact);
    void showContactCard(bool unused);
    void showContactCard();
    void contactCardClosed(QObject* window);
    void cbGroupCommunicationError(int limit, bool adding);
    void showOutlookAcceptanceDialog(bool detected);
    void addToGroupTriggered();
    void removeFromGroupTriggered();
    void editGroupTriggered();
    void removeGroupTriggered();
    void removeGroupAccepted();
    void showProfilePhotosTriggered(bool shown);

protected slots:
    void onSupplementaryServicesReady();
    void onActionTriggered(Kivo::Actions::ActionData& data, Kivo::Actions::Source& source);
    void onActionConfirmationRequired(Kivo::Actions::Action& action);
    void onXmppConnectStateChanged();
    void onContactSynchronized();

private:
    bool configItem(int number) const;
    void synchronizeContact(Kivo::Contacts::IContact* contact);
    void removeContact(Kivo::Contacts::IContact* contact);
    // The contact of the group menu entry that sent the request, or null.
    Kivo::Contacts::IContact* senderContact() const;
    int senderGroupId() const;
    // The group of the menu entry that sent the request, or null.
    Kivo::Contacts::IGroup* senderGroup() const;
    // Hands the answer of an Outlook question to both of the session's integrations.
    void connectOutlookIntegrations(QObject* window, const char* signal, const char* slot) const;

    ConfigXML* m_ConfigXml;
    ProfilePictureHelper* m_ProfilePictureHelper;
    MediaVolumeHelper* m_MediaVolumeHelper = nullptr;
    Utils::AggregationEnabler* m_AggregationEnabler = nullptr;
    Utils::SessionStateWatcherEnabler* m_CallSettingsWatcher = nullptr;
    Kivo::Utils::SharedPointer<Kivo::Contacts::Contacts> m_Contacts;
    QPointer<QObject> m_FileTransferController;
    Utils::PresenceHelper* m_PresenceHelper = nullptr;
    QPointer<Utils::CommunicationsWindowManager> m_CommunicationsWindowManager;
    QHash<int, QWidget*> m_ContactCards;
};

} // namespace Providers
