#include "libqml/components/presencerequest/presence_request_dialog.h"

#include "../../qml_test_setup.h"
#include "../../scene_items.h"
#include "libqml/window/qml_view.h"
#include "support/signed_in_session.h"
#include "support/test_environment.h"

#include <Kivo/Controllers/ContactSearchController.h>
#include <Kivo/Models/Roles.h>
#include <Kivo/Simulation/Control.h>

#include <QQuickItem>
#include <QtTest>

using Kivo::Contacts::IContact;
using QML::PresenceRequestDialog;

namespace {

const QByteArray Accounts = R"({ "accounts": [
  { "user": "alice@test.example", "password": "a", "displayName": "Alice Carter", "domain": "test.example",
    "presence": 7, "contacts": [
      { "id": 1, "name": "Bob Lind", "address": "bob@test.example", "group": "Team" } ] },
  { "user": "dev@test.example", "password": "d", "displayName": "Dev Patel", "domain": "test.example", "presence": 7 },
  { "user": "erin@test.example", "password": "e", "displayName": "Erin Moss", "domain": "test.example", "presence": 4 },
  { "user": "femi@test.example", "password": "f", "displayName": "Femi Ade", "domain": "test.example" } ] })";

QQuickItem* sceneItem(const PresenceRequestDialog& dialog, const QString& name)
{
    return SceneItems::named(dialog.view()->rootObject(), name);
}

QStringList requestNames(const PresenceRequestDialog& dialog)
{
    QStringList names;
    for (int row = 0; row < dialog.model()->rowCount(); ++row) {
        const auto* request = qobject_cast<IContact*>(
            dialog.model()->index(row, 0).data(Kivo::Models::Roles::Contact).value<QObject*>());
        names.append(request ? request->getDisplayName() : QString());
    }
    return names;
}

} // namespace

class PresenceRequestDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void requestsArrivingTogetherAreLookedUpOneAfterTheOther();
    void aLookUpThatEndsBadlyLetsTheNextOneRun_data();
    void aLookUpThatEndsBadlyLetsTheNextOneRun();
    void lookUpsThatCannotStartAreSkipped();
    void windowFitsItsRequestsAndGoesWhenNoneIsLeft();
    void closingOnlyHidesUntilTheNextRequest();
    void acceptingAddsTheRequesterDecliningDoesNot();

private:
    bool inject(const QStringList& from);

    std::unique_ptr<TestSupport::Environment> m_Environment;
    std::unique_ptr<SignedInSession> m_Session;
    std::unique_ptr<PresenceRequestDialog> m_Dialog;
};

void PresenceRequestDialogTest::initTestCase()
{
    QmlTestSetup::prepare();
}

void PresenceRequestDialogTest::init()
{
    m_Environment = std::make_unique<TestSupport::Environment>();
    m_Session = std::make_unique<SignedInSession>(QHash<int, QVariant>{{361, true}}, Accounts);
    m_Dialog = std::make_unique<PresenceRequestDialog>(m_Session->session(), m_Session->contacts(), false);
    QVERIFY(m_Dialog->view()->errors().isEmpty());
    QVERIFY(!m_Dialog->isVisible());
}

void PresenceRequestDialogTest::cleanup()
{
    m_Dialog.reset();
    m_Session.reset();
    m_Environment.reset();
}

bool PresenceRequestDialogTest::inject(const QStringList& from)
{
    return Kivo::Simulation::Control(m_Session->service()).injectPresenceRequests(from);
}

void PresenceRequestDialogTest::requestsArrivingTogetherAreLookedUpOneAfterTheOther()
{
    QSignalSpy searches(m_Session->session()->contactSearchController(),
                        &Kivo::Controllers::ContactSearchController::searchFinished);
    QSignalSpy inserted(m_Dialog->model(), &QAbstractItemModel::rowsInserted);
    QVERIFY(inject({"dev@test.example", "erin@test.example"}));
    QVERIFY(inserted.wait());
    QCOMPARE(inserted.count(), 1);
    // One look-up runs, the second waits for it.
    QCOMPARE(m_Dialog->pendingSynchronizations(), 2);
    QVERIFY(searches.wait());
    QCOMPARE(searches.count(), 1);
    QCOMPARE(requestNames(*m_Dialog), QStringList({"Dev Patel", QString()}));
    QTRY_COMPARE(m_Dialog->pendingSynchronizations(), 0);
    QCOMPARE(searches.count(), 2);
    QCOMPARE(requestNames(*m_Dialog), QStringList({"Dev Patel", "Erin Moss"}));
}

void PresenceRequestDialogTest::aLookUpThatEndsBadlyLetsTheNextOneRun_data()
{
    QTest::addColumn<QStringList>("from");
    QTest::addColumn<int>("declined");
    QTest::addColumn<QStringList>("names");

    // The directory does not know the first requester.
    QTest::newRow("no match") << QStringList({"zed@elsewhere.example", "erin@test.example"}) << -1
                              << QStringList({QString(), "Erin Moss"});
    // The second request is answered while it is looked up: its contact is gone when the
    // look-up ends, and the third still runs.
    QTest::newRow("contact gone meanwhile")
        << QStringList({"dev@test.example", "erin@test.example", "femi@test.example"}) << 1
        << QStringList({"Dev Patel", "Femi Ade"});
}

void PresenceRequestDialogTest::aLookUpThatEndsBadlyLetsTheNextOneRun()
{
    QFETCH(QStringList, from);
    QFETCH(int, declined);
    QFETCH(QStringList, names);

    QSignalSpy inserted(m_Dialog->model(), &QAbstractItemModel::rowsInserted);
    QVERIFY(inject(from));
    QVERIFY(inserted.wait());
    if (declined >= 0) {
        auto* request = qobject_cast<IContact*>(
            m_Dialog->model()->index(declined, 0).data(Kivo::Models::Roles::Contact).value<QObject*>());
        QVERIFY(request);
        request->declinePresenceRequest();
    }
    QTRY_COMPARE(m_Dialog->pendingSynchronizations(), 0);
    QTRY_COMPARE(requestNames(*m_Dialog), names);
}

void PresenceRequestDialogTest::lookUpsThatCannotStartAreSkipped()
{
    QSignalSpy inserted(m_Dialog->model(), &QAbstractItemModel::rowsInserted);
    QVERIFY(inject({"dev@test.example", "erin@test.example", "femi@test.example"}));
    QVERIFY(inserted.wait());
    {
        // Without a session there is no directory to ask: nothing is left waiting.
        PresenceRequestDialog dialog(nullptr, m_Session->contacts(), false);
        QCOMPARE(dialog.pendingSynchronizations(), 0);
        QCOMPARE(dialog.model()->rowCount(), 3);
    }
    // The second request is answered before its look-up can start: it is skipped and the
    // third is looked up all the same.
    qobject_cast<IContact*>(m_Dialog->model()->index(1, 0).data(Kivo::Models::Roles::Contact).value<QObject*>())
        ->declinePresenceRequest();
    PresenceRequestDialog late(m_Session->session(), m_Session->contacts(), false);
    QCOMPARE(late.pendingSynchronizations(), 3);
    QTRY_COMPARE(late.pendingSynchronizations(), 0);
    QCOMPARE(late.model()->rowCount(), 2);
}

void PresenceRequestDialogTest::windowFitsItsRequestsAndGoesWhenNoneIsLeft()
{
    QVERIFY(inject({"dev@test.example"}));
    QTRY_VERIFY(m_Dialog->isVisible());
    QCOMPARE(m_Dialog->windowTitle(), QString("Presence Request"));
    QCOMPARE(m_Dialog->itemHeight(), 50);
    const int spacing = 3 + 20 + 4 + 3;
    QCOMPARE(m_Dialog->heightExtraSpacing(), spacing);
    QCOMPARE(m_Dialog->height(), 50 + spacing);
    QCOMPARE(sceneItem(*m_Dialog, "heading")->property("text").toString(),
             QString("The following user wants to share presence information with you:"));

    QVERIFY(inject({"erin@test.example"}));
    QTRY_COMPARE(m_Dialog->height(), 2 * 50 + spacing);
    QCOMPARE(sceneItem(*m_Dialog, "heading")->property("text").toString(),
             QString("The following users want to share presence information with you:"));

    // Answered with the user's clicks, the window shrinks and then goes.
    QTRY_VERIFY(sceneItem(*m_Dialog, "declineButton1"));
    SceneItems::click(m_Dialog->view(), sceneItem(*m_Dialog, "declineButton1"));
    QTRY_COMPARE(m_Dialog->height(), 50 + spacing);
    SceneItems::click(m_Dialog->view(), sceneItem(*m_Dialog, "declineButton0"));
    QTRY_VERIFY(!m_Dialog->isVisible());
    QCOMPARE(m_Dialog->model()->rowCount(), 0);
}

void PresenceRequestDialogTest::closingOnlyHidesUntilTheNextRequest()
{
    QVERIFY(inject({"dev@test.example"}));
    QTRY_VERIFY(m_Dialog->isVisible());
    QVERIFY(m_Dialog->close() == false);
    QVERIFY(!m_Dialog->isVisible());
    QCOMPARE(m_Dialog->model()->rowCount(), 1);

    QVERIFY(inject({"erin@test.example"}));
    QTRY_VERIFY(m_Dialog->isVisible());
    QCOMPARE(m_Dialog->model()->rowCount(), 2);
}

void PresenceRequestDialogTest::acceptingAddsTheRequesterDecliningDoesNot()
{
    Kivo::Contacts::Contacts* contacts = m_Session->contacts().data();
    QSignalSpy added(contacts, &Kivo::Contacts::Contacts::contactAdded);
    QVERIFY(inject({"dev@test.example", "erin@test.example"}));
    QTRY_COMPARE(m_Dialog->pendingSynchronizations(), 0);
    QTRY_VERIFY(sceneItem(*m_Dialog, "acceptButton0"));
    SceneItems::click(m_Dialog->view(), sceneItem(*m_Dialog, "acceptButton0"));
    QVERIFY(added.wait());
    IContact* dev = contacts->findByAddress("dev@test.example");
    QVERIFY(dev);
    QCOMPARE(dev->getDisplayName(), QString("Dev Patel"));
    // Both ways: the requester's presence shows in the list.
    QCOMPARE(dev->presenceState(), 7);
    QTRY_COMPARE(m_Dialog->model()->rowCount(), 1);

    SceneItems::click(m_Dialog->view(), sceneItem(*m_Dialog, "declineButton0"));
    QTRY_VERIFY(!m_Dialog->isVisible());
    QVERIFY(!contacts->findByAddress("erin@test.example"));
    QCOMPARE(added.count(), 1);
    QVERIFY(m_Session->service().presenceRequests().isEmpty());
}

QTEST_MAIN(PresenceRequestDialogTest)
#include "tst_presence_request_dialog.moc"
