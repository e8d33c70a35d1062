#include "application.h"

#include "Providers/factory.h"
#include "Providers/menu_action_provider.h"
#include "common/constants.h"
#include "libqml/components/contactcard/contact_card.h"
#include "libqml/components/loginwindow/login_window.h"
#include "libqml/components/mainwindow/main_window.h"
#include "libqml/utils/style.h"
#include "support/test_environment.h"

#include <Kivo/Contacts/Contacts.h>
#include <Kivo/Contacts/IContact.h>
#include <Kivo/Sessions/SessionManagerBase.h>

#include <QAction>
#include <QApplication>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace MenuAction = Constants::MenuAction;

namespace {

QList<QML::ContactCard*> openCards()
{
    QList<QML::ContactCard*> cards;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* card = qobject_cast<QML::ContactCard*>(widget);
        if (card && card->isVisible())
            cards << card;
    }
    return cards;
}

} // namespace

class ApplicationMenuActionsTest : public QObject
{
    Q_OBJECT

public:
    explicit ApplicationMenuActionsTest(Application& app) : m_App(app) {}

private slots:
    void initTestCase();
    void cleanupTestCase();
    void cleanup();
    void addContactOpensAnEmptyCard();
    void viewProfileReusesTheOpenCard();
    void signOutClosesTheCards();
    void addContactWithoutSessionDoesNothing();

private:
    void signIn();
    QAction* action(int id) const { return m_App.menuActionProvider()->action(id); }

    Application& m_App;
    std::unique_ptr<TestSupport::QmlWarningGuard> m_QmlWarnings;
};

void ApplicationMenuActionsTest::initTestCase()
{
    QVERIFY(m_App.initialize());
    // Above the test framework's and the application's message handlers.
    m_QmlWarnings = std::make_unique<TestSupport::QmlWarningGuard>();
}

void ApplicationMenuActionsTest::cleanupTestCase()
{
    m_QmlWarnings.reset();
}

void ApplicationMenuActionsTest::cleanup()
{
    for (QML::ContactCard* card : openCards())
        card->close();
    QTRY_VERIFY(openCards().isEmpty());
}

void ApplicationMenuActionsTest::signIn()
{
    if (m_App.session())
        return;
    QML::LoginWindow* login = m_App.loginWindow();
    QVERIFY(login);
    login->setUsername("alice@demo.telvarion.net");
    login->setPassword("Demo-1234");
    login->onSigninClicked();
    QTRY_VERIFY(m_App.mainWindow() && m_App.mainWindow()->isVisible());
    QTRY_VERIFY(!m_App.session()->contactsManager()->contacts().isEmpty());
}

void ApplicationMenuActionsTest::addContactOpensAnEmptyCard()
{
    signIn();
    action(MenuAction::AddContact)->trigger();
    QTRY_COMPARE(openCards().size(), 1);
    QML::ContactCard* card = openCards().first();
    QVERIFY(!card->contact() || !card->contact()->isStored());
}

void ApplicationMenuActionsTest::viewProfileReusesTheOpenCard()
{
    signIn();
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
    signIn();
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
    signIn();
    action(MenuAction::SignOut)->trigger();
    QTRY_VERIFY(!m_App.session());
    action(MenuAction::AddContact)->trigger();
    QCoreApplication::processEvents();
    QVERIFY(openCards().isEmpty());
}

int main(int argc, char** argv)
{
    // Everything the program writes goes to folders of this run.
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", (home.path() + "/config").toUtf8());
    qputenv("XDG_DATA_HOME", (home.path() + "/data").toUtf8());
    qputenv("TELVARION_REGISTRY_FILE", (home.path() + "/registry.ini").toUtf8());
    qputenv("TMPDIR", home.path().toUtf8());
    TestSupport::Environment environment;
    Application app(argc, argv);
    Q_INIT_RESOURCE(telvarion_ui);
    new QML::Style(&app);
    ApplicationMenuActionsTest test(app);
    return QTest::qExec(&test, argc, argv);
}

#include "tst_application_menu_actions.moc"
