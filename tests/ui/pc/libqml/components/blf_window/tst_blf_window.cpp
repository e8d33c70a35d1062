// The Team Telephony window: closing only hides it (after a confirmation the user can switch
// off), it goes beside the main window on any screen, grows with the team, comes forward
// when a line rings, and its rows pick calls up and take calls dropped on them.
#include "libqml/components/blf_window/blf_window.h"
#include "Dialogs/message_window.h"
#include "Dialogs/team_telephony_close_dialog.h"
#include "Providers/factory.h"
#include "Utils/blf_call_alert_handler.h"
#include "common/constants.h"
#include "libqml/window/qml_view.h"
#include "../../qml_test_setup.h"
#include "../../scene_items.h"
#include "support/test_environment.h"
#include "support/user_settings.h"
#include "ui/pc/blf_fixture.h"

#include <Kivo/Controllers/CommsSessionController.h>
#include <Kivo/Controllers/CommunicationSession.h>
#include <Kivo/MediaEngine/CallBasePtr.h>
#include <Kivo/Models/Roles.h>

#include <QApplication>
#include <QCheckBox>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QResource>
#include <QStandardItemModel>
#include <QtTest>

using BlfFixture::Team;
using Kivo::Contacts::IContact;
namespace Key = Constants::SettingsKey;

namespace {

// A list of `count` team members, each a contact row as the engine's models give them.
class Members : public QStandardItemModel
{
public:
    explicit Members(int count)
    {
        for (int i = 0; i < count; ++i)
            add();
    }

    void add()
    {
        const int id = rowCount() + 1;
        auto* contact = new IContact(id, QStringLiteral("Member %1").arg(id, 2, 10, QLatin1Char('0')), this);
        auto* item = new QStandardItem(contact->getDisplayName());
        item->setData(QVariant::fromValue<QObject*>(contact), Kivo::Models::Roles::Contact);
        item->setData(contact->getDisplayName(), Kivo::Models::Roles::FirstName);
        appendRow(item);
    }

    QHash<int, QByteArray> roleNames() const override { return Kivo::Models::Roles::names(); }
};

QList<Dialogs::TeamTelephonyCloseDialog*> shownCloseDialogs()
{
    QList<Dialogs::TeamTelephonyCloseDialog*> dialogs;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* dialog = qobject_cast<Dialogs::TeamTelephonyCloseDialog*>(widget); dialog && dialog->isVisible())
            dialogs.append(dialog);
    }
    return dialogs;
}

// Whether the scene takes a drag of `data` held over `at`: the view accepts every drag's
// entry, the item under it decides on the moves.
bool dragOver(QQuickWidget* view, const QPoint& at, const QMimeData& data)
{
    QDragEnterEvent enter(at, Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(view, &enter);
    QDragMoveEvent move(at, Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(view, &move);
    return move.isAccepted();
}

// A shown window over `model`, as the main window leaves it.
std::unique_ptr<QML::BlfWindow> shownWindow(QAbstractItemModel* model, Kivo::Sessions::SessionManagerBase* session = nullptr,
                                            Providers::Factory* factory = nullptr)
{
    auto window = std::make_unique<QML::BlfWindow>(model, session, nullptr, factory, nullptr, false, true);
    window->applySettings();
    static_cast<void>(QTest::qWaitForWindowExposed(window.get()));
    return window;
}

} // namespace

class BlfWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void closingWithoutConfirmationHides();
    void secondCloseRaisesTheSameConfirmation();
    void confirmationOutcomes_data();
    void confirmationOutcomes();
    void placedBesideTheMainWindow_data();
    void placedBesideTheMainWindow();
    void placedOnlyWhileHidden();
    void heightFollowsTheTeam();
    void ringingLineBringsTheWindow_data();
    void ringingLineBringsTheWindow();
    void rowPicksTheRingingCallUp();
    void callDroppedOnARowAsksToTransfer();
};

void BlfWindowTest::initTestCase()
{
    QmlTestSetup::prepare();
    QVERIFY(QResource::registerResource(QStringLiteral(TEST_THEME_RESOURCES)));
}

void BlfWindowTest::cleanup()
{
    for (Dialogs::TeamTelephonyCloseDialog* dialog : shownCloseDialogs())
        delete dialog;
    while (Dialogs::MessageWindow* message = BlfFixture::shownMessage())
        delete message;
}

void BlfWindowTest::closingWithoutConfirmationHides()
{
    TestSupport::Environment env;
    TestSupport::writeUserSettings({{Key::CloseTeamTelephonyWindow, false}});
    Members members(2);
    std::unique_ptr<QML::BlfWindow> window = shownWindow(&members);
    QPointer<QML::BlfWindow> alive = window.get();
    QVERIFY(window->isVisible());

    QVERIFY(!window->close());
    QVERIFY(alive);
    QVERIFY(!window->isVisible());
    QVERIFY(shownCloseDialogs().isEmpty());
    QCOMPARE(TestSupport::userSetting(Key::ShowTeamTelephonyWindow), QVariant(false));
    // The stored choice holds: applying the settings keeps it hidden.
    window->applySettings();
    QVERIFY(!window->isVisible());
    QCoreApplication::processEvents();
    QVERIFY(alive);
}

void BlfWindowTest::secondCloseRaisesTheSameConfirmation()
{
    TestSupport::Environment env;
    Members members(2);
    std::unique_ptr<QML::BlfWindow> window = shownWindow(&members);
    QVERIFY(!window->close());
    QTRY_COMPARE(shownCloseDialogs().size(), 1);
    Dialogs::TeamTelephonyCloseDialog* first = shownCloseDialogs().first();
    QCOMPARE(window->closeDialog(), first);

    QTest::keyClick(window.get(), Qt::Key_W, Qt::ControlModifier);
    QTest::keyClick(window.get(), Qt::Key_M, Qt::ControlModifier);
    QCOMPARE(shownCloseDialogs(), QList<Dialogs::TeamTelephonyCloseDialog*>{first});
    QVERIFY(window->isVisible());
    QVERIFY(TestSupport::userSetting(Key::ShowTeamTelephonyWindow).isNull());
}

void BlfWindowTest::confirmationOutcomes_data()
{
    QTest::addColumn<bool>("keepAsking");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QVariant>("storedAsk");
    QTest::addColumn<bool>("visible");
    QTest::newRow("yes, keep asking") << true << "yesButton" << QVariant(true) << false;
    QTest::newRow("yes, never again") << false << "yesButton" << QVariant(false) << false;
    QTest::newRow("no") << false << "noButton" << QVariant() << true;
}

void BlfWindowTest::confirmationOutcomes()
{
    QFETCH(bool, keepAsking);
    QFETCH(QString, button);
    QFETCH(QVariant, storedAsk);
    QFETCH(bool, visible);
    TestSupport::Environment env;
    Members members(2);
    std::unique_ptr<QML::BlfWindow> window = shownWindow(&members);
    QVERIFY(!window->close());
    QPointer<Dialogs::TeamTelephonyCloseDialog> dialog = window->closeDialog();
    QVERIFY(dialog && dialog->isVisible());
    QCOMPARE(dialog->windowTitle(), QString("Warning"));
    auto* box = dialog->findChild<QCheckBox*>("alwaysAskCheckBox");
    QVERIFY(box->isChecked());
    if (!keepAsking)
        QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, QPoint(5, box->height() / 2));
    QCOMPARE(box->isChecked(), keepAsking);
    QTest::mouseClick(dialog->findChild<QPushButton*>(button), Qt::LeftButton);

    QTRY_VERIFY(!dialog);
    QCOMPARE(TestSupport::userSetting(Key::CloseTeamTelephonyWindow), storedAsk);
    QCOMPARE(window->isVisible(), visible);
    QCOMPARE(TestSupport::userSetting(Key::ShowTeamTelephonyWindow).isNull(), visible);

    // The next close asks again unless the user said never.
    window->show();
    QVERIFY(!window->close());
    QCOMPARE(shownCloseDialogs().size(), storedAsk == QVariant(false) ? 0 : 1);
    QCOMPARE(window->isVisible(), storedAsk != QVariant(false));
}

void BlfWindowTest::placedBesideTheMainWindow_data()
{
    QTest::addColumn<QRect>("available");
    QTest::addColumn<QRect>("frame");
    QTest::addColumn<QPoint>("position");
    QTest::newRow("right of it") << QRect(0, 0, 1600, 1000) << QRect(100, 50, 400, 600) << QPoint(500, 50);
    QTest::newRow("left at the screen's edge") << QRect(0, 0, 1600, 1000) << QRect(1300, 50, 300, 600)
                                               << QPoint(1050, 50);
    QTest::newRow("second screen, right of it") << QRect(1600, 0, 1920, 1040) << QRect(1700, 100, 400, 600)
                                                << QPoint(2100, 100);
    QTest::newRow("second screen, left at its edge") << QRect(1600, 0, 1920, 1040) << QRect(3200, 100, 320, 600)
                                                     << QPoint(2950, 100);
    QTest::newRow("screen above, low frame") << QRect(0, -900, 1440, 860) << QRect(200, -150, 400, 600)
                                             << QPoint(600, -196);
    QTest::newRow("left screen, no room either side") << QRect(-1280, 0, 1280, 1000) << QRect(-1270, 0, 1260, 600)
                                                      << QPoint(-1280, 0);
    QTest::newRow("frame above the area") << QRect(0, 40, 1600, 960) << QRect(100, 0, 400, 600) << QPoint(500, 40);
}

void BlfWindowTest::placedBesideTheMainWindow()
{
    QFETCH(QRect, available);
    QFETCH(QRect, frame);
    QFETCH(QPoint, position);
    QCOMPARE(QML::BlfWindow::besidePosition(frame, QSize(250, 156), available), position);
    // The desktop changing keeps the window where it is when it still fits.
    QCOMPARE(QML::BlfWindow::clampedPosition(position, QSize(250, 156), available), position);
}

void BlfWindowTest::placedOnlyWhileHidden()
{
    TestSupport::Environment env;
    Members members(2);
    QML::BlfWindow window(&members, nullptr, nullptr, nullptr, nullptr, false, true);
    const QRect available(0, 0, 1600, 1000);
    window.placeBeside(QRect(100, 50, 400, 600), available);
    QCOMPARE(window.pos(), QPoint(500, 50));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QPoint shownAt = window.pos();
    window.placeBeside(QRect(700, 80, 400, 600), available);
    QCOMPARE(window.pos(), shownAt);
}

void BlfWindowTest::heightFollowsTheTeam()
{
    TestSupport::Environment env;
    Members members(3);
    std::unique_ptr<QML::BlfWindow> window = shownWindow(&members);
    QCOMPARE(window->size(), QSize(250, 156));
    for (int i = 0; i < 4; ++i)
        members.add();
    QTRY_COMPARE(window->height(), 182);
    while (members.rowCount() < 30)
        members.add();
    QTRY_COMPARE(window->height(), 520);
    members.removeRows(3, 27);
    QCoreApplication::processEvents();
    QCOMPARE(window->height(), 520);
}

void BlfWindowTest::ringingLineBringsTheWindow_data()
{
    QTest::addColumn<bool>("shownBefore");
    QTest::addColumn<QVariantMap>("settings");
    QTest::addColumn<bool>("alert");
    QTest::addColumn<bool>("shownAfter");
    const QVariantMap hiddenByUser = {{Key::ShowTeamTelephonyWindow, false}};
    QTest::newRow("a ring opens it") << false << hiddenByUser << true << true;
    QTest::newRow("a ring leaves it closed") << false
                                             << QVariantMap{{Key::ShowTeamTelephonyWindow, false},
                                                            {Key::OpenTeamTelephonyWindowWhenLineRings, false}}
                                             << true << false;
    QTest::newRow("the end of ringing closes what the ring opened") << true << hiddenByUser << false << false;
    QTest::newRow("the end of ringing keeps a shown window") << true << QVariantMap() << false << true;
    QTest::newRow("a ring brings it forward") << true << QVariantMap() << true << true;
}

void BlfWindowTest::ringingLineBringsTheWindow()
{
    QFETCH(bool, shownBefore);
    QFETCH(QVariantMap, settings);
    QFETCH(bool, alert);
    QFETCH(bool, shownAfter);
    TestSupport::Environment env;
    TestSupport::writeUserSettings(settings);
    Members members(2);
    QML::BlfWindow window(&members, nullptr, nullptr, nullptr, nullptr, false, true);
    window.setVisible(shownBefore);
    emit window.alertHandler()->blfAlert(alert);
    QCOMPARE(window.isVisible(), shownAfter);
}

void BlfWindowTest::rowPicksTheRingingCallUp()
{
    TestSupport::Environment env;
    Team team;
    Providers::Factory factory(team.session.get(), team.session->contactsManager(), nullptr, nullptr);
    std::unique_ptr<QML::BlfWindow> window = shownWindow(team.monitored(), team.session.get(), &factory);
    QQuickItem* root = window->view()->rootObject();
    QVERIFY(SceneItems::named(root, "blfRow2"));
    QCOMPARE(SceneItems::named(SceneItems::named(root, "blfRow2"), "blfRowText")->property("text").toString(),
             QString("Cleo Park (Available)"));
    QVERIFY(!SceneItems::named(SceneItems::named(root, "blfRow2"), "answerButton")->isVisible());

    QVERIFY(Team::setLine("cleo@blf.example", IContact::BlfIncomingCall, "eve@blf.example"));
    QQuickItem* row = SceneItems::named(root, "blfRow2");
    QCOMPARE(row->state(), QString("lineRinging"));
    QCOMPARE(SceneItems::named(row, "blfRowText")->property("text").toString(), QString("Cleo Park (Ringing)"));
    QTRY_VERIFY(team.playingSounds().contains(BlfFixture::TeamAlert));
    QCOMPARE(window->getBlfAlertedContactTooltip(2), QString("Eve Stone"));

    SceneItems::click(window->view(), SceneItems::named(row, "answerButton"));
    Kivo::Simulation::Service& service = Kivo::Simulation::Service::shared();
    QTRY_COMPARE(service.calls().size(), 1);
    QCOMPARE(service.calls().first().remote, QString("eve@blf.example"));
    QTRY_COMPARE(service.calls().first().state, Kivo::Simulation::CallState::Active);
    QTRY_COMPARE(row->state(), QString("normal"));
    QTRY_VERIFY(!team.playingSounds().contains(BlfFixture::TeamAlert));
}

void BlfWindowTest::callDroppedOnARowAsksToTransfer()
{
    TestSupport::Environment env;
    Team team;
    Kivo::Controllers::CommsSessionController* comms = team.session->commsSessionController();
    comms->createCall({"eve@blf.example"}, false);
    QTRY_VERIFY(comms->getSession(4) && comms->getSession(4)->getCall()
                && comms->getSession(4)->getCall()->getCallState() == Kivo::MediaEngine::CallBasePtr::InCall);
    std::unique_ptr<QML::BlfWindow> window = shownWindow(team.monitored(), team.session.get());
    QQuickWidget* view = window->view();
    QQuickItem* row = SceneItems::named(view->rootObject(), "blfRow3");
    QVERIFY(row && SceneItems::waitUntilClickable(view, row));
    const QPoint at = row->mapToScene(QPointF(row->width() / 2, row->height() / 2)).toPoint();

    // What the active communications drag: the call's contact id.
    QMimeData data;
    data.setData("application/qomx.activecomm.contact", "4");
    data.setText("4");
    QVERIFY(dragOver(view, at, data));
    QDropEvent drop(at, Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(view, &drop);
    QTRY_VERIFY(BlfFixture::shownMessage());
    QCOMPARE(BlfFixture::shownMessage()->windowTitle(), QString("Transfer"));

    // Two dragged items are refused.
    delete BlfFixture::shownMessage();
    data.setText("4,1");
    QVERIFY(!dragOver(view, at, data));
}

QTEST_MAIN(BlfWindowTest)
#include "tst_blf_window.moc"
