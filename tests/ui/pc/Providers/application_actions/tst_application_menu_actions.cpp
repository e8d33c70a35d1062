#include "Providers/factory.h"
#include "Providers/menu_action_provider.h"
#include "common/constants.h"
#include "libqml/components/contactcard/contact_card.h"
#include "support/application_test.h"
#include "support/shown_windows.h"

#include <Kivo/Contacts/Contacts.h>
#include <Kivo/Contacts/IContact.h>
#include <Kivo/Sessions/SessionManagerBase.h>

#include <QAction>
#include <QApplication>
#include <QtTest>

namespace MenuAction = Constants::MenuAction;

namespace {

QList<QML::ContactCard*> openCards()
{
    return TestSupport::shownWindows<QML::ContactCard>();
}

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

int main(int argc, char** argv)
{
    return TestSupport::execApplicationTest<ApplicationMenuActionsTest>(argc, argv);
}

#include "tst_application_menu_actions.moc"
