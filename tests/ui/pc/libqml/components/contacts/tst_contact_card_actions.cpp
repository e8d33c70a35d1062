#include "libqml/components/contactcard/contact_card.h"

#include "../../qml_test_setup.h"
#include "../../scene_items.h"
#include "common/constants.h"
#include "Dialogs/message_window.h"
#include "libqml/components/contactcard/contact_card_values.h"
#include "libqml/window/qml_view.h"
#include "Providers/factory.h"
#include "support/shown_windows.h"
#include "support/test_environment.h"

#include <Kivo/Actions/Action.h>
#include <Kivo/Actions/ActionData.h>
#include <Kivo/Actions/Provider.h>
#include <Kivo/Configuration/Config.h>
#include <Kivo/Contacts/Contacts.h>
#include <Kivo/Settings.h>
#include <Kivo/Simulation/Service.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QQuickItem>
#include <QtTest>

using Dialogs::MessageWindow;
using Kivo::Contacts::IContact;
using QML::ContactCard;
using TestSupport::shownWindows;
namespace Properties = Kivo::Contacts::Properties;
using Fields = Models::FieldData;

namespace {

const QString LongName = "Maximiliane Adelheid Kortenbach"; // 31 characters

const QByteArray Accounts = R"({ "accounts": [
  { "user": "alice@test.example", "password": "a", "displayName": "Alice Carter", "domain": "test.example",
    "contacts": [
      { "id": 1, "name": "Bob Lind", "address": "bob@test.example", "number": "+15550101", "presence": 7 },
      { "id": 2, "name": "Maximiliane Adelheid Kortenbach", "address": "max@test.example" } ] },
  { "user": "bob@test.example", "password": "b", "displayName": "Bob Lind", "domain": "test.example" } ] })";

QQuickItem* sceneItem(const ContactCard& card, const QString& name)
{
    return SceneItems::named(card.view()->rootObject(), name);
}

// Every field shown and editable.
std::unique_ptr<Kivo::Configuration::Config> cardConfig()
{
    QHash<int, QVariant> items;
    for (int item = 24; item <= 58; ++item)
        items.insert(item, true);
    return std::make_unique<Kivo::Configuration::Config>(QString(),
                                                         Kivo::Configuration::Config::Document{QString(), items});
}

} // namespace

class ContactCardActionsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void footerButtonsTriggerTheContactsActions();
    void addingGoesThroughTheAddContactAction();
    void deletionAsksWithTheNameCut_data();
    void deletionAsksWithTheNameCut();
    void closingDeletesOnlyTheCardsOwnContact_data();
    void closingDeletesOnlyTheCardsOwnContact();

private:
    ContactCard* openCard(IContact* contact);
    // Records in m_Triggered the ids of the actions that the card's provider reports triggered.
    void recordTriggered(ContactCard* card);

    std::unique_ptr<TestSupport::Environment> m_Environment;
    std::unique_ptr<Kivo::Simulation::Service> m_Service;
    std::unique_ptr<Kivo::Contacts::Contacts> m_Contacts;
    std::unique_ptr<Kivo::Configuration::Config> m_Config;
    std::unique_ptr<Providers::Factory> m_Factory;
    std::shared_ptr<QList<int>> m_Triggered;
};

void ContactCardActionsTest::initTestCase()
{
    QmlTestSetup::prepare();
}

void ContactCardActionsTest::init()
{
    m_Environment = std::make_unique<TestSupport::Environment>();
    m_Service = std::make_unique<Kivo::Simulation::Service>();
    m_Service->setLatency(0);
    QVERIFY(m_Service->load(Accounts));
    QSignalSpy signedIn(m_Service.get(), &Kivo::Simulation::Service::signedIn);
    m_Service->signIn("alice@test.example", "a");
    QVERIFY(signedIn.wait());
    m_Contacts = std::make_unique<Kivo::Contacts::Contacts>();
    m_Contacts->attach(*m_Service);
    m_Config = cardConfig();
    m_Factory = std::make_unique<Providers::Factory>(nullptr, m_Contacts.get(), nullptr, nullptr);
    m_Triggered = std::make_shared<QList<int>>();
}

void ContactCardActionsTest::cleanup()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (qobject_cast<MessageWindow*>(widget) || qobject_cast<ContactCard*>(widget))
            delete widget;
    }
    m_Factory.reset();
    m_Contacts.reset();
    m_Service.reset();
    m_Config.reset();
    m_Environment.reset();
}

ContactCard* ContactCardActionsTest::openCard(IContact* contact)
{
    auto* card = new ContactCard(m_Contacts.get(), contact, m_Config.get(), m_Factory.get(), nullptr, false);
    if (!card->activate())
        return nullptr;
    card->show();
    return card;
}

void ContactCardActionsTest::recordTriggered(ContactCard* card)
{
    auto* provider = qobject_cast<Kivo::Actions::Provider*>(card->actionsProvider());
    QVERIFY(provider);
    std::shared_ptr<QList<int>> triggered = m_Triggered;
    connect(provider, &Kivo::Actions::Provider::actionTriggered, this,
            [triggered](Kivo::Actions::ActionData& data, Kivo::Actions::Source&) { triggered->append(data.getId()); });
}

void ContactCardActionsTest::footerButtonsTriggerTheContactsActions()
{
    QPointer<ContactCard> card = openCard(m_Contacts->getContact(1));
    QVERIFY(card);
    recordTriggered(card);
    QCOMPARE(card->actionsProvider()->rowCount(), 4);
    for (const char* button : {"actionButton3", "actionButton4", "actionButton5", "actionButton6"}) {
        QQuickItem* item = sceneItem(*card, button);
        QVERIFY2(item && item->isVisible(), button);
    }
    QCOMPARE(sceneItem(*card, "actionButton4")->property("text").toString(), QString("Call"));
    QCOMPARE(sceneItem(*card, "actionButton3")->property("text").toString(), QString("Chat"));
    QCOMPARE(sceneItem(*card, "actionButton6")->property("text").toString(), QString("Video Call"));

    SceneItems::click(card->view(), sceneItem(*card, "actionButton4"));
    SceneItems::click(card->view(), sceneItem(*card, "actionButton3"));
    SceneItems::click(card->view(), sceneItem(*card, "actionButton6"));
    QCOMPARE(*m_Triggered, QList<int>({4, 3, 6}));

    // Editing leaves no room for calls.
    card->setEditMode(true);
    QTRY_VERIFY(!sceneItem(*card, "actionRow")->isVisible());
}

void ContactCardActionsTest::addingGoesThroughTheAddContactAction()
{
    QPointer<ContactCard> card = openCard(nullptr);
    QVERIFY(card);
    QVERIFY(card->addMode());
    recordTriggered(card);
    auto* values = card->findChild<QML::ContactCardValues*>();
    values->setValue(Fields::DisplayNameField, "Zed Quinn");
    values->setValue(Fields::JidField, "zed@elsewhere.example");
    QTRY_VERIFY(sceneItem(*card, "addButton")->isEnabled());

    QSignalSpy added(card.data(), &ContactCard::contactAdded);
    SceneItems::click(card->view(), sceneItem(*card, "addButton"));
    QCOMPARE(*m_Triggered, QList<int>({17}));
    QVERIFY(card->isBusy());
    QVERIFY(added.isEmpty());
    QVERIFY(added.wait());
    QTRY_VERIFY(!card);
    const IContact* stored = m_Contacts->findByAddress("zed@elsewhere.example");
    QVERIFY(stored);
    QCOMPARE(stored->getDisplayName(), QString("Zed Quinn"));
}

void ContactCardActionsTest::deletionAsksWithTheNameCut_data()
{
    QTest::addColumn<bool>("confirm");
    QTest::addColumn<QString>("question");
    QTest::addColumn<bool>("removed");

    QTest::newRow("asked, the user says no")
        << true << "Are you sure you want to remove " + LongName.left(30) + "... from your contact list?" << false;
    QTest::newRow("confirmation switched off") << false << QString() << true;
}

void ContactCardActionsTest::deletionAsksWithTheNameCut()
{
    QFETCH(bool, confirm);
    QFETCH(QString, question);
    QFETCH(bool, removed);

    Kivo::Settings(Kivo::Settings::UserSettings).setValue(Constants::SettingsKey::ConfirmRemoveContact, confirm);
    QPointer<ContactCard> card = openCard(m_Contacts->getContact(2));
    QVERIFY(card);
    QSignalSpy removals(m_Contacts.get(), &Kivo::Contacts::Contacts::contactRemoved);

    // The question waits in its own event loop: it is read and answered from there.
    QString asked;
    QTimer answerer;
    connect(&answerer, &QTimer::timeout, this, [&asked, &answerer] {
        const QList<MessageWindow*> boxes = shownWindows<MessageWindow>();
        if (boxes.isEmpty())
            return;
        answerer.stop();
        asked = boxes.first()->findChild<QLabel*>("messageText")->text();
        boxes.first()->findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::No)->click();
    });
    answerer.start(20);
    SceneItems::click(card->view(), sceneItem(*card, "deleteButton"));
    QCOMPARE(asked, question);
    if (removed) {
        QVERIFY(removals.wait());
        QTRY_VERIFY(!card);
        QVERIFY(!m_Contacts->getContact(2));
    } else {
        QVERIFY(!removals.wait(100));
        QVERIFY(card);
        QVERIFY(m_Contacts->getContact(2));
    }
}

void ContactCardActionsTest::closingDeletesOnlyTheCardsOwnContact_data()
{
    QTest::addColumn<int>("contactId");
    QTest::addColumn<bool>("cardsOwn");

    // -1: a brand-new contact; -2: a directory match the card copies; 0: the user's own.
    QTest::newRow("new contact") << -1 << true;
    QTest::newRow("directory match") << -2 << true;
    QTest::newRow("own contact") << 0 << false;
    QTest::newRow("listed contact") << 1 << false;
}

void ContactCardActionsTest::closingDeletesOnlyTheCardsOwnContact()
{
    QFETCH(int, contactId);
    QFETCH(bool, cardsOwn);

    IContact match(-5, "Dev Patel");
    match.setSearchResult(true);
    match.setProperty(Properties::Address, "dev@test.example");
    IContact* given = contactId >= 0 ? m_Contacts->getContact(contactId) : (contactId == -2 ? &match : nullptr);

    QPointer<ContactCard> card = openCard(given);
    QVERIFY(card);
    QPointer<IContact> shown = card->contact();
    QPointer<IContact> guardedGiven = given;
    QCOMPARE(shown.data() == given, !cardsOwn);
    card->close();
    QTRY_VERIFY(!card);
    QCOMPARE(shown.isNull(), cardsOwn);
    if (given)
        QVERIFY(guardedGiven);
}

QTEST_MAIN(ContactCardActionsTest)
#include "tst_contact_card_actions.moc"
