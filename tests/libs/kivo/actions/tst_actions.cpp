#include <Kivo/Actions/Action.h>
#include <Kivo/Actions/ActionsProviderFactory.h>
#include <Kivo/Actions/Provider.h>
#include <Kivo/Actions/Source.h>
#include <Kivo/Configuration/Config.h>
#include <Kivo/Contacts/IContact.h>
#include <Kivo/Controllers/CommsSessionController.h>
#include <Kivo/Sessions/SessionManagerBase.h>
#include <Kivo/Vyx/SupplementaryServicesController.h>

#include <QAction>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using Kivo::Actions::Action;
using Kivo::Actions::ActionData;
using Kivo::Actions::Provider;
using Kivo::Actions::Source;

using ConfigItems = QHash<int, QVariant>;

namespace {

// A source that names the e-mail action itself.
class MailSource : public Source
{
public:
    QList<ActionData> actionsData() const override { return {ActionData(Action::Email)}; }
    int sourceType() const override { return 1; }
};

QList<int> idsOf(const Provider& provider)
{
    QList<int> ids;
    for (const Action* action : provider.getActions())
        ids << action->getId();
    return ids;
}

struct Triggered
{
    int id = 0;
    int propertyType = 0;
    QObject* object = nullptr;
};

// Records what the provider reports; signals with reference arguments cannot be queued
// into a QSignalSpy.
void recordTriggers(Provider& provider, QList<Triggered>& log)
{
    QObject::connect(&provider, &Provider::actionTriggered, [&log](ActionData& data, Source& source) {
        log.append({data.getId(), data.getPropertyType(), source.sourceObject()});
    });
}

std::unique_ptr<Kivo::Configuration::Config> configWith(const QHash<int, QVariant>& items)
{
    Kivo::Configuration::Config::Document document;
    document.items = items;
    return std::make_unique<Kivo::Configuration::Config>("config_test.xml", document);
}

} // namespace

class ActionsTest : public QObject
{
    Q_OBJECT

private slots:
    void acceptedActionsAndSourceActions_data();
    void acceptedActionsAndSourceActions();
    void sessionDecidesAvailability_data();
    void sessionDecidesAvailability();
    void linkedQActionFollowsAndTriggers();
    void shareAsksWhileAnotherShareRuns();
    void servicesReadyOnceTheServerInterfaceIsUp();
    void groupLimitReported_data();
    void groupLimitReported();
};

void ActionsTest::acceptedActionsAndSourceActions_data()
{
    QTest::addColumn<bool>("exclusive");
    QTest::addColumn<QList<int>>("ids");
    QTest::newRow("exclusive") << true << QList<int>({Action::Call});
    QTest::newRow("with the source's") << false << QList<int>({Action::Call, Action::Email});
}

void ActionsTest::acceptedActionsAndSourceActions()
{
    QFETCH(bool, exclusive);
    QFETCH(QList<int>, ids);
    Provider provider;
    MailSource source;
    provider.setAcceptedActions({Action::Call, Action::Call}, exclusive);
    provider.setActionSource(&source);
    QCOMPARE(idsOf(provider), ids);
    QVERIFY(!provider.getActionById(Action::Chat));
    QVERIFY(!provider.triggerAction(Action::Chat));
}

void ActionsTest::sessionDecidesAvailability_data()
{
    QTest::addColumn<ConfigItems>("items");
    QTest::addColumn<QList<int>>("offered");
    const QList<int> application = {Action::RetrieveParkedCall, Action::RetrieveParkedCallWithPhone, Action::PullCall,
                                    Action::AddContact,         Action::TestCall,                    Action::Queues,
                                    Action::CopyGuestJoinLink};
    QTest::newRow("nothing configured") << ConfigItems() << QList<int>({Action::AddContact});
    QTest::newRow("parked calls") << ConfigItems({{85, true}, {80, true}})
                                  << QList<int>({Action::RetrieveParkedCall, Action::AddContact});
    QTest::newRow("everything") << ConfigItems({{85, true}, {80, true}, {388, true}, {79, true}, {71, true},
                                                         {427, true}})
                                << application.mid(0, 6);
}

void ActionsTest::sessionDecidesAvailability()
{
    QFETCH(ConfigItems, items);
    QFETCH(QList<int>, offered);
    auto config = configWith(items);
    Kivo::Sessions::SessionManagerBase session("alice@test.example", "Alice", config.get(), nullptr);
    Kivo::Actions::ActionsProviderFactory factory(&session, session.contactsManager(), nullptr);
    std::unique_ptr<Provider> provider(factory.createActionsProvider(nullptr, true));
    QVERIFY(provider->isGlobal());
    provider->setAcceptedActions({22, 23, 24, 17, 25, 32, 30}, false);
    QCOMPARE(idsOf(*provider), offered);
}

void ActionsTest::linkedQActionFollowsAndTriggers()
{
    Provider provider;
    Kivo::Contacts::IContact contact(7, "Bob Lind");
    provider.setAcceptedActions({Action::CopyPhoneNumber}, true);
    provider.setActionSource(&contact);
    Action* copy = provider.getActionById(Action::CopyPhoneNumber);
    QVERIFY(copy);
    copy->setPropertyType(21);
    QList<Triggered> log;
    recordTriggers(provider, log);

    QAction entry;
    QVERIFY(!provider.linkQAction(&entry, Action::Chat));
    QVERIFY(provider.linkQAction(&entry, Action::CopyPhoneNumber));
    copy->setEnabled(false);
    QVERIFY(!entry.isEnabled());
    copy->setEnabled(true);
    QVERIFY(entry.isEnabled());
    entry.trigger();
    QCOMPARE(log.size(), 1);
    QCOMPARE(log.first().id, int(Action::CopyPhoneNumber));
    QCOMPARE(log.first().propertyType, 21);
    QCOMPARE(log.first().object, &contact);

    // The engine action gone with its provider, the QAction is left alone.
    delete copy;
    entry.trigger();
    QCOMPARE(log.size(), 1);
}

void ActionsTest::shareAsksWhileAnotherShareRuns()
{
    auto config = configWith({});
    Kivo::Sessions::SessionManagerBase session("alice@test.example", "Alice", config.get(), nullptr);
    Kivo::Actions::ActionsProviderFactory factory(&session, session.contactsManager(), nullptr);
    std::unique_ptr<Provider> provider(factory.createActionsProvider(nullptr, false));
    Kivo::Contacts::IContact contact(7, "Bob Lind");
    provider->setAcceptedActions({Action::ShareDesktop}, true);
    provider->setActionSource(&contact);
    QList<Triggered> log;
    recordTriggers(*provider, log);
    QList<Action*> confirmations;
    connect(provider.get(), &Provider::actionConfirmationRequired,
            [&confirmations](Action& action) { confirmations << &action; });

    QVERIFY(provider->triggerAction(Action::ShareDesktop));
    QCOMPARE(log.size(), 1);
    QVERIFY(confirmations.isEmpty());

    session.commsSessionController()->createWebCollabSession({"chiara@test.example"});
    QVERIFY(provider->triggerAction(Action::ShareDesktop));
    QCOMPARE(log.size(), 1);
    QCOMPARE(confirmations.size(), 1);
    confirmations.first()->reject();
    QCOMPARE(log.size(), 1);
    confirmations.first()->trigger();
    QCOMPARE(log.size(), 2);
}

void ActionsTest::servicesReadyOnceTheServerInterfaceIsUp()
{
    auto config = configWith({{193, true}, {199, true}, {202, true}});
    Kivo::Sessions::SessionManagerBase session("alice@test.example", "Alice", config.get(), nullptr);
    Kivo::Vyx::SupplementaryServicesController* services = session.supplementaryServicesController();
    QVERIFY(services);
    QSignalSpy ready(services, &Kivo::Vyx::SupplementaryServicesController::servicesReady);
    session.startSubSessions(0);
    QTRY_COMPARE(ready.count(), 1);
    QCOMPARE(services->servicesCount(), 2);
    session.stopSubSessions();
    session.startSubSessions(0);
    // Reconnecting does not announce the services again.
    QSignalSpy connected(&session, &Kivo::Sessions::SessionManagerBase::subSessionStateChanged);
    QTRY_COMPARE(connected.count(), 3);
    QCOMPARE(ready.count(), 1);
}

void ActionsTest::groupLimitReported_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<int>("contacts");
    QTest::addColumn<int>("errors");
    QTest::addColumn<bool>("adding");
    QTest::newRow("call, at the limit") << int(Action::Call) << 10 << 0 << false;
    QTest::newRow("call, over the limit") << int(Action::Call) << 11 << 1 << false;
    QTest::newRow("conference, over the limit") << int(Action::Conference) << 11 << 1 << true;
    QTest::newRow("not a communication") << int(Action::SetFavorite) << 11 << 0 << false;
}

void ActionsTest::groupLimitReported()
{
    QFETCH(int, id);
    QFETCH(int, contacts);
    QFETCH(int, errors);
    QFETCH(bool, adding);
    auto config = configWith({});
    Kivo::Sessions::SessionManagerBase session("alice@test.example", "Alice", config.get(), nullptr);
    Kivo::Controllers::CommsSessionController* comms = session.commsSessionController();
    QSignalSpy refused(comms, &Kivo::Controllers::CommsSessionController::groupCommunicationError);
    QObject owner;
    QList<QObject*> selection;
    for (int i = 0; i < contacts; ++i)
        selection << new Kivo::Contacts::IContact(100 + i, QString("Contact %1").arg(i), &owner);
    Kivo::Actions::ContactSourceComposite source(selection);
    ActionData data(id);
    comms->actionTriggered(data, source);
    QCOMPARE(refused.count(), errors);
    if (errors) {
        QCOMPARE(refused.first().at(0).toInt(), 10);
        QCOMPARE(refused.first().at(1).toBool(), adding);
    }
}

QTEST_MAIN(ActionsTest)
#include "tst_actions.moc"
