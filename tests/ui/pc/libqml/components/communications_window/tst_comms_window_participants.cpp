// The communications window's participants pane, contact search, pop-up menus and hover
// card, and the files and contacts dropped on it, over the simulated service.
#include "../../qml_test_setup.h"
#include "../../../../../libs/kivo/conversations/conversation_fixture.h"
#include "Dialogs/message_window.h"
#include "Models/Chat/message_model.h"
#include "Providers/factory.h"
#include "libqml/components/communications_window/communications_window.h"
#include "libqml/components/contactmouseover/contact_mouse_over.h"
#include "libqml/window/qml_view.h"
#include "support/test_environment.h"
#include "ui/pc/libqml/scene_items.h"

#include <Kivo/Actions/Action.h>
#include <Kivo/Actions/Provider.h>
#include <Kivo/Controllers/ChatInterface.h>
#include <Kivo/Controllers/CommsSessionController.h>
#include <Kivo/Controllers/FtController.h>
#include <Kivo/Data/FTAdapter.h>
#include <Kivo/Models/CommsSessionParticipants.h>
#include <Kivo/Models/FTModel.h>
#include <Kivo/MyRoom/MeetMeVyxActionsHandler.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QQuickItem>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using Kivo::Controllers::CommunicationSession;
using QML::CommunicationsWindow;
namespace Fixture = ConversationFixture;

namespace {

constexpr int ProhibitedFileTypes = 172;
constexpr int RoomsUseQvd = 61;

// Alice with a My Room, Bob, and Hanna who has a Berlin number; rooms of her own and of Dev.
const QByteArray Accounts = R"({ "accounts": [
  { "user": "alice@test.example", "password": "a", "displayName": "Alice Carter", "domain": "test.example",
    "myRoom": { "dialIn": "+15550190", "conferenceId": "4711", "securityPin": "12", "moderatorPin": "34" },
    "contacts": [
      { "id": 1, "name": "Bob Lind", "address": "bob@test.example", "number": "+15550101", "presence": 7 },
      { "id": 2, "name": "Chiara Rossi", "address": "chiara@test.example", "number": "+15550102", "presence": 7 },
      { "id": 3, "name": "Hanna Weber", "address": "hanna@test.example", "number": "+49 30 1234567", "presence": 7 } ],
    "rooms": [
      { "jid": "design@conference.test.example", "name": "Design", "owner": "alice@test.example",
        "members": ["chiara@test.example"], "occupants": ["bob@test.example"] },
      { "jid": "ops@conference.test.example", "name": "Ops", "owner": "bob@test.example",
        "members": ["alice@test.example"], "occupants": ["bob@test.example"] } ] } ] })";

enum class Kind
{
    Chat,
    AnsweredCall,
    RingingCall,
    OwnRoom,
    OthersRoom,
    MyRoom
};

// A conversation of alice in a window of its own, as the manager makes it.
class Conversation
{
public:
    explicit Conversation(Kind kind, const QHash<int, QVariant>& items = {})
        : signedIn(items, Accounts)
    {
        if (!signedIn.isReady())
            return;
        factory = std::make_unique<Providers::Factory>(signedIn.session(), signedIn.session()->contactsManager(),
                                                       nullptr, nullptr);
        Fixture::control().setAutoAnswer(kind != Kind::RingingCall);
        QSignalSpy created(signedIn.comms(), &Kivo::Controllers::CommsSessionController::sessionCreated);
        switch (kind) {
        case Kind::Chat:
            signedIn.comms()->createChat(QStringList{Fixture::Bob});
            break;
        case Kind::AnsweredCall:
        case Kind::RingingCall:
            signedIn.comms()->createCall({Fixture::Bob}, false);
            break;
        case Kind::OwnRoom:
            signedIn.comms()->createGroupChat("design@conference.test.example");
            break;
        case Kind::OthersRoom:
            signedIn.comms()->createGroupChat("ops@conference.test.example");
            break;
        case Kind::MyRoom:
            signedIn.comms()->createMyRoomSession(QString(), "alice@myroom.test.example", QString());
            break;
        }
        if (created.isEmpty() && !created.wait(2000))
            return;
        session = Fixture::nextSession(created);
        const bool ready = QTest::qWaitFor([this, kind] {
            if (!session)
                return false;
            switch (kind) {
            case Kind::Chat:
                return session->chatActive() && session->getContact();
            case Kind::AnsweredCall:
                return session->getCall() && session->getCall()->isInProgress();
            case Kind::RingingCall:
                return session->callActive();
            case Kind::MyRoom:
                return session->chatActive() && session->isOwnMyRoomSession();
            default:
                return session->chatActive() && session->getParticipants()->rowCount() > 1;
            }
        });
        if (!ready)
            return;
        window = new CommunicationsWindow(signedIn.session(), session, factory.get(), false);
        window->Activate();
    }
    ~Conversation()
    {
        delete window;
        if (session)
            session->close();
        Fixture::control().setAutoAnswer(true);
    }

    bool isReady() const { return window != nullptr; }
    QML::View* participantsPane() const { return window->findChild<QML::View*>("ParticipantsPane"); }
    Kivo::Models::FTModel* transfersWithBob() const
    {
        return signedIn.session()->fileTransferController()->modelOf(Fixture::Bob);
    }

    Fixture::SignedIn signedIn;
    std::unique_ptr<Providers::Factory> factory;
    QPointer<CommunicationSession> session;
    QPointer<CommunicationsWindow> window;
};

// What the user drags: files by their paths, or a contact by its id.
std::unique_ptr<QMimeData> filesData(const QStringList& paths)
{
    auto data = std::make_unique<QMimeData>();
    QList<QUrl> urls;
    for (const QString& path : paths)
        urls.append(QUrl::fromLocalFile(path));
    data->setUrls(urls);
    return data;
}

std::unique_ptr<QMimeData> contactData(const QByteArray& id)
{
    auto data = std::make_unique<QMimeData>();
    data->setData("application/qomx.contact", id);
    return data;
}

bool dragEnter(QWidget* window, const QMimeData* data)
{
    QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    enter.ignore();
    QApplication::sendEvent(window, &enter);
    return enter.isAccepted();
}

void drop(QWidget* window, const QMimeData* data)
{
    QDropEvent dropping(QPointF(20, 20), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window, &dropping);
}

// The names the contact search shows (its group rows aside).
QStringList shownNames(const QAbstractItemModel* model)
{
    const QHash<int, QByteArray> roles = model->roleNames();
    const int name = roles.key("displayName", -1);
    const int group = roles.key("isGroup", -1);
    QStringList names;
    for (int row = 0; row < model->rowCount(); ++row) {
        const QModelIndex index = model->index(row, 0);
        if (!index.data(group).toBool())
            names.append(index.data(name).toString());
    }
    return names;
}

QFileDialog* openChooser()
{
    for (QWidget* widget : QApplication::allWidgets()) {
        auto* chooser = qobject_cast<QFileDialog*>(widget);
        if (chooser && chooser->objectName() == "fileChooser" && chooser->isVisible())
            return chooser;
    }
    return nullptr;
}

// Whether the window has built its participant models and takes drops (its structure).
bool isBuilt(const CommunicationsWindow* window)
{
    return window->participantsModel() && window->acceptDrops();
}

// Whether the window shows a My Room error it is told of (the conversation wiring).
bool showsMeetMeErrors(CommunicationsWindow* window)
{
    QMetaObject::invokeMethod(window, "onMeetMeErrorReceived",
                              Q_ARG(Kivo::MyRoom::MeetMeErrorType, Kivo::MyRoom::MuteParticipantFailed));
    const bool shown = !window->meetMeError().isEmpty();
    window->setMeetMeError(QVariant());
    return shown;
}

QList<QML::ContactMouseOver*> cards(const QWidget* window)
{
    return window->findChildren<QML::ContactMouseOver*>();
}

} // namespace

class CommsWindowParticipantsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QmlTestSetup::prepare(); }

    void participantsSetTwiceLoadOnce()
    {
        TestSupport::Environment env;
        Conversation room(Kind::OwnRoom);
        QVERIFY(room.isReady());
        if (!isBuilt(room.window))
            QSKIP("The window builds its participant models and takes drops once its structure is in.");
        Kivo::Models::CommsSessionParticipants* people = room.session->getParticipants();
        QSignalSpy changed(room.window.data(), &CommunicationsWindow::participantsChanged);
        room.window->setParticipants(people);
        QML::View* pane = room.participantsPane();
        QQuickItem* scene = pane->rootObject();
        QVERIFY(scene);
        QCOMPARE(scene->objectName(), QString("participantsPane"));
        QVERIFY(room.window->participantSelectionHandler());
        room.window->setParticipants(people);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(pane->rootObject(), scene);
        // The pane lists the people of the room, the user among them.
        room.window->show();
        QTRY_VERIFY(pane->isVisible());
        static_cast<void>(pane->grabFramebuffer());
        QTRY_VERIFY(SceneItems::named(scene, "participant_Bob Lind"));
        QVERIFY(SceneItems::named(scene, "participant_Alice Carter"));
        QCOMPARE(room.window->participantsModel()->rowCount(), people->rowCount());
    }

    void myRoomErrorsReachOnlyTheModerator_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("roomsUseQvd");
        QTest::addColumn<bool>("shown");
        QTest::newRow("own My Room") << int(Kind::MyRoom) << false << true;
        QTest::newRow("own room, bridge rooms") << int(Kind::OwnRoom) << true << true;
        QTest::newRow("own room, no bridge rooms") << int(Kind::OwnRoom) << false << false;
        QTest::newRow("somebody else's room, bridge rooms") << int(Kind::OthersRoom) << true << false;
    }

    void myRoomErrorsReachOnlyTheModerator()
    {
        QFETCH(int, kind);
        QFETCH(bool, roomsUseQvd);
        QFETCH(bool, shown);
        TestSupport::Environment env;
        Conversation room{Kind(kind), {{RoomsUseQvd, roomsUseQvd}}};
        QVERIFY(room.isReady());
        if (!isBuilt(room.window))
            QSKIP("The window builds its participant models and takes drops once its structure is in.");
        if (!showsMeetMeErrors(room.window))
            QSKIP("The window shows My Room errors once the conversation wiring is in.");
        Kivo::Models::CommsSessionParticipants* people = room.session->getParticipants();
        room.window->setParticipants(people);
        emit people->errorReceived(Kivo::MyRoom::LockConferenceFailed);
        QCOMPARE(room.window->meetMeError(), shown ? QString("Lock conference failed") : QString());
    }

    void refusedModeratorActionShowsOnThePane()
    {
        TestSupport::Environment env;
        Conversation room(Kind::MyRoom);
        QVERIFY(room.isReady());
        if (!isBuilt(room.window))
            QSKIP("The window builds its participant models and takes drops once its structure is in.");
        Kivo::Models::CommsSessionParticipants* people = room.session->getParticipants();
        QVERIFY(people->getMeetMeVyxActionsHandler());
        if (!showsMeetMeErrors(room.window))
            QSKIP("The window shows My Room errors once the conversation wiring is in.");
        room.window->setParticipants(people);
        QTRY_VERIFY(Fixture::control().injectRoomJoin("alice@myroom.test.example", Fixture::Bob));
        QTRY_VERIFY(people->participant(Fixture::Bob));
        QVERIFY(Fixture::control().failNextServiceRequest(Kivo::Simulation::ServiceRequest::MeetMeAction, {5, 403, "no"}));
        people->getMeetMeVyxActionsHandler()->dismiss({people->participant(Fixture::Bob)});
        QCOMPARE(room.window->meetMeError(), QString("Dismiss participant failed"));
        QQuickItem* line = SceneItems::named(room.participantsPane()->rootObject(), "meetMeErrorLine");
        QVERIFY(line);
        QTRY_VERIFY(line->isVisible());
        // A click on the line clears it.
        room.window->show();
        room.participantsPane()->resize(240, 300);
        SceneItems::click(room.participantsPane(), line);
        QTRY_COMPARE(room.window->meetMeError(), QString());
        QVERIFY(!line->isVisible());
    }

    void searchBeforeACallFiltersNothing()
    {
        TestSupport::Environment env;
        Conversation chat(Kind::Chat);
        QVERIFY(chat.isReady());
        chat.window->searchTextChanged("bob");
        QVERIFY(!chat.window->contactModel());
        QVERIFY(env.logs().contains("Searching without m_SearchFilter."));
    }

    void searchTakesTheTextAsItStands_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("country code") << "+49" << QStringList{"Hanna Weber"};
        QTest::newRow("area code with a bracket") << "(030" << QStringList{};
        QTest::newRow("name") << "bob" << QStringList{"Bob Lind"};
        QTest::newRow("name in capitals") << "HANNA" << QStringList{"Hanna Weber"};
    }

    void searchTakesTheTextAsItStands()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, names);
        TestSupport::Environment env;
        Conversation call(Kind::AnsweredCall);
        QVERIFY(call.isReady());
        call.window->ActivateCall();
        if (!call.window->contactModel())
            QSKIP("The call's contact search comes with the conversation wiring.");
        call.window->searchTextChanged(text);
        QCOMPARE(shownNames(call.window->contactModel()), names);
    }

    void hoverCardShowsForTheActiveWindowOnly()
    {
        TestSupport::Environment env;
        Conversation room(Kind::OwnRoom);
        QVERIFY(room.isReady());
        room.window->setParticipants(room.session->getParticipants());
        const QList<Kivo::Data::CommsSessionParticipant*> people =
            room.session->getParticipants()->getParticipantsExcludeSelf();
        QVERIFY(!people.isEmpty());
        const QVariant bob = QVariant::fromValue<QObject*>(people.first());

        QWidget other;
        other.show();
        QApplication::setActiveWindow(&other);
        room.window->show();
        QMetaObject::invokeMethod(room.window, "showParticipantMouseOver", Q_ARG(QVariant, bob));
        QVERIFY(cards(room.window).isEmpty());

        QApplication::setActiveWindow(room.window);
        QTRY_COMPARE(QApplication::activeWindow(), room.window.data());
        QMetaObject::invokeMethod(room.window, "showParticipantMouseOver", Q_ARG(QVariant, bob));
        QCOMPARE(cards(room.window).size(), 1);
        QPointer<QML::ContactMouseOver> first = cards(room.window).first();
        QVERIFY(first->isVisible());
        QCOMPARE(first->contact(), people.first()->getContact());
        // A second hover replaces the first card.
        QMetaObject::invokeMethod(room.window, "showParticipantMouseOver", Q_ARG(QVariant, bob));
        QTRY_VERIFY(first.isNull());
        QCOMPARE(cards(room.window).size(), 1);
        QMetaObject::invokeMethod(room.window, "hideParticipantMouseOver");
        QTRY_VERIFY(cards(room.window).isEmpty());
    }

    void hoverCardStaysOnItsScreen_data()
    {
        QTest::addColumn<QRect>("area");
        QTest::addColumn<QPoint>("cursor");
        QTest::addColumn<QPoint>("place");
        const QSize card(250, 120);
        const QRect primary(0, 0, 1600, 1000);
        const QRect right(1600, 0, 1280, 1024);
        const QRect below(0, 1000, 1600, 900);
        QTest::newRow("room to spare") << primary << QPoint(100, 100) << QPoint(105, 100);
        QTest::newRow("right edge") << primary << QPoint(1500, 100) << QPoint(1500 - card.width() - 5, 100);
        QTest::newRow("bottom edge") << primary << QPoint(100, 950) << QPoint(105, 950 - card.height());
        QTest::newRow("corner") << primary << QPoint(1500, 950) << QPoint(1245, 830);
        // A screen right of or below the primary one: its edges count, not its size.
        QTest::newRow("second screen, middle") << right << QPoint(2000, 100) << QPoint(2005, 100);
        QTest::newRow("second screen, right edge") << right << QPoint(2800, 100) << QPoint(2545, 100);
        QTest::newRow("screen below, middle") << below << QPoint(100, 1200) << QPoint(105, 1200);
        QTest::newRow("screen below, bottom edge") << below << QPoint(100, 1850) << QPoint(105, 1730);
    }

    void hoverCardStaysOnItsScreen()
    {
        QFETCH(QRect, area);
        QFETCH(QPoint, cursor);
        QFETCH(QPoint, place);
        QCOMPARE(CommunicationsWindow::participantCardPosition(QSize(250, 120), cursor, area), place);
    }

    void classificationEntryWithoutDataUsesItsText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("data");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("with data") << "Top Secret" << "TS" << "TS";
        QTest::newRow("without data") << "Restricted" << "" << "Restricted";
    }

    void classificationEntryWithoutDataUsesItsText()
    {
        QFETCH(QString, text);
        QFETCH(QString, data);
        QFETCH(QString, chosen);
        TestSupport::Environment env;
        Conversation call(Kind::AnsweredCall);
        QVERIFY(call.isReady());
        std::unique_ptr<QMenu> menu(call.window->callClassificationsMenu());
        QAction* entry = menu->addAction(text);
        if (!data.isEmpty())
            entry->setData(data);
        entry->trigger();
        QCOMPARE(call.session->getCurrentCallSecurityClassification(), chosen);
    }

    void droppedFilesOfAllowedTypesAreSentInOrder_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QStringList>("sent");
        QTest::addColumn<int>("notices");
        QTest::newRow("one forbidden of three") << QStringList{"notes.txt", "setup.exe", "plan.pdf"}
                                                << QStringList{"notes.txt", "plan.pdf"} << 1;
        QTest::newRow("only forbidden") << QStringList{"setup.exe", "run.bat"} << QStringList{} << 1;
        QTest::newRow("all allowed") << QStringList{"plan.pdf"} << QStringList{"plan.pdf"} << 0;
    }

    void droppedFilesOfAllowedTypesAreSentInOrder()
    {
        QFETCH(QStringList, files);
        QFETCH(QStringList, sent);
        QFETCH(int, notices);
        TestSupport::Environment env;
        Conversation chat(Kind::Chat, {{ProhibitedFileTypes, "exe, bat"}});
        QVERIFY(chat.isReady());
        if (!isBuilt(chat.window))
            QSKIP("The window builds its participant models and takes drops once its structure is in.");
        auto* page = new Models::Chat::MessageModel(chat.signedIn.session()->contactsManager(), true, chat.window);
        chat.window->setMessageModel(page);
        page->pageLoadFinished();
        QCoreApplication::processEvents();
        QTemporaryDir folder;
        QStringList paths;
        for (const QString& file : files) {
            QFile made(folder.filePath(file));
            QVERIFY(made.open(QIODevice::WriteOnly));
            made.write("data");
            paths.append(made.fileName());
        }
        std::unique_ptr<QMimeData> data = filesData(paths);
        QVERIFY(dragEnter(chat.window, data.get()));

        QSignalSpy offered(chat.transfersWithBob(), &Kivo::Models::FTModel::newFTAdded);
        QSignalSpy shown(page, qOverload<QVariant, QVariant>(&Models::Chat::MessageModel::messageAdded));
        QSignalSpy dropped(chat.window.data(), &CommunicationsWindow::dropped);
        drop(chat.window, data.get());
        QCOMPARE(dropped.count(), 1);
        QTRY_COMPARE(offered.count(), sent.size());
        QStringList names;
        for (const QList<QVariant>& arguments : qAsConst(offered))
            names.append(arguments.first().value<Kivo::Data::FTAdapter*>()->getFileName());
        QCOMPARE(names, sent);
        QCOMPARE(env.logs().count("Rejected sending of the file "), files.size() - sent.size());
        if (!chat.window->property("messageModel").value<QObject*>())
            QSKIP("The chat page's notice comes with the conversation wiring.");
        int noticesShown = 0;
        for (const QList<QVariant>& arguments : qAsConst(shown))
            noticesShown += arguments.first().toString().contains("Type of selected file(s) is not allowed to be sent.");
        QCOMPARE(noticesShown, notices);
    }

    void dragsAreRefusedWhereTheyCannotLand_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("contact");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("files on a chat") << int(Kind::Chat) << false << true;
        QTest::newRow("files on a call without chat") << int(Kind::AnsweredCall) << false << false;
        QTest::newRow("contact on a chat") << int(Kind::Chat) << true << true;
        QTest::newRow("contact on a call still ringing") << int(Kind::RingingCall) << true << false;
    }

    void dragsAreRefusedWhereTheyCannotLand()
    {
        QFETCH(int, kind);
        QFETCH(bool, contact);
        QFETCH(bool, accepted);
        TestSupport::Environment env;
        Conversation conversation{Kind(kind)};
        QVERIFY(conversation.isReady());
        if (!isBuilt(conversation.window))
            QSKIP("The window builds its participant models and takes drops once its structure is in.");
        QTemporaryDir folder;
        std::unique_ptr<QMimeData> data = contact ? contactData("2") : filesData({folder.filePath("plan.pdf")});
        QCOMPARE(dragEnter(conversation.window, data.get()), accepted);
        std::unique_ptr<QMimeData> text = std::make_unique<QMimeData>();
        text->setText("plain words");
        QVERIFY(!dragEnter(conversation.window, text.get()));
    }

    void droppedContactJoinsTheConversation()
    {
        TestSupport::Environment env;
        Conversation chat(Kind::Chat);
        QVERIFY(chat.isReady());
        if (!isBuilt(chat.window))
            QSKIP("The window builds its participant models and takes drops once its structure is in.");
        QSignalSpy created(chat.signedIn.comms(), &Kivo::Controllers::CommsSessionController::sessionCreated);
        QSignalSpy dropped(chat.window.data(), &CommunicationsWindow::dropped);
        std::unique_ptr<QMimeData> data = contactData("2");
        QVERIFY(dragEnter(chat.window, data.get()));
        drop(chat.window, data.get());
        QCOMPARE(dropped.count(), 1);
        // The chat with Bob grows into a group chat with Chiara.
        QTRY_COMPARE(created.count(), 1);
        CommunicationSession* group = Fixture::nextSession(created);
        QTRY_VERIFY(group->getParticipants()->participant(Fixture::Chiara));
    }

    void sendFileChoosesTheFileToOffer()
    {
        TestSupport::Environment env;
        Conversation chat(Kind::Chat);
        QVERIFY(chat.isReady());
        QTemporaryDir folder;
        QFile file(folder.filePath("notes.txt"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("minutes") > 0);
        file.close();
        QSignalSpy offered(chat.window.data(), &CommunicationsWindow::startFileTransfer);

        // The engine's "Send File", as the footer's button triggers it, asks for the file.
        auto* actions = qobject_cast<Kivo::Actions::Provider*>(chat.window->property("actionsProvider").value<QAbstractItemModel*>());
        QVERIFY(actions);
        Kivo::Actions::Action* sendFile = actions->getActionById(Kivo::Actions::Action::FileTransfer);
        QVERIFY(sendFile && sendFile->isEnabled());
        sendFile->activate();
        QTRY_VERIFY(openChooser());
        QFileDialog* chooser = openChooser();
        QCOMPARE(chooser->acceptMode(), QFileDialog::AcceptOpen);
        chooser->setDirectory(folder.path());
        chooser->findChild<QLineEdit*>("fileNameEdit")->setText("notes.txt");
        static_cast<QDialog*>(chooser)->accept();
        QTRY_COMPARE(offered.count(), 1);
        QCOMPARE(offered.first().at(0).value<Kivo::Controllers::ChatInterface*>(), chat.session->getChat());
        QCOMPARE(offered.first().at(1).toString(), file.fileName());

        // A cancelled choice sends nothing.
        sendFile->activate();
        QTRY_VERIFY(openChooser());
        openChooser()->reject();
        QTRY_VERIFY(!openChooser());
        QCOMPARE(offered.count(), 1);
    }

    void saveDialogOpensInTheLastFolder()
    {
        TestSupport::Environment env;
        Conversation chat(Kind::Chat);
        QVERIFY(chat.isReady());
        QSignalSpy offers(chat.transfersWithBob(), &Kivo::Models::FTModel::newFTAdded);
        QVERIFY(Fixture::control().injectFileOffer(Fixture::Bob, "report.pdf", 2048) > 0);
        QVERIFY(Fixture::control().injectFileOffer(Fixture::Bob, "slides.pdf", 4096) > 0);
        QTRY_COMPARE(offers.count(), 2);
        QTemporaryDir folder;

        auto* report = offers.at(0).first().value<Kivo::Data::FTAdapter*>();
        QMetaObject::invokeMethod(chat.window, "askSaveLocation", Q_ARG(Kivo::Data::FTAdapter*, report));
        QTRY_VERIFY(openChooser());
        QFileDialog* chooser = openChooser();
        QCOMPARE(QDir(chooser->directory()).absolutePath(), QDir::home().absolutePath());
        QCOMPARE(chooser->acceptMode(), QFileDialog::AcceptSave);
        chooser->setDirectory(folder.path());
        chooser->findChild<QLineEdit*>("fileNameEdit")->setText("report.pdf");
        static_cast<QDialog*>(chooser)->accept();
        // The offer is received where the user chose.
        QTRY_COMPARE(report->getFilePath(), QDir(folder.path()).filePath("report.pdf"));

        QMetaObject::invokeMethod(chat.window, "askSaveLocation",
                                  Q_ARG(Kivo::Data::FTAdapter*, offers.at(1).first().value<Kivo::Data::FTAdapter*>()));
        QTRY_VERIFY(openChooser());
        QCOMPARE(QDir(openChooser()->directory()).absolutePath(), QDir(folder.path()).absolutePath());
        openChooser()->reject();
        QTRY_VERIFY(!openChooser());
    }

    void prohibitedTypesAreListed_data()
    {
        QTest::addColumn<QVariant>("configured");
        QTest::addColumn<QString>("text");
        QTest::newRow("none") << QVariant() << "Following file types are not allowed\n\n";
        QTest::newRow("two") << QVariant("exe, bat") << "Following file types are not allowed\n\nexe, bat";
    }

    void prohibitedTypesAreListed()
    {
        QFETCH(QVariant, configured);
        QFETCH(QString, text);
        TestSupport::Environment env;
        QHash<int, QVariant> items;
        if (configured.isValid())
            items.insert(ProhibitedFileTypes, configured);
        Conversation chat(Kind::Chat, items);
        QVERIFY(chat.isReady());
        QMetaObject::invokeMethod(chat.window, "showProhibitedExtensionsClicked");
        Dialogs::MessageWindow* box = nullptr;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* window = qobject_cast<Dialogs::MessageWindow*>(widget); window && window->isVisible())
                box = window;
        }
        QVERIFY(box);
        QCOMPARE(box->windowTitle(), QString("File Type Not Allowed"));
        QCOMPARE(box->findChild<QLabel*>("messageText")->text(), text);
        box->close();
    }
};

QTEST_MAIN(CommsWindowParticipantsTest)
#include "tst_comms_window_participants.moc"
