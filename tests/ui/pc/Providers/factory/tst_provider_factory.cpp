#include "Dialogs/message_window.h"
#include "Providers/factory.h"
#include "Utils/aggregation_enabler.h"
#include "Utils/presence_helper.h"
#include "Utils/session_state_watcher_enabler.h"
#include "Widgets/group_name_input.h"
#include "common/constants.h"
#include "support/signed_in_session.h"
#include "support/shown_windows.h"
#include "support/test_environment.h"
#include "support/user_settings.h"

#include <Kivo/Actions/Provider.h>
#include <Kivo/Actions/Source.h>
#include <Kivo/Contacts/IGroup.h>
#include <Kivo/Controllers/CommsSessionController.h>
#include <Kivo/Outlook/OutlookIntegration.h>
#include <Kivo/Vyx/SupplementaryServicesController.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include <functional>

using Dialogs::MessageWindow;
using TestSupport::shownWindows;
using TestSupport::writeUserSettings;
using Kivo::Actions::Action;
using Kivo::Contacts::IContact;

namespace {

QList<MessageWindow*> allMessageWindows()
{
    QList<MessageWindow*> windows;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* window = qobject_cast<MessageWindow*>(widget))
            windows << window;
    }
    return windows;
}

QString textOf(const MessageWindow* window)
{
    return window->findChild<QLabel*>("messageText")->text();
}

// Clicks `which` in the message window that a blocking call is about to show, after
// noting its title and text in `asked`.
void answerWhenShown(QDialogButtonBox::StandardButton which, QString* asked, QObject* scope)
{
    auto* poll = new QTimer(scope);
    QObject::connect(poll, &QTimer::timeout, [poll, which, asked] {
        const QList<MessageWindow*> windows = shownWindows<MessageWindow>();
        if (windows.isEmpty())
            return;
        poll->stop();
        *asked = windows.first()->windowTitle() + ": " + textOf(windows.first());
        windows.first()->findChild<QDialogButtonBox*>("buttonBox")->button(which)->click();
    });
    poll->start(0);
}

} // namespace

class ProviderFactoryTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void shownNameCutsAtThirty_data();
    void shownNameCutsAtThirty();
    void contactActionsReachTheContact_data();
    void contactActionsReachTheContact();
    void severalContactsChangeNothing();
    void copyPhoneNumber_data();
    void copyPhoneNumber();
    void deleteContactConfirmation_data();
    void deleteContactConfirmation();
    void contactGoneWhileAsking();
    void groupCommunicationErrorTexts_data();
    void groupCommunicationErrorTexts();
    void shareConfirmation_data();
    void shareConfirmation();
    void removeGroupConfirmation_data();
    void removeGroupConfirmation();
    void editGroupRenames();
    void outlookFirstRun_data();
    void outlookFirstRun();
    void callSettingsFollowServices_data();
    void callSettingsFollowServices();
    void servicesReadyAgainKeepsOneWatcher();
    void alwaysOnTopFromSetting();
    void volumeHelperByConfiguration_data();
    void volumeHelperByConfiguration();
    void presenceMenuFollowsChatConnection();

private:
    Kivo::Actions::Provider* providerFor(Providers::Factory& factory, int id, QObject* source);

    std::unique_ptr<TestSupport::Environment> m_Environment;
    QObject m_Owner;
};

void ProviderFactoryTest::init()
{
    m_Environment = std::make_unique<TestSupport::Environment>();
}

void ProviderFactoryTest::cleanup()
{
    qDeleteAll(allMessageWindows());
    qDeleteAll(m_Owner.children());
    m_Environment.reset();
}

Kivo::Actions::Provider* ProviderFactoryTest::providerFor(Providers::Factory& factory, int id, QObject* source)
{
    Kivo::Actions::Provider* provider = factory.createActionsProvider(&m_Owner, false);
    provider->setAcceptedActions({id}, true);
    provider->setActionSource(source);
    return provider;
}

void ProviderFactoryTest::shownNameCutsAtThirty_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("shown");
    const QString thirty(30, 'a');
    QTest::newRow("30 whole") << thirty << thirty;
    QTest::newRow("31 cut") << thirty + "b" << thirty + "...";
    QTest::newRow("empty") << QString() << QString();
    // A character of two code units across the cut goes whole, not half.
    const QString smile = QString::fromUtf8("\xF0\x9F\x98\x80");
    QTest::newRow("pair across the cut") << QString(29, 'a') + smile + "b" << QString(29, 'a') + "...";
    QTest::newRow("pair before the cut") << QString(28, 'a') + smile + "b" << QString(28, 'a') + smile + "...";
}

void ProviderFactoryTest::shownNameCutsAtThirty()
{
    QFETCH(QString, name);
    QFETCH(QString, shown);
    QCOMPARE(Providers::Factory::shownName(name), shown);
}

void ProviderFactoryTest::contactActionsReachTheContact_data()
{
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("id");
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<bool>("expected");
    QTest::newRow("set favorite") << int(Action::None) << int(Action::SetFavorite) << QByteArray("favorite") << true;
    QTest::newRow("remove favorite") << int(Action::SetFavorite) << int(Action::RemoveFavorite)
                                     << QByteArray("favorite") << false;
    QTest::newRow("subscribe") << int(Action::Unsubscribe) << int(Action::Subscribe) << QByteArray("subscribed")
                               << true;
    QTest::newRow("unsubscribe") << int(Action::Subscribe) << int(Action::Unsubscribe) << QByteArray("subscribed")
                                 << false;
}

void ProviderFactoryTest::contactActionsReachTheContact()
{
    QFETCH(int, before);
    QFETCH(int, id);
    QFETCH(QByteArray, property);
    QFETCH(bool, expected);
    SignedInSession signedIn({});
    Providers::Factory factory(signedIn.session(), signedIn.contacts(), nullptr, nullptr);
    IContact* bob = signedIn.contact(1);
    QVERIFY(bob);
    if (before != Action::None) {
        QVERIFY(providerFor(factory, before, bob)->triggerAction(before));
        QTRY_COMPARE(bob->property(property).toBool(), !expected);
    }
    QVERIFY(providerFor(factory, id, bob)->triggerAction(id));
    QTRY_COMPARE(bob->property(property).toBool(), expected);
}

void ProviderFactoryTest::severalContactsChangeNothing()
{
    SignedInSession signedIn({});
    Providers::Factory factory(signedIn.session(), signedIn.contacts(), nullptr, nullptr);
    IContact* bob = signedIn.contact(1);
    IContact* chiara = signedIn.contact(2);
    Kivo::Actions::ContactSourceComposite both({bob, chiara});
    QVERIFY(providerFor(factory, Action::SetFavorite, &both)->triggerAction(Action::SetFavorite));
    // The service answers in order: once Chiara's own request is through, a request for
    // the pair would have been too.
    QVERIFY(providerFor(factory, Action::SetFavorite, chiara)->triggerAction(Action::SetFavorite));
    QTRY_VERIFY(chiara->isFavorite());
    QVERIFY(!bob->isFavorite());
}

void ProviderFactoryTest::copyPhoneNumber_data()
{
    QTest::addColumn<int>("propertyType");
    QTest::addColumn<bool>("copied");
    QTest::newRow("work number") << int(Kivo::Contacts::Properties::WorkNumber) << true;
    QTest::newRow("empty home number") << int(Kivo::Contacts::Properties::HomeNumber) << false;
}

void ProviderFactoryTest::copyPhoneNumber()
{
    QFETCH(int, propertyType);
    QFETCH(bool, copied);
    SignedInSession signedIn({});
    Providers::Factory factory(signedIn.session(), signedIn.contacts(), nullptr, nullptr);
    IContact* bob = signedIn.contact(1);
    const QString number = bob->getProperty(Kivo::Contacts::Properties::Key(propertyType)).toString();
    QCOMPARE(number.isEmpty(), !copied);
    QGuiApplication::clipboard()->setText("before");
    Kivo::Actions::Provider* provider = providerFor(factory, Action::CopyPhoneNumber, bob);
    provider->getActionById(Action::CopyPhoneNumber)->setPropertyType(propertyType);
    QVERIFY(provider->triggerAction(Action::CopyPhoneNumber));
    QCOMPARE(QGuiApplication::clipboard()->text(), copied ? number : QString("before"));
}

void ProviderFactoryTest::deleteContactConfirmation_data()
{
    QTest::addColumn<bool>("confirm");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("removed");
    QTest::newRow("no question") << false << int(QDialogButtonBox::NoButton) << true;
    QTest::newRow("confirmed") << true << int(QDialogButtonBox::Yes) << true;
    QTest::newRow("declined") << true << int(QDialogButtonBox::No) << false;
}

void ProviderFactoryTest::deleteContactConfirmation()
{
    QFETCH(bool, confirm);
    QFETCH(int, answer);
    QFETCH(bool, removed);
    writeUserSettings({{Constants::SettingsKey::ConfirmRemoveContact, confirm}});
    SignedInSession signedIn({});
    Providers::Factory factory(signedIn.session(), signedIn.contacts(), nullptr, nullptr);
    QSignalSpy removals(signedIn.contacts().data(), &Kivo::Contacts::Contacts::contactRemoved);
    QString asked;
    QObject scope;
    if (confirm)
        answerWhenShown(QDialogButtonBox::StandardButton(answer), &asked, &scope);
    QVERIFY(providerFor(factory, Action::DeleteContact, signedIn.contact(1))->triggerAction(Action::DeleteContact));
    if (confirm) {
        QCOMPARE(asked, QString("Confirm Deletion: Are you sure you want to remove Bob Lind from your contact list?"));
    } else {
        QVERIFY(shownWindows<MessageWindow>().isEmpty());
    }
    if (removed) {
        QTRY_COMPARE(removals.count(), 1);
        QCOMPARE(removals.first().first().toInt(), 1);
    } else {
        // Chiara's removal is the marker that the service has answered everything before it.
        writeUserSettings({{Constants::SettingsKey::ConfirmRemoveContact, false}});
        providerFor(factory, Action::DeleteContact, signedIn.contact(2))->triggerAction(Action::DeleteContact);
        QTRY_COMPARE(removals.count(), 1);
        QCOMPARE(removals.first().first().toInt(), 2);
    }
}

void ProviderFactoryTest::contactGoneWhileAsking()
{
    writeUserSettings({{Constants::SettingsKey::ConfirmRemoveContact, true}});
    SignedInSession signedIn({});
    Providers::Factory factory(signedIn.session(), signedIn.contacts(), nullptr, nullptr);
    QSignalSpy removals(signedIn.contacts().data(), &Kivo::Contacts::Contacts::contactRemoved);
    QObject scope;
    auto* poll = new QTimer(&scope);
    bool removedElsewhere = false;
    connect(poll, &QTimer::timeout, [&] {
        const QList<MessageWindow*> windows = shownWindows<MessageWindow>();
        if (windows.isEmpty())
            return;
        // Another client removes the contact while the user still reads the question.
        if (!removedElsewhere) {
            removedElsewhere = signedIn.service().requestRemoveContact(1);
            return;
        }
        if (removals.isEmpty())
            return;
        poll->stop();
        windows.first()->findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Yes)->click();
    });
    poll->start(0);
    QVERIFY(providerFor(factory, Action::DeleteContact, signedIn.contact(1))->triggerAction(Action::DeleteContact));
    QVERIFY(removedElsewhere);
    QCOMPARE(removals.count(), 1);
    QVERIFY(!signedIn.contact(1));
}

void ProviderFactoryTest::groupCommunicationErrorTexts_data()
{
    QTest::addColumn<int>("limit");
    QTest::addColumn<bool>("adding");
    QTest::addColumn<QString>("text");
    QTest::newRow("adding, limit") << 5 << true
                                   << "Failed to add contacts to the communication. You cannot add more than 5 contacts "
                                      "to your group communication. Check your selection and try again.";
    QTest::newRow("adding, no room") << 0 << true
                                     << "Failed to add contacts to the communication. You cannot add any more contacts "
                                        "to your group communication.";
    QTest::newRow("starting") << 5 << false
                              << "Initiating group communication failed. You cannot select more than 5 contacts to "
                                 "start a group communication with. Check your selection and try again.";
}

void ProviderFactoryTest::groupCommunicationErrorTexts()
{
    QFETCH(int, limit);
    QFETCH(bool, adding);
    QFETCH(QString, text);
    SignedInSession signedIn({});
    Providers::Factory factory(signedIn.session(), signedIn.contacts(), nullptr, nullptr);
    emit signedIn.session()->commsSessionController()->groupCommunicationError(limit, adding);
    QTRY_COMPARE(shownWindows<MessageWindow>().size(), 1);
    const QList<MessageWindow*> windows = shownWindows<MessageWindow>();
    QCOMPARE(windows.first()->windowTitle(), QString("Error"));
    QCOMPARE(textOf(windows.first()), text);
}

void ProviderFactoryTest::shareConfirmation_data()
{
    QTest::addColumn<bool>("multipleShares");
    QTest::addColumn<bool>("accept");
    QTest::addColumn<QString>("text");
    const QString multiple = "You have selected to start multiple shares. By selecting Yes you will stream your desktop "
                             "in multiple communications. Note that ending one sharing session will not end all "
                             "sharing session. Each session needs to be closed individually.";
    QTest::newRow("multiple, yes") << true << true << multiple;
    QTest::newRow("single, no") << false << false << "Starting a share will end ongoing share. Continue?";
}

void ProviderFactoryTest::shareConfirmation()
{
    QFETCH(bool, multipleShares);
    QFETCH(bool, accept);
    QFETCH(QString, text);
    SignedInSession signedIn({{296, multipleShares}});
    Providers::Factory factory(signedIn.session(), signedIn.contacts(), nullptr, nullptr);
    // A share already going on makes the next one ask first.
    signedIn.session()->commsSessionController()->createWebCollabSession({"chiara@demo.telvarion.net"});

    Kivo::Actions::Provider* provider = providerFor(factory, Action::ShareDesktop, signedIn.contact(1));
    Action* share = provider->getActionById(Action::ShareDesktop);
    QSignalSpy triggered(share, &Action::triggered);
    QSignalSpy rejected(share, &Action::rejected);
    QVERIFY(provider->triggerAction(Action::ShareDesktop));
    QCOMPARE(triggered.count(), 0);
    const QList<MessageWindow*> windows = shownWindows<MessageWindow>();
    QCOMPARE(windows.size(), 1);
    QCOMPARE(windows.first()->windowTitle(), QString("Confirm Share"));
    QCOMPARE(textOf(windows.first()), text);
    windows.first()
        ->findChild<QDialogButtonBox*>("buttonBox")
        ->button(accept ? QDialogButtonBox::Yes : QDialogButtonBox::No)
        ->click();
    QCOMPARE(triggered.count(), accept ? 1 : 0);
    QCOMPARE(rejected.count(), accept ? 0 : 1);
}

void ProviderFactoryTest::removeGroupConfirmation_data()
{
    QTest::addColumn<bool>("confirm");
    QTest::newRow("asks") << true;
    QTest::newRow("at once") << false;
}

void ProviderFactoryTest::removeGroupConfirmation()
{
    QFETCH(bool, confirm);
    writeUserSettings({{Constants::SettingsKey::ConfirmRemoveGroup, confirm}});
    SignedInSession signedIn({});
    Providers::Factory factory(signedIn.session(), signedIn.contacts(), nullptr, nullptr);
    QCOMPARE(signedIn.contacts()->groups().size(), 1);
    QSignalSpy removed(signedIn.contacts().data(), &Kivo::Contacts::Contacts::groupRemoved);
    QAction entry;
    entry.setData(signedIn.contacts()->groups().first()->getId());
    connect(&entry, SIGNAL(triggered()), &factory, SLOT(removeGroupTriggered()));
    entry.trigger();
    if (confirm) {
        const QList<MessageWindow*> windows = shownWindows<MessageWindow>();
        QCOMPARE(windows.size(), 1);
        QCOMPARE(textOf(windows.first()), QString("Are you sure you want to remove Team group from your list?"));
        QPushButton* remove = nullptr;
        for (QPushButton* button : windows.first()->findChildren<QPushButton*>()) {
            if (button->text() == "Remove Group")
                remove = button;
        }
        QVERIFY(remove);
        QVERIFY(remove->isDefault());
        remove->click();
    } else {
        QVERIFY(shownWindows<MessageWindow>().isEmpty());
    }
    QTRY_COMPARE(removed.count(), 1);
    QVERIFY(signedIn.contacts()->groups().isEmpty());
}

void ProviderFactoryTest::editGroupRenames()
{
    SignedInSession signedIn({});
    QPointer<Widgets::GroupNameInput> input;
    {
        Providers::Factory factory(signedIn.session(), signedIn.contacts(), nullptr, nullptr);
        Kivo::Contacts::IGroup* team = signedIn.contacts()->groups().first();
        QAction entry;
        entry.setData(team->getId());
        connect(&entry, SIGNAL(triggered()), &factory, SLOT(editGroupTriggered()));
        entry.trigger();
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* found = qobject_cast<Widgets::GroupNameInput*>(widget))
                input = found;
        }
        QVERIFY(input);
        QVERIFY(!input->isAddMode());
        emit input->accepted(QString("Core"));
        QTRY_COMPARE(team->getName(), QString("Core"));
    }
    // The factory closes the input when it goes.
    QTRY_VERIFY(!input);
}

void ProviderFactoryTest::outlookFirstRun_data()
{
    QTest::addColumn<bool>("settingsStored");
    QTest::addColumn<bool>("asked");
    QTest::newRow("first run asks") << false << true;
    QTest::newRow("answered before") << true << false;
}

void ProviderFactoryTest::outlookFirstRun()
{
    QFETCH(bool, settingsStored);
    QFETCH(bool, asked);
    if (settingsStored) {
        // Whatever was answered: only that an answer exists counts.
        writeUserSettings({{Constants::SettingsKey::OutlookSearchEnabled, false},
                           {Constants::SettingsKey::OutlookCalendarEnabled, false}});
    }
    SignedInSession signedIn({{6, true}, {180, true}, {391, true}});
    Kivo::Sessions::SessionManagerBase* session = signedIn.session();
    QVERIFY(session->outlookContactsIntegration());
    Providers::Factory factory(session, signedIn.contacts(), nullptr, nullptr);
    QSignalSpy accepted(&factory, &Providers::Factory::outlookFirstRunQueryAccepted);
    QSignalSpy ready(&factory, &Providers::Factory::readyToProcessOutlook);
    factory.showOutlookFirstRunDialog();
    QCOMPARE(accepted.count(), asked ? 0 : 1);
    factory.showOutlookAcceptanceDialog(true);
    QCOMPARE(ready.count(), asked ? 0 : 1);
    const QList<MessageWindow*> windows = shownWindows<MessageWindow>();
    QCOMPARE(windows.size(), asked ? 2 : 0);
    if (!asked)
        return;
    MessageWindow* firstRun = nullptr;
    for (MessageWindow* window : windows) {
        if (window->windowTitle() == "Outlook integration")
            firstRun = window;
    }
    QVERIFY(firstRun);
    QVERIFY(textOf(firstRun).contains(QCoreApplication::applicationName() + " to access the information in Outlook."));
    firstRun->findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Yes)->click();
    QCOMPARE(accepted.count(), 1);
    QVERIFY(session->outlookContactsIntegration()->isEnabled());
    QVERIFY(session->outlookCalendarIntegration()->isEnabled());
    QVERIFY(!factory.isOutlookQueryNeeded());
}

void ProviderFactoryTest::callSettingsFollowServices_data()
{
    QTest::addColumn<bool>("baseItems");
    QTest::addColumn<bool>("serviceItem");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("offered") << true << true << true;
    QTest::newRow("base item missing") << false << true << false;
    QTest::newRow("no service item") << true << false << false;
}

void ProviderFactoryTest::callSettingsFollowServices()
{
    QFETCH(bool, baseItems);
    QFETCH(bool, serviceItem);
    QFETCH(bool, enabled);
    SignedInSession signedIn({{191, true}, {192, true}, {371, baseItems}, {197, serviceItem}});
    Kivo::Sessions::SessionManagerBase* session = signedIn.session();
    Providers::Factory factory(session, signedIn.contacts(), nullptr, nullptr);
    session->supplementaryServicesController()->setServices(3);
    QCOMPARE(factory.aggregationEnabler()->isEnabled(), enabled);
    if (!enabled)
        return;
    // Reconnecting disables the call settings until the session is back.
    emit session->reconnectionStateChanged(session, true);
    QVERIFY(!factory.aggregationEnabler()->isEnabled());
    emit session->reconnectionStateChanged(session, false);
    QVERIFY(factory.aggregationEnabler()->isEnabled());
}

void ProviderFactoryTest::servicesReadyAgainKeepsOneWatcher()
{
    SignedInSession signedIn({{191, true}, {192, true}, {371, true}, {197, true}});
    Kivo::Sessions::SessionManagerBase* session = signedIn.session();
    Providers::Factory factory(session, signedIn.contacts(), nullptr, nullptr);
    session->supplementaryServicesController()->setServices(3);
    session->supplementaryServicesController()->setServices(2);
    QCOMPARE(factory.findChildren<Utils::SessionStateWatcherEnabler*>().size(), 1);
    QVERIFY(factory.aggregationEnabler()->isEnabled());
    emit session->reconnectionStateChanged(session, true);
    QVERIFY(!factory.aggregationEnabler()->isEnabled());
    emit session->reconnectionStateChanged(session, false);
    QVERIFY(factory.aggregationEnabler()->isEnabled());
}

void ProviderFactoryTest::alwaysOnTopFromSetting()
{
    SignedInSession signedIn({});
    Providers::Factory factory(signedIn.session(), signedIn.contacts(), nullptr, nullptr);
    QVERIFY(!factory.isAlwaysOnTop());
    writeUserSettings({{Constants::SettingsKey::MainWindowAlwaysOnTop, true}});
    QVERIFY(factory.isAlwaysOnTop());
}

void ProviderFactoryTest::volumeHelperByConfiguration_data()
{
    QTest::addColumn<int>("item");
    QTest::addColumn<bool>("created");
    QTest::newRow("call retrieval") << 85 << true;
    QTest::newRow("media volume") << 100 << true;
    QTest::newRow("neither") << 1 << false;
}

void ProviderFactoryTest::volumeHelperByConfiguration()
{
    QFETCH(int, item);
    QFETCH(bool, created);
    SignedInSession signedIn({{item, true}});
    Providers::Factory factory(signedIn.session(), signedIn.contacts(), nullptr, nullptr);
    QCOMPARE(factory.mediaVolumeHelper() != nullptr, created);
}

void ProviderFactoryTest::presenceMenuFollowsChatConnection()
{
    SignedInSession signedIn({{6, true}});
    Kivo::Sessions::SessionManagerBase* session = signedIn.session();
    Providers::Factory factory(session, signedIn.contacts(), nullptr, nullptr);
    Utils::PresenceHelper* helper = factory.presenceHelper();
    QVERIFY(helper);
    QVERIFY(helper->menu());
    // Not connected yet, and the user has not chosen to appear offline.
    QVERIFY(!helper->menu()->isEnabled());
    session->xmppSubSession()->start();
    QVERIFY(helper->menu()->isEnabled());
    session->xmppSubSession()->stop();
    QVERIFY(!helper->menu()->isEnabled());
}

QTEST_MAIN(ProviderFactoryTest)
#include "tst_provider_factory.moc"
