#include "libqml/components/contactcard/contact_card.h"

#include "../../qml_test_setup.h"
#include "../../scene_items.h"
#include "common/constants.h"
#include "Dialogs/message_window.h"
#include "libqml/components/contactcard/contact_card_values.h"
#include "libqml/window/qml_view.h"
#include "Models/contact_card_fields_model.h"
#include "Models/ringer_model.h"
#include "Providers/factory.h"
#include "support/shown_windows.h"
#include "support/test_environment.h"

#include <Kivo/Actions/Action.h>
#include <Kivo/Actions/ActionData.h>
#include <Kivo/Actions/Provider.h>
#include <Kivo/Configuration/Config.h>
#include <Kivo/Contacts/ContactSynchronizer.h>
#include <Kivo/Contacts/Contacts.h>
#include <Kivo/Controllers/ContactSearchController.h>
#include <Kivo/Settings.h>
#include <Kivo/Simulation/Service.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QQmlContext>
#include <QQuickItem>
#include <QtTest>

using Dialogs::MessageWindow;
using TestSupport::shownWindows;
using Kivo::Contacts::IContact;
using QML::ContactCard;
namespace Properties = Kivo::Contacts::Properties;
using Fields = Models::FieldData;
using Values = QML::ContactCardValues;

namespace {

const QString LongName = "Maximiliane Adelheid Kortenbach"; // 31 characters

const QByteArray Accounts = R"({ "accounts": [
  { "user": "alice@test.example", "password": "a", "displayName": "Alice Carter", "domain": "test.example",
    "contacts": [
      { "id": 1, "name": "Bob Lind", "address": "bob@test.example", "number": "+15550101", "group": "Team", "presence": 7 },
      { "id": 2, "name": "Chiara Rossi", "address": "chiara@test.example", "number": "+15550102", "presence": 12 } ] },
  { "user": "bob@test.example", "password": "b", "displayName": "Bob Lind", "domain": "test.example" },
  { "user": "dev@test.example", "password": "d", "displayName": "Dev Patel", "domain": "test.example" } ] })";

QQuickItem* sceneItem(const ContactCard& card, const char* name)
{
    return SceneItems::named(card.view()->rootObject(), QLatin1String(name));
}

// Every field shown and editable, with `more` on top.
std::unique_ptr<Kivo::Configuration::Config> cardConfig(const QHash<int, QVariant>& more = {})
{
    QHash<int, QVariant> items = more;
    for (int item = 24; item <= 40; ++item) {
        items.insert(item, items.value(item, true));
        items.insert(item + 18, items.value(item + 18, true));
    }
    return std::make_unique<Kivo::Configuration::Config>(QString(),
                                                         Kivo::Configuration::Config::Document{QString(), items});
}

bool shows(const ContactCard& card, const char* name)
{
    const QQuickItem* item = sceneItem(card, name);
    return item && item->isVisible();
}

} // namespace

class ContactCardTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void opensInTheModeOfItsContact_data();
    void opensInTheModeOfItsContact();
    void additionWaitsForTheService_data();
    void additionWaitsForTheService();
    void additionAsksBeforeImportingAMatch();
    void refusedAdditionStaysOpenWithTheReason();
    void duplicateAddressIsRefusedInTheCard();
    void editSavesThroughTheService();
    void cancelRestoresTheFields();
    void deletionWithoutConfirmationClosesTheCard();
    void favouriteStarGoesThroughTheService();
    void closingAnUnaddedCardDeletesItsNewContact();
    void shownName_data();
    void shownName();
    void fieldTextIsCleaned_data();
    void fieldTextIsCleaned();
    void firstKnownNumberIsEmphasised();
    void leavingASyncFieldLooksTheContactUp_data();
    void leavingASyncFieldLooksTheContactUp();
    void tabWalksTheEditableFields();
    void directoryDetailsAreImportedOnRequest();
    void conferenceCardAsksForDialInDetails_data();
    void conferenceCardAsksForDialInDetails();
    void cardShowsTheConfiguredFields();
    void footerButtonsTriggerTheContactsActions();
    void addingGoesThroughTheAddContactAction();
    void deletionAsksWithTheNameCut_data();
    void deletionAsksWithTheNameCut();
    void closingDeletesOnlyTheCardsOwnContact_data();
    void closingDeletesOnlyTheCardsOwnContact();

private:
    ContactCard* openCard(IContact* contact, bool withSearch = true);
    // Records in m_Triggered the ids of the actions that the card's provider reports triggered.
    void recordTriggered(ContactCard* card);

    std::unique_ptr<TestSupport::Environment> m_Environment;
    std::unique_ptr<Kivo::Simulation::Service> m_Service;
    std::unique_ptr<Kivo::Contacts::Contacts> m_Contacts;
    std::unique_ptr<Kivo::Controllers::ContactSearchController> m_Search;
    std::unique_ptr<Kivo::Configuration::Config> m_Config;
    // Carries out the card's Add Contact action.
    std::unique_ptr<Providers::Factory> m_Factory;
    std::shared_ptr<QList<int>> m_Triggered;
};

void ContactCardTest::initTestCase()
{
    QmlTestSetup::prepare();
}

void ContactCardTest::init()
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
    m_Search = std::make_unique<Kivo::Controllers::ContactSearchController>(m_Service.get());
    m_Config = cardConfig();
    m_Factory = std::make_unique<Providers::Factory>(nullptr, m_Contacts.get(), nullptr, nullptr);
    m_Triggered = std::make_shared<QList<int>>();
}

void ContactCardTest::cleanup()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (qobject_cast<MessageWindow*>(widget) || qobject_cast<ContactCard*>(widget))
            delete widget;
    }
    m_Factory.reset();
    m_Search.reset();
    m_Contacts.reset();
    m_Service.reset();
    m_Config.reset();
    m_Environment.reset();
}

ContactCard* ContactCardTest::openCard(IContact* contact, bool withSearch)
{
    auto* card = new ContactCard(m_Contacts.get(), contact, m_Config.get(), m_Factory.get(),
                                 withSearch ? m_Search.get() : nullptr, false);
    if (contact && !contact->isStored() && contact->getId() != 0)
        card->setAddMode(true);
    if (!card->activate())
        return nullptr;
    card->show();
    return card;
}

void ContactCardTest::opensInTheModeOfItsContact_data()
{
    QTest::addColumn<int>("contactId");
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("addMode");
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<bool>("storedContact");
    QTest::addColumn<QStringList>("buttons");

    QTest::newRow("new contact") << -1 << QString() << "Add Contact" << true << false << false
                                 << QStringList({"addButton", "cancelButton"});
    QTest::newRow("stored contact") << 2 << QString() << "Chiara Rossi" << false << false << true
                                    << QStringList({"editButton", "deleteButton"});
    QTest::newRow("own contact") << 0 << QString() << "Alice Carter" << false << true << false << QStringList();
    // Opened in add mode as any unstored contact is, the card works on the listed object.
    QTest::newRow("match of a listed contact") << -2 << "BOB@test.example" << "Add Contact" << true << false << true
                                               << QStringList({"addButton", "cancelButton"});
    QTest::newRow("match of someone new") << -2 << "dev@test.example" << "Add Contact" << true << false << false
                                          << QStringList({"addButton", "cancelButton"});
}

void ContactCardTest::opensInTheModeOfItsContact()
{
    QFETCH(int, contactId);
    QFETCH(QString, address);
    QFETCH(QString, title);
    QFETCH(bool, addMode);
    QFETCH(bool, readOnly);
    QFETCH(bool, storedContact);
    QFETCH(QStringList, buttons);

    IContact match(-1, "From the directory");
    match.setSearchResult(true);
    match.setProperty(Properties::Address, address);
    IContact* given = contactId >= 0 ? m_Contacts->getContact(contactId) : (contactId == -2 ? &match : nullptr);

    QPointer<ContactCard> card = openCard(given);
    QVERIFY(card);
    QVERIFY(card->view()->errors().isEmpty());
    QCOMPARE(card->windowTitle(), title);
    QCOMPARE(card->addMode(), addMode);
    QCOMPARE(card->readOnlyMode(), readOnly);
    QVERIFY(card->contact());
    QCOMPARE(card->contact()->isStored(), storedContact);
    QVERIFY(card->contact() != &match);
    QCOMPARE(card->minimumSize(), QSize(345, 450));

    const QStringList all{"addButton", "saveButton", "cancelButton", "editButton", "deleteButton", "importButton"};
    for (const QString& button : all)
        QCOMPARE(shows(*card, button.toLatin1()), buttons.contains(button));
    QCOMPARE(shows(*card, "favoriteStar"), (storedContact || readOnly) && !addMode);
    QCOMPARE(sceneItem(*card, "favoriteStar")->isEnabled(), !readOnly);
    if (readOnly) {
        // The own contact can be looked at, never changed.
        card->setEditMode(true);
        QVERIFY(!card->editMode());
        QVERIFY(!shows(*card, "saveButton"));
        QVERIFY(sceneItem(*card, "field0"));
        QVERIFY(sceneItem(*card, "field0")->property("readOnly").toBool());
    }
}

void ContactCardTest::additionWaitsForTheService_data()
{
    QTest::addColumn<bool>("withSearch");
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("storedName");

    // Automatic import takes the directory's details over the typed ones.
    QTest::newRow("directory, automatic import") << true << "dev@test.example" << "Dev Patel";
    QTest::newRow("directory without a match") << true << "zed@elsewhere.example" << "Zed";
    QTest::newRow("no directory") << false << "dev@test.example" << "Zed";
}

void ContactCardTest::additionWaitsForTheService()
{
    QFETCH(bool, withSearch);
    QFETCH(QString, address);
    QFETCH(QString, storedName);

    m_Config = cardConfig({{ContactCard::DirectoryMatchItem, "automatic"}});
    QPointer<ContactCard> card = openCard(nullptr, withSearch);
    QVERIFY(card);
    QVERIFY(!sceneItem(*card, "addButton")->isEnabled());

    // Typed for real into the scene.
    card->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(card));
    card->view()->setFocus();
    QQuickItem* name = sceneItem(*card, "field0");
    QVERIFY(name);
    name->forceActiveFocus();
    QTest::keyClicks(card->view(), "Zed");
    QCOMPARE(card->findChild<Values*>()->valueOf(Fields::DisplayNameField), QString("Zed"));
    QTRY_VERIFY(sceneItem(*card, "addButton")->isEnabled());
    card->findChild<Values*>()->setValue(Fields::JidField, address);

    QSignalSpy added(card.data(), &ContactCard::contactAdded);
    QSignalSpy listAdded(m_Contacts.get(), &Kivo::Contacts::Contacts::contactAdded);
    card->addContact();
    QVERIFY(added.isEmpty());
    QVERIFY(listAdded.wait());
    QCOMPARE(added.count(), 1);
    QTRY_VERIFY(!card);
    QVERIFY(shownWindows<MessageWindow>().isEmpty());
    const IContact* stored = m_Contacts->findByAddress(address);
    QVERIFY(stored);
    QCOMPARE(stored->getDisplayName(), storedName);
}

void ContactCardTest::additionAsksBeforeImportingAMatch()
{
    QPointer<ContactCard> card = openCard(nullptr);
    auto* fields = card->findChild<Values*>();
    fields->setValue(Fields::DisplayNameField, "Devvy");
    fields->setValue(Fields::JidField, "dev@test.example");
    card->addContact();
    QTRY_COMPARE(shownWindows<MessageWindow>().size(), 1);
    MessageWindow* question = shownWindows<MessageWindow>().first();
    QCOMPARE(question->windowTitle(), QString("Match Found"));
    QVERIFY(question->findChild<QLabel*>("messageText")->text().contains("information of Dev Patel from the directory"));

    QSignalSpy listAdded(m_Contacts.get(), &Kivo::Contacts::Contacts::contactAdded);
    question->findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::No)->click();
    QVERIFY(listAdded.wait());
    QTRY_VERIFY(!card);
    QCOMPARE(m_Contacts->findByAddress("dev@test.example")->getDisplayName(), QString("Devvy"));
}

void ContactCardTest::refusedAdditionStaysOpenWithTheReason()
{
    QPointer<ContactCard> card = openCard(nullptr, false);
    card->findChild<Values*>()->setValue(Fields::DisplayNameField, QString("Eve") + QChar(0x7));
    QSignalSpy failed(m_Contacts.get(), &Kivo::Contacts::Contacts::requestFailed);
    card->addContact();
    QVERIFY(card->isBusy());
    QVERIFY(failed.wait());
    QVERIFY(card);
    QVERIFY(!card->isBusy());
    QCOMPARE(card->errorText(), QString("A contact detail contains control characters"));
    QVERIFY(shows(*card, "errorBanner"));
    QVERIFY(card->addMode());
}

void ContactCardTest::duplicateAddressIsRefusedInTheCard()
{
    QPointer<ContactCard> card = openCard(nullptr);
    auto* fields = card->findChild<Values*>();
    fields->setValue(Fields::DisplayNameField, "Another Bob");
    fields->setValue(Fields::JidField, "bob@test.example");
    card->addContact();
    QTRY_COMPARE(shownWindows<MessageWindow>().size(), 1);
    MessageWindow* box = shownWindows<MessageWindow>().first();
    QCOMPARE(box->windowTitle(), QString("Error Adding Contact"));
    QVERIFY(box->findChild<QLabel*>("messageText")->text().contains("(Bob Lind)"));
    box->findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Ok)->click();
    // Acknowledged, the taken IM address is emptied for another try.
    QTRY_COMPARE(fields->valueOf(Fields::JidField), QString());
    QVERIFY(card);
    QCOMPARE(m_Contacts->contacts().size(), 2);
}

void ContactCardTest::editSavesThroughTheService()
{
    IContact* chiara = m_Contacts->getContact(2);
    QPointer<ContactCard> card = openCard(chiara);
    card->setEditMode(true);
    QVERIFY(shows(*card, "saveButton"));
    QVERIFY(!sceneItem(*card, "field0")->property("readOnly").toBool());
    auto* fields = card->findChild<Values*>();
    fields->setValue(Fields::DisplayNameField, "Chiara R.");
    fields->setValue(Fields::MobilePhoneField, "+15550177");

    QSignalSpy editMode(card.data(), &ContactCard::editModeChanged);
    card->save();
    QVERIFY(card->isBusy());
    QVERIFY(card->editMode());
    QCOMPARE(chiara->getDisplayName(), QString("Chiara Rossi"));
    QVERIFY(editMode.wait());
    QVERIFY(!card->editMode());
    QVERIFY(!card->isBusy());
    QCOMPARE(chiara->getDisplayName(), QString("Chiara R."));
    QCOMPARE(chiara->getProperty(Properties::MobileNumber).toString(), QString("+15550177"));
    QCOMPARE(card->windowTitle(), QString("Chiara R."));
    QVERIFY(shows(*card, "editButton"));
}

void ContactCardTest::cancelRestoresTheFields()
{
    QPointer<ContactCard> card = openCard(m_Contacts->getContact(1));
    QCOMPARE(card->groupNames(), QString("Team"));
    QSignalSpy details(card.data(), &ContactCard::detailsChanged);
    m_Contacts->groups().first()->setName("Crew");
    QTRY_COMPARE(card->groupNames(), QString("Crew"));
    QVERIFY(!details.isEmpty());
    QCOMPARE(card->availabilityText(), QString("Available"));
    card->setEditMode(true);
    auto* fields = card->findChild<Values*>();
    fields->setValue(Fields::DisplayNameField, "Changed");
    card->cancel();
    QVERIFY(!card->editMode());
    QCOMPARE(fields->valueOf(Fields::DisplayNameField), QString("Bob Lind"));
    QCOMPARE(m_Contacts->getContact(1)->getDisplayName(), QString("Bob Lind"));
}

void ContactCardTest::deletionWithoutConfirmationClosesTheCard()
{
    Kivo::Settings(Kivo::Settings::UserSettings).setValue(Constants::SettingsKey::ConfirmRemoveContact, false);
    QPointer<ContactCard> card = openCard(m_Contacts->getContact(1));
    QSignalSpy removed(m_Contacts.get(), &Kivo::Contacts::Contacts::contactRemoved);
    card->deleteContact();
    QVERIFY(shownWindows<MessageWindow>().isEmpty());
    QVERIFY(card);
    QVERIFY(removed.wait());
    QTRY_VERIFY(!card);
    QVERIFY(!m_Contacts->getContact(1));
}

void ContactCardTest::favouriteStarGoesThroughTheService()
{
    IContact* bob = m_Contacts->getContact(1);
    QPointer<ContactCard> card = openCard(bob);
    QSignalSpy favourites(m_Contacts.get(), &Kivo::Contacts::Contacts::favoritesChanged);
    QQuickItem* star = sceneItem(*card, "favoriteStar");
    QVERIFY(SceneItems::click(card->view(), star));
    QVERIFY(favourites.wait());
    QVERIFY(bob->isFavorite());
}

void ContactCardTest::closingAnUnaddedCardDeletesItsNewContact()
{
    QPointer<ContactCard> card = openCard(nullptr);
    QPointer<IContact> draft = card->contact();
    QVERIFY(draft && draft->isTemporary());
    card->cancel();
    QTRY_VERIFY(!card);
    QVERIFY(!draft);
}

void ContactCardTest::shownName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("shown");
    QTest::newRow("30 characters") << QString(30, 'a') << QString(30, 'a');
    QTest::newRow("31 characters") << QString(31, 'a') << QString(30, 'a') + "...";
}

void ContactCardTest::shownName()
{
    QFETCH(QString, name);
    QFETCH(QString, shown);
    QCOMPARE(ContactCard::shownName(name), shown);
}

void ContactCardTest::fieldTextIsCleaned_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::newRow("line breaks") << "a\r\nb\nc" << "a b c";
    QTest::newRow("overlong") << QString(120, 'x') << QString(100, 'x');
}

void ContactCardTest::fieldTextIsCleaned()
{
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    Values values(nullptr);
    values.setValue(Fields::WorkPhoneField, typed);
    QCOMPARE(values.valueOf(Fields::WorkPhoneField), kept);
}

void ContactCardTest::firstKnownNumberIsEmphasised()
{
    const Models::ContactCardFieldsModel shown(m_Config.get());
    Values values(&shown);
    QCOMPARE(values.emphasisedField(), -1);
    values.setValue(Fields::PersonalPhoneField, "12");
    QCOMPARE(values.emphasisedField(), int(Fields::PersonalPhoneField));
    values.setValue(Fields::WorkPhoneField, "+15550101");
    QCOMPARE(values.emphasisedField(), int(Fields::WorkPhoneField));
    values.setValue(Fields::WorkPhoneField, " ");
    QCOMPARE(values.emphasisedField(), int(Fields::PersonalPhoneField));
    // A number the configuration hides is never the one shown in bold.
    const auto hidden = cardConfig({{29, false}});
    const Models::ContactCardFieldsModel withoutPersonal(hidden.get());
    Values others(&withoutPersonal);
    others.setValue(Fields::PersonalPhoneField, "12");
    QCOMPARE(others.emphasisedField(), -1);
    QVERIFY(!others.hasText());
}

void ContactCardTest::leavingASyncFieldLooksTheContactUp_data()
{
    QTest::addColumn<bool>("xmpp");
    QTest::addColumn<int>("fieldType");
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("lookUp");
    QTest::addColumn<QString>("box");

    QTest::newRow("e-mail") << false << int(Fields::EmailField) << "dev@test.example" << true << "Match Found";
    QTest::newRow("work phone, no match") << false << int(Fields::WorkPhoneField) << "+1999" << true << QString();
    QTest::newRow("name is no sync field") << false << int(Fields::DisplayNameField) << "Dev" << false << QString();
    QTest::newRow("IM address only, e-mail") << true << int(Fields::EmailField) << "dev@test.example" << false
                                             << QString();
    QTest::newRow("IM address only") << true << int(Fields::JidField) << "dev@test.example" << true << "Match Found";
    QTest::newRow("IM address of a listed contact") << true << int(Fields::JidField) << "bob@test.example" << false
                                                    << "Error Adding Contact";
}

void ContactCardTest::leavingASyncFieldLooksTheContactUp()
{
    QFETCH(bool, xmpp);
    QFETCH(int, fieldType);
    QFETCH(QString, value);
    QFETCH(bool, lookUp);
    QFETCH(QString, box);

    m_Config = cardConfig({{ContactCard::XmppItem, xmpp}});
    QPointer<ContactCard> card = openCard(nullptr);
    card->findChild<Values*>()->setValue(fieldType, value);
    card->trySyncing(fieldType);
    auto* synchronizer = card->findChild<Kivo::Contacts::ContactSynchronizer*>();
    QCOMPARE(synchronizer->isRunning(), lookUp);
    if (!box.isEmpty()) {
        QTRY_COMPARE(shownWindows<MessageWindow>().size(), 1);
        QCOMPARE(shownWindows<MessageWindow>().first()->windowTitle(), box);
    } else if (lookUp) {
        QTRY_VERIFY(!synchronizer->isRunning());
        QVERIFY(shownWindows<MessageWindow>().isEmpty());
    }
}

void ContactCardTest::tabWalksTheEditableFields()
{
    QPointer<ContactCard> card = openCard(m_Contacts->getContact(2));
    card->setEditMode(true);
    card->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(card));
    card->view()->setFocus();
    sceneItem(*card, "field0")->forceActiveFocus();
    QTest::keyClick(card->view(), Qt::Key_Tab);
    QVERIFY(sceneItem(*card, "field1")->hasActiveFocus());
    QTest::keyClick(card->view(), Qt::Key_Backtab, Qt::ShiftModifier);
    QVERIFY(sceneItem(*card, "field0")->hasActiveFocus());
    QCOMPARE(sceneItem(*card, "field0")->property("selectedText").toString(), QString("Chiara Rossi"));
}

void ContactCardTest::directoryDetailsAreImportedOnRequest()
{
    IContact* bob = m_Contacts->getContact(1);
    QPointer<ContactCard> card = openCard(bob);
    QTRY_VERIFY(card->importFromDirectoryPossible());
    QVERIFY(shows(*card, "importButton"));
    QVERIFY(shownWindows<MessageWindow>().isEmpty());

    card->importFromDirectory();
    QTRY_COMPARE(shownWindows<MessageWindow>().size(), 1);
    MessageWindow* question = shownWindows<MessageWindow>().first();
    QCOMPARE(question->windowTitle(), QString("Import Information"));
    QPushButton* overwrite = nullptr;
    for (QPushButton* button : question->findChildren<QPushButton*>()) {
        if (button->text() == "Overwrite")
            overwrite = button;
    }
    QVERIFY(overwrite);
    QSignalSpy changed(bob, &IContact::changed);
    overwrite->click();
    QVERIFY(changed.wait());
    QCOMPARE(bob->getProperty(Properties::Email).toString(), QString("bob@test.example"));
    QCOMPARE(bob->getProperty(Properties::Company).toString(), QString("test.example"));
    QVERIFY(!card->importFromDirectoryPossible());
    QCOMPARE(card->findChild<Values*>()->valueOf(Fields::EmailField), QString("bob@test.example"));

    // Once the contact holds what the directory knows, there is nothing more to import.
    QPointer<ContactCard> again = new ContactCard(m_Contacts.get(), bob, m_Config.get(), nullptr, m_Search.get(), false);
    QTRY_VERIFY(!again->syncingPossible());
    QVERIFY(!again->importFromDirectoryPossible());
    delete again;
}

void ContactCardTest::conferenceCardAsksForDialInDetails_data()
{
    QTest::addColumn<bool>("conference");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("help");
    QTest::newRow("conference") << true << "Add Conference Contact" << "addConference";
    QTest::newRow("person") << false << "Add Contact" << "addContact";
}

void ContactCardTest::conferenceCardAsksForDialInDetails()
{
    QFETCH(bool, conference);
    QFETCH(QString, title);
    QFETCH(QString, help);
    QPointer<ContactCard> card =
        new ContactCard(conference, m_Contacts.get(), nullptr, m_Config.get(), nullptr, m_Search.get(), false);
    QVERIFY(card->activate());
    card->show();
    QCOMPARE(card->windowTitle(), title);
    QCOMPARE(card->helpContext(), help);
    QCOMPARE(card->contact()->getProperty(Properties::Conference).toBool(), conference);
    for (const char* field : {"field13", "field14", "field15"})
        QCOMPARE(sceneItem(*card, field)->parentItem()->isVisible(), conference);
    QVERIFY(sceneItem(*card, "field0")->parentItem()->isVisible());
}

void ContactCardTest::cardShowsTheConfiguredFields()
{
    // First name hidden, display name shown but not editable.
    m_Config = cardConfig({{25, false}, {42, false}});
    IContact* chiara = m_Contacts->getContact(2);
    QSignalSpy changed(chiara, &IContact::changed);
    chiara->updateProperties({{Properties::FirstName, "Chiara"}});
    QVERIFY(changed.wait());
    QPointer<ContactCard> card = openCard(chiara);
    card->setEditMode(true);
    QVERIFY(!sceneItem(*card, "field1"));
    QVERIFY(sceneItem(*card, "field0")->property("readOnly").toBool());
    QVERIFY(!sceneItem(*card, "field3")->property("readOnly").toBool());
    QCOMPARE(sceneItem(*card, "field0")->property("text").toString(), QString("Chiara Rossi"));
    // A hidden field is neither saved nor cleared.
    card->findChild<Values*>()->setValue(Fields::WorkPhoneField, "+15550188");
    card->save();
    QVERIFY(changed.wait());
    QTRY_VERIFY(!card->editMode());
    QCOMPARE(chiara->getProperty(Properties::WorkNumber).toString(), QString("+15550188"));
    QCOMPARE(chiara->getProperty(Properties::FirstName).toString(), QString("Chiara"));

    QVERIFY(qobject_cast<Models::RingerModel*>(
        card->view()->rootContext()->contextProperty("ringerModel").value<QObject*>()));
}

void ContactCardTest::recordTriggered(ContactCard* card)
{
    auto* provider = qobject_cast<Kivo::Actions::Provider*>(card->actionsProvider());
    QVERIFY(provider);
    std::shared_ptr<QList<int>> triggered = m_Triggered;
    connect(provider, &Kivo::Actions::Provider::actionTriggered, this,
            [triggered](Kivo::Actions::ActionData& data, Kivo::Actions::Source&) { triggered->append(data.getId()); });
}

void ContactCardTest::footerButtonsTriggerTheContactsActions()
{
    QPointer<ContactCard> card = openCard(m_Contacts->getContact(1), false);
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

void ContactCardTest::addingGoesThroughTheAddContactAction()
{
    QPointer<ContactCard> card = openCard(nullptr, false);
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

void ContactCardTest::deletionAsksWithTheNameCut_data()
{
    // The stored confirmation choice; none stored means a new user's, who is asked.
    QTest::addColumn<QVariant>("confirm");
    QTest::addColumn<QString>("question");
    QTest::addColumn<bool>("removed");

    const QString asked = "Are you sure you want to remove " + LongName.left(30) + "... from your contact list?";
    QTest::newRow("asked, the user says no") << QVariant(true) << asked << false;
    QTest::newRow("nothing stored: asked") << QVariant() << asked << false;
    QTest::newRow("confirmation switched off") << QVariant(false) << QString() << true;
}

void ContactCardTest::deletionAsksWithTheNameCut()
{
    QFETCH(QVariant, confirm);
    QFETCH(QString, question);
    QFETCH(bool, removed);

    Kivo::Settings settings(Kivo::Settings::UserSettings);
    if (confirm.isValid())
        settings.setValue(Constants::SettingsKey::ConfirmRemoveContact, confirm);
    else
        settings.remove(Constants::SettingsKey::ConfirmRemoveContact);
    settings.sync();
    IContact* chiara = m_Contacts->getContact(2);
    QSignalSpy renamed(chiara, &IContact::displayNameChanged);
    chiara->setProperty(Properties::DisplayName, LongName);
    QVERIFY(renamed.wait());
    QPointer<ContactCard> card = openCard(chiara);
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

void ContactCardTest::closingDeletesOnlyTheCardsOwnContact_data()
{
    QTest::addColumn<int>("contactId");
    QTest::addColumn<bool>("cardsOwn");

    // -1: a brand-new contact; -2: a directory match the card copies; 0: the user's own.
    QTest::newRow("new contact") << -1 << true;
    QTest::newRow("directory match") << -2 << true;
    QTest::newRow("own contact") << 0 << false;
    QTest::newRow("listed contact") << 1 << false;
}

void ContactCardTest::closingDeletesOnlyTheCardsOwnContact()
{
    QFETCH(int, contactId);
    QFETCH(bool, cardsOwn);

    IContact match(-5, "Dev Patel");
    match.setSearchResult(true);
    match.setProperty(Properties::Address, "dev@test.example");
    IContact* given = contactId >= 0 ? m_Contacts->getContact(contactId) : (contactId == -2 ? &match : nullptr);

    QPointer<ContactCard> card = openCard(given, false);
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

QTEST_MAIN(ContactCardTest)
#include "tst_contact_card.moc"
