// The whole program signed in on a service whose names, notes, rooms and messages are
// markup that would fetch from a local web server: every scene and label the user walks
// through shows them as text, and the server hears nothing.
#include "journey/user.h"

#include "Dialogs/message_window.h"

#include "libqml/components/blf_window/blf_window.h"
#include "libqml/components/communications_window/communications_window.h"
#include "libqml/components/contactmouseover/contact_mouse_over.h"
#include "libqml/components/mainwindow/main_window.h"
#include "libqml/components/notifications/communication_notification.h"
#include "support/application_test.h"
#include "support/shown_windows.h"
#include "ui/pc/libqml/scene_items.h"

#include <Kivo/Controllers/CommunicationSession.h>
#include <Kivo/Simulation/Control.h>
#include <Kivo/Simulation/Service.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QPushButton>
#include <QPointer>
#include <QQmlContext>
#include <QQuickItem>
#include <QQuickWidget>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTextDocument>
#include <QtTest>

using Journey::User;

namespace {

constexpr const char* Bob = "bob@demo.telvarion.net";
constexpr const char* Chiara = "chiara@demo.telvarion.net";

// What the rich-text engines would make of a text shown in that format: QQuickText's
// StyledText, RichText and Markdown, and AutoText once the text looks like markup.
bool readAsMarkup(int format, const QString& text)
{
    constexpr int PlainText = 0;
    constexpr int AutoText = 2;
    return format != PlainText && (format != AutoText || Qt::mightBeRichText(text));
}

} // namespace

class HostileTextTest : public TestSupport::ApplicationTest
{
    Q_OBJECT

public:
    using ApplicationTest::ApplicationTest;

private slots:
    void initTestCase();
    void signsInOnAServiceOfHostileTexts();
    void mainWindowsViewsShowThemAsText();
    void hoverCardShowsThemAsText();
    void teamWindowShowsThemAsText();
    void incomingCallAndItsWindowShowThemAsText();
    void chatPopupShowsTheMessageAsText();
    void groupRemovalNamesTheGroupAsText();
    void cleanupTestCase();

private:
    // Markup with the item's label, which the local server would be asked for if it were
    // read; its bold label comes first, as a name cut short keeps its beginning.
    QString hostile(const QString& label) const
    {
        return QStringLiteral("<b>%2</b><img src=\"%1/%2.png\"> <a href=\"%1/a\">link</a> <font color=red>red</font>")
            .arg(m_Origin, label);
    }
    static bool isHostile(const QString& text) { return text.contains(QLatin1String("</b>")); }

    // Every text of every shown window: the scenes' Text and TextEdit items and the widgets'
    // labels. Fails on any that reads a hostile text as markup, and unless `window` shows at
    // least one hostile text.
    void checkShownTexts(QWidget* window);
    void scanScene(QQuickItem* item, const QString& where, int& hostileShown, QStringList& asMarkup) const;

    QML::MainWindow* mainWindow() const
    {
        QML::MainWindow* main = m_App.mainWindow();
        return main && main->isVisible() ? main : nullptr;
    }

    QTcpServer m_Server;
    QString m_Origin;
    QStringList m_Requests;
};

void HostileTextTest::initTestCase()
{
    ApplicationTest::initTestCase();
    QVERIFY(m_Server.listen(QHostAddress::LocalHost));
    m_Origin = QStringLiteral("http://127.0.0.1:%1").arg(m_Server.serverPort());
    connect(&m_Server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* socket = m_Server.nextPendingConnection()) {
            m_Requests << QStringLiteral("a connection");
            connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                m_Requests.last() = QString::fromLatin1(socket->readLine()).trimmed();
            });
        }
    });
    service().setLatency(1);
}

void HostileTextTest::signsInOnAServiceOfHostileTexts()
{
    QFile demo(QStringLiteral(":/kivo/demo_account.json"));
    QVERIFY(demo.open(QIODevice::ReadOnly));
    QJsonObject document = QJsonDocument::fromJson(demo.readAll()).object();
    QJsonArray accounts = document.value("accounts").toArray();
    QJsonObject alice = accounts.first().toObject();
    alice["displayName"] = hostile("own");
    QJsonArray contacts;
    int n = 0;
    for (const QJsonValue& value : alice.value("contacts").toArray()) {
        QJsonObject contact = value.toObject();
        const QString id = QString::number(++n);
        contact["name"] = hostile("name" + id);
        contact["note"] = hostile("note" + id);
        if (!contact.value("group").toString().isEmpty())
            contact["group"] = hostile("group" + contact.value("group").toString());
        QJsonObject location = contact.value("location").toObject();
        location["city"] = hostile("city" + id);
        contact["location"] = location;
        QJsonArray devices;
        for (const QJsonValue& device : contact.value("devices").toArray()) {
            QJsonObject changed = device.toObject();
            changed["note"] = hostile("device" + id);
            devices.append(changed);
        }
        contact["devices"] = devices;
        contacts.append(contact);
    }
    alice["contacts"] = contacts;
    QJsonArray rooms;
    for (const QJsonValue& value : alice.value("rooms").toArray()) {
        QJsonObject room = value.toObject();
        const QString id = QString::number(rooms.size() + 1);
        room["name"] = hostile("room" + id);
        room["subject"] = hostile("subject" + id);
        rooms.append(room);
    }
    alice["rooms"] = rooms;
    QJsonArray conversations;
    for (const QJsonValue& value : alice.value("conversations").toArray()) {
        QJsonObject conversation = value.toObject();
        QJsonArray messages;
        for (const QJsonValue& message : conversation.value("messages").toArray()) {
            QJsonObject changed = message.toObject();
            changed["text"] = hostile("message" + QString::number(messages.size() + 1));
            messages.append(changed);
        }
        conversation["messages"] = messages;
        conversations.append(conversation);
    }
    alice["conversations"] = conversations;
    accounts[0] = alice;
    document["accounts"] = accounts;
    QString error;
    QVERIFY2(service().load(QJsonDocument(document).toJson(), &error), qPrintable(error));
    service().setLatency(1);

    signIn();
}

void HostileTextTest::mainWindowsViewsShowThemAsText()
{
    QML::MainWindow* main = mainWindow();
    QVERIFY(main);
    QVERIFY(User::activate(main));
    const QString firstContact = "contact_" + hostile("name1");
    QTRY_VERIFY(User::item(main, firstContact));
    checkShownTexts(main);

    QVERIFY(User::click(main, "historyViewButton"));
    QTRY_VERIFY(User::item(main, "historyEntry0"));
    checkShownTexts(main);

    QVERIFY(User::click(main, "roomsViewButton"));
    QTRY_VERIFY(User::item(main, "room_" + hostile("room1")));
    checkShownTexts(main);

    QVERIFY(User::click(main, "contactsViewButton"));
    QTRY_VERIFY(User::item(main, firstContact));
}

void HostileTextTest::hoverCardShowsThemAsText()
{
    QML::MainWindow* main = mainWindow();
    QVERIFY(main);
    QVERIFY(User::activate(main));
    const QString chiara = "contact_" + hostile("name2");
    QTRY_VERIFY(User::item(main, chiara));
    QVERIFY(User::hover(main, chiara));
    QPointer<QML::ContactMouseOver> card;
    QTRY_VERIFY((card = TestSupport::shownWindows<QML::ContactMouseOver>().value(0)));
    checkShownTexts(card);
    QVERIFY(User::click(main, chiara));
    QTRY_VERIFY(TestSupport::shownWindows<QML::ContactMouseOver>().isEmpty());
}

void HostileTextTest::teamWindowShowsThemAsText()
{
    QPointer<QML::BlfWindow> team;
    QTRY_VERIFY((team = TestSupport::shownWindows<QML::BlfWindow>().value(0)));
    QTRY_VERIFY(SceneItems::find(team->view()->rootObject(), [](const QQuickItem* item) {
        return item->objectName().startsWith("blfRow") && item->property("rowContact").value<QObject*>();
    }));
    checkShownTexts(team);
}

void HostileTextTest::incomingCallAndItsWindowShowThemAsText()
{
    Kivo::Simulation::Control control(service());
    const int call = control.injectIncomingCall(Bob);
    QVERIFY(call);
    QPointer<QML::CommunicationNotification> popup;
    QTRY_VERIFY((popup = TestSupport::shownWindows<QML::CommunicationNotification>().value(0)));
    QTRY_VERIFY(SceneItems::named(popup->rootObject(), "answerAudioButton"));
    checkShownTexts(popup);

    SceneItems::click(popup, SceneItems::named(popup->rootObject(), "answerAudioButton"));
    QPointer<QML::CommunicationsWindow> window;
    QTRY_VERIFY((window = TestSupport::shownWindows<QML::CommunicationsWindow>().value(0)));
    QTRY_COMPARE(User::paneText(window, "callStatus"), QString("In call"));
    checkShownTexts(window);

    // The caller hangs up; the window goes with the call.
    QVERIFY(control.injectRemoteHangUp(call));
    QTRY_VERIFY(!window);
}

void HostileTextTest::chatPopupShowsTheMessageAsText()
{
    Kivo::Simulation::Control control(service());
    QVERIFY(control.injectChatMessage(Chiara, hostile("incoming")));
    QPointer<QML::CommunicationNotification> popup;
    QTRY_VERIFY((popup = TestSupport::shownWindows<QML::CommunicationNotification>().value(0)));
    QTRY_VERIFY(SceneItems::named(popup->rootObject(), "message")->property("text").toString().contains(m_Origin));
    checkShownTexts(popup);
    SceneItems::click(popup, SceneItems::named(popup->rootObject(), "ignoreButton"));
    QTRY_VERIFY(!popup || !popup->isVisible());
}

void HostileTextTest::groupRemovalNamesTheGroupAsText()
{
    QML::MainWindow* main = mainWindow();
    QVERIFY(main);
    QVERIFY(User::activate(main));
    const QString team = hostile("groupTeam");
    QTRY_VERIFY(User::item(main, "group_" + team));
    QVERIFY(User::rightClick(main, "group_" + team));
    QVERIFY(User::choose({"Remove " + team}));
    QPointer<Dialogs::MessageWindow> question;
    const auto confirmation = [] {
        for (Dialogs::MessageWindow* shown : TestSupport::shownWindows<Dialogs::MessageWindow>()) {
            if (shown->windowTitle() == QLatin1String("Confirm Deletion"))
                return shown;
        }
        return static_cast<Dialogs::MessageWindow*>(nullptr);
    };
    QTRY_VERIFY((question = confirmation()));
    checkShownTexts(question);
    QVERIFY(User::activate(question));
    for (QPushButton* button : question->findChildren<QPushButton*>()) {
        if (button->text() == QLatin1String("Cancel"))
            QTest::mouseClick(button, Qt::LeftButton);
    }
    QTRY_VERIFY(!question);
    QVERIFY(User::item(main, "group_" + team));
}

void HostileTextTest::cleanupTestCase()
{
    // What a rich text would have asked for arrives over the event loop.
    QTest::qWait(200);
    QVERIFY2(m_Requests.isEmpty(), qPrintable(m_Requests.join(", ")));
    ApplicationTest::cleanupTestCase();
}

void HostileTextTest::scanScene(QQuickItem* item, const QString& where, int& hostileShown, QStringList& asMarkup) const
{
    if (item->inherits("QQuickText") || item->inherits("QQuickTextEdit")) {
        const QString text = item->property("text").toString();
        if (isHostile(text)) {
            ++hostileShown;
            if (readAsMarkup(item->property("textFormat").toInt(), text)) {
                const QQmlContext* context = qmlContext(item);
                asMarkup << QStringLiteral("%1: %2 of %3 (\"%4\")")
                                .arg(where, QString::fromLatin1(item->metaObject()->className()),
                                     context ? context->baseUrl().fileName() : QStringLiteral("?"), text.left(60));
            }
        }
    }
    for (QQuickItem* child : item->childItems())
        scanScene(child, where, hostileShown, asMarkup);
}

void HostileTextTest::checkShownTexts(QWidget* window)
{
    QVERIFY(window && window->isVisible());
    // The frames drawn, as the user sees them: images of a rich text are asked for by then.
    QList<QQuickWidget*> scenes = window->findChildren<QQuickWidget*>();
    if (auto* scene = qobject_cast<QQuickWidget*>(window))
        scenes << scene;
    for (QQuickWidget* scene : qAsConst(scenes)) {
        if (scene->isVisible())
            static_cast<void>(scene->grabFramebuffer());
    }
    QCoreApplication::processEvents();

    int hostileInWindow = 0;
    QStringList asMarkup;
    for (QWidget* shown : QApplication::topLevelWidgets()) {
        if (!shown->isVisible())
            continue;
        const QString where = shown->metaObject()->className();
        int hostileShown = 0;
        QList<QQuickWidget*> scenes = shown->findChildren<QQuickWidget*>();
        if (auto* scene = qobject_cast<QQuickWidget*>(shown))
            scenes << scene;
        for (QQuickWidget* scene : qAsConst(scenes)) {
            if (scene->rootObject())
                scanScene(scene->rootObject(), where + '/' + scene->objectName(), hostileShown, asMarkup);
        }
        QList<QLabel*> labels = shown->findChildren<QLabel*>();
        if (auto* label = qobject_cast<QLabel*>(shown))
            labels << label;
        for (const QLabel* label : qAsConst(labels)) {
            if (!isHostile(label->text()))
                continue;
            ++hostileShown;
            if (readAsMarkup(label->textFormat(), label->text()))
                asMarkup << QStringLiteral("%1: label %2 (\"%3\")").arg(where, label->objectName(), label->text().left(60));
        }
        if (shown == window)
            hostileInWindow = hostileShown;
    }
    QVERIFY2(asMarkup.isEmpty(), qPrintable("Read as markup:\n" + asMarkup.join('\n')));
    QVERIFY2(hostileInWindow > 0, qPrintable(QString("%1 shows no hostile text").arg(window->metaObject()->className())));
    QVERIFY2(m_Requests.isEmpty(), qPrintable(m_Requests.join(", ")));
}

int main(int argc, char** argv)
{
    return TestSupport::execApplicationTest<HostileTextTest>(argc, argv);
}

#include "tst_hostile_text.moc"
