#include "Providers/factory.h"
#include "Providers/menu_action_provider.h"
#include "common/constants.h"
#include "libqml/components/contactcard/contact_card.h"
#include "Dialogs/message_window.h"
#include "support/application_test.h"
#include "support/config_patch.h"
#include "support/shown_windows.h"

#include <Kivo/Client.h>
#include <Kivo/ConfigContainer.h>
#include <Kivo/Contacts/Contacts.h>
#include <Kivo/Contacts/IContact.h>
#include <Kivo/Sessions/SessionManagerBase.h>

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QtTest>

namespace MenuAction = Constants::MenuAction;

namespace {

QList<QML::ContactCard*> openCards()
{
    return TestSupport::shownWindows<QML::ContactCard>();
}

// Collects the links the program hands to the desktop.
class OpenedLinks : public QObject
{
    Q_OBJECT

public:
    OpenedLinks() { QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "open"); }
    ~OpenedLinks() override { QDesktopServices::unsetUrlHandler(QStringLiteral("http")); }

    QList<QUrl> links;

public slots:
    void open(const QUrl& url) { links.append(url); }
};

} // namespace

class ApplicationMenuActionsTest : public TestSupport::ApplicationTest
{
    Q_OBJECT

public:
    using ApplicationTest::ApplicationTest;

private slots:
    void cleanup();
    void addContactOpensAnEmptyCard();
    void viewProfileReusesTheOpenCard();
    void signOutClosesTheCards();
    void addContactWithoutSessionDoesNothing();
    void failedAddressUpdateSignsOutOnlyAtSignIn_data();
    void failedAddressUpdateSignsOutOnlyAtSignIn();
    void addressPageOnlyWhileSignedIn_data();
    void addressPageOnlyWhileSignedIn();

private:
    // Signs in unless signed in already, and waits for the contact list.
    void ensureSignedIn();
    QAction* action(int id) const { return m_App.menuActionProvider()->action(id); }
};

void ApplicationMenuActionsTest::cleanup()
{
    for (QML::ContactCard* card : openCards())
        card->close();
    QTRY_VERIFY(openCards().isEmpty());
}

void ApplicationMenuActionsTest::ensureSignedIn()
{
    if (m_App.session())
        return;
    signIn();
    if (QTest::currentTestFailed())
        return;
    QTRY_VERIFY(!m_App.session()->contactsManager()->contacts().isEmpty());
}

void ApplicationMenuActionsTest::addContactOpensAnEmptyCard()
{
    ensureSignedIn();
    action(MenuAction::AddContact)->trigger();
    QTRY_COMPARE(openCards().size(), 1);
    QML::ContactCard* card = openCards().first();
    QVERIFY(!card->contact() || !card->contact()->isStored());
}

void ApplicationMenuActionsTest::viewProfileReusesTheOpenCard()
{
    ensureSignedIn();
    Providers::Factory* factory = m_App.providerFactory();
    Kivo::Contacts::IContact* contact = m_App.session()->contactsManager()->contacts().first();
    factory->showContactCard(false, contact, false);
    QTRY_COMPARE(openCards().size(), 1);
    QPointer<QML::ContactCard> first = openCards().first();
    QCOMPARE(first->contact().data(), contact);
    factory->showContactCard(false, contact, true);
    QCOMPARE(openCards().size(), 1);
    QVERIFY(first->editMode());

    first->close();
    QTRY_VERIFY(!first);
    factory->showContactCard(false, contact, false);
    QTRY_COMPARE(openCards().size(), 1);
}

void ApplicationMenuActionsTest::signOutClosesTheCards()
{
    ensureSignedIn();
    Kivo::Contacts::IContact* contact = m_App.session()->contactsManager()->contacts().first();
    m_App.providerFactory()->showContactCard(false, contact, false);
    QTRY_COMPARE(openCards().size(), 1);
    QPointer<QML::ContactCard> card = openCards().first();
    action(MenuAction::SignOut)->trigger();
    QTRY_VERIFY(!m_App.session());
    QTRY_VERIFY(!card);
}

void ApplicationMenuActionsTest::addContactWithoutSessionDoesNothing()
{
    ensureSignedIn();
    action(MenuAction::SignOut)->trigger();
    QTRY_VERIFY(!m_App.session());
    action(MenuAction::AddContact)->trigger();
    QCoreApplication::processEvents();
    QVERIFY(openCards().isEmpty());
}

void ApplicationMenuActionsTest::failedAddressUpdateSignsOutOnlyAtSignIn_data()
{
    QTest::addColumn<bool>("fromMenu");
    QTest::newRow("asked at sign-in") << false;
    QTest::newRow("started from the menu") << true;
}

// The user who does not confirm the emergency address at sign-in is signed out; one who
// started the update from the menu and gives up stays signed in.
void ApplicationMenuActionsTest::failedAddressUpdateSignsOutOnlyAtSignIn()
{
    QFETCH(bool, fromMenu);
    if (m_App.session()) {
        action(MenuAction::SignOut)->trigger();
        QTRY_VERIFY(!m_App.session());
    }
    enum { AtSignIn = 418, OnRequest = 419, Address = 420, Enabled = 421 };
    // Nobody listens on port 1: the verification's requests fail at once.
    // The only question at sign-in is the address's: no Outlook to ask about.
    enum { OutlookSearch = 180, OutlookCalendar = 391 };
    const ConfigPatch patch(m_App.client()->getConfigContainer()->currentConfig(),
                            {{fromMenu ? OnRequest : AtSignIn, true},
                             {Address, QStringLiteral("http://127.0.0.1:1/verify")},
                             {Enabled, true},
                             {OutlookSearch, false},
                             {OutlookCalendar, false}});
    ensureSignedIn();
    QSignalSpy signedOut(action(MenuAction::SignOut), &QAction::triggered);
    if (fromMenu) {
        action(MenuAction::UpdateEmergencyAddress)->trigger();
    } else {
        QTRY_COMPARE(TestSupport::shownWindows<Dialogs::MessageWindow>().size(), 1);
        Dialogs::MessageWindow* question = TestSupport::shownWindows<Dialogs::MessageWindow>().first();
        QCOMPARE(question->windowTitle(), QString("Address Verification"));
        question->findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Yes)->click();
    }
    // The user gives up waiting, unless the failed request ended the wait already.
    QTest::qWait(0);
    for (Dialogs::MessageWindow* waiting : TestSupport::shownWindows<Dialogs::MessageWindow>()) {
        if (QPushButton* no = waiting->findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Cancel))
            no->click();
    }
    if (fromMenu) {
        QTRY_VERIFY(TestSupport::shownWindows<Dialogs::MessageWindow>().isEmpty());
        QVERIFY(signedOut.isEmpty());
        action(MenuAction::SignOut)->trigger();
    }
    QTRY_VERIFY(!m_App.session());
}

void ApplicationMenuActionsTest::addressPageOnlyWhileSignedIn_data()
{
    QTest::addColumn<bool>("signedIn");
    QTest::newRow("signed in") << true;
    QTest::newRow("signed out") << false;
}

// Without the address verification the update opens the configured page, and only for a
// signed-in user: the configuration outlives the session.
void ApplicationMenuActionsTest::addressPageOnlyWhileSignedIn()
{
    QFETCH(bool, signedIn);
    const QString page = QStringLiteral("http://127.0.0.1:1/address");
    const ConfigPatch patch(m_App.client()->getConfigContainer()->currentConfig(), {{420, page}});
    ensureSignedIn();
    if (!signedIn) {
        action(MenuAction::SignOut)->trigger();
        QTRY_VERIFY(!m_App.session());
    }
    OpenedLinks opened;
    action(MenuAction::UpdateEmergencyAddress)->trigger();
    if (signedIn) {
        QTRY_COMPARE(opened.links, QList<QUrl>({QUrl(page)}));
        return;
    }
    QCoreApplication::processEvents();
    QVERIFY(opened.links.isEmpty());
}

int main(int argc, char** argv)
{
    return TestSupport::execApplicationTest<ApplicationMenuActionsTest>(argc, argv);
}

#include "tst_application_menu_actions.moc"
