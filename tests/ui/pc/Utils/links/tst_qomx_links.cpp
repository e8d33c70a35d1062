// Links of the program's URL scheme reaching the whole running application: handed over by
// a second start, before and after sign-in, good and hostile.
#include "Dialogs/message_window.h"
#include "Utils/myroom_helper.h"
#include "support/application_test.h"

#include <Kivo/Client.h>
#include <Kivo/Controllers/CommsSessionController.h>
#include <Kivo/Simulation/Service.h>

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QtTest>

using Kivo::Simulation::Service;

namespace {

const QString BobRoom = QStringLiteral("bob@myroom.demo.telvarion.net");

QString link(const QString& items)
{
    return QString::fromLatin1(items.toLatin1().toBase64());
}

// The question a link that would call asks, while it shows.
Dialogs::MessageWindow* callQuestion()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* window = qobject_cast<Dialogs::MessageWindow*>(widget);
        if (window && window->isVisible() && window->windowTitle() == QLatin1String("Place a Call?"))
            return window;
    }
    return nullptr;
}

} // namespace

class QomxLinksTest : public TestSupport::ApplicationTest
{
    Q_OBJECT

public:
    using ApplicationTest::ApplicationTest;

private slots:
    void secondLinkBeforeSignInReplacesTheFirst();
    void hostileLinksAreRefused_data();
    void hostileLinksAreRefused();
    void invitationJoinsTheRoomThroughASecondStart();

private:
    // Hands `text` over as a second start does.
    void handOver(const QString& text) { emit m_App.messageReceived("--qomx:" + text); }
};

void QomxLinksTest::secondLinkBeforeSignInReplacesTheFirst()
{
    QSignalSpy chats(&service(), &Service::roomJoined);
    handOver(link("chat=\"first@conference.demo.telvarion.net\""));
    handOver(link("chat=\"" + BobRoom + '"'));

    signIn();

    QTRY_COMPARE(chats.count(), 1);
    QCOMPARE(chats.first().first().value<Kivo::Simulation::RoomRecord>().jid, BobRoom);
    QTest::qWait(3 * service().latency());
    QCOMPARE(chats.count(), 1);
}

void QomxLinksTest::hostileLinksAreRefused_data()
{
    QTest::addColumn<QString>("hostile");
    QTest::addColumn<QString>("logged");
    const QString whole = link("call=\"sip:+15550190@demo.telvarion.net\";chat=\"" + BobRoom
                               + "\";webcollab=\"https://collab.demo.telvarion.net/room/bob\"");
    QTest::newRow("empty") << QString() << "Link refused: it is not Base64";
    QTest::newRow("not Base64") << "%%not*base64%%" << "Link refused: it is not Base64";
    QTest::newRow("cut short") << whole.left(100) << "Link refused: it is cut short";
    QTest::newRow("1 MB") << QString(1024 * 1024, 'A') << "Link refused: 1048576 characters, more than 8192";
    QTest::newRow("control characters") << link("chat=\"" + BobRoom + "\r\n\"") << "Link refused: it holds control characters";
    QTest::newRow("names nothing known") << link("room=\"lobby\";owner=\"nobody\"")
                                         << "Link refused: it names no room and no room owner";
    QTest::newRow("an owner unknown to the service") << link("jid=\"nobody@demo.telvarion.net\"")
                                                     << "No room of nobody@demo.telvarion.net to join";
}

void QomxLinksTest::hostileLinksAreRefused()
{
    QFETCH(QString, hostile);
    QFETCH(QString, logged);
    QVERIFY(m_App.session());
    logs().clear();
    // The room is entered already after the first test: the controller's request is what counts.
    QSignalSpy chats(m_App.session()->commsSessionController(),
                     &Kivo::Controllers::CommsSessionController::myRoomSessionCreated);
    QSignalSpy calls(&service(), &Service::outgoingCall);

    handOver(hostile);

    QTRY_VERIFY(logs().contains(logged));
    QTest::qWait(3 * service().latency());
    QCOMPARE(chats.count(), 0);
    QCOMPARE(calls.count(), 0);
    // The next good link still joins.
    handOver(link("chat=\"" + BobRoom + '"'));
    QTRY_COMPARE(chats.count(), 1);
}

void QomxLinksTest::invitationJoinsTheRoomThroughASecondStart()
{
    signOut();
    signIn(QStringLiteral("bob@demo.telvarion.net"), QStringLiteral("Demo-5678"));
    Utils::MyRoomHelper(m_App.session(), nullptr).copyInvitation();
    const QString html = QGuiApplication::clipboard()->mimeData()->html();
    const QRegularExpressionMatch anchor = QRegularExpression(QStringLiteral("href=\"(qomx:[^\"]+)\"")).match(html);
    QVERIFY2(anchor.hasMatch(), qPrintable(html));
    const QString invitationLink = anchor.captured(1);
    signOut();
    signIn();
    QSignalSpy joined(m_App.session()->commsSessionController(),
                      &Kivo::Controllers::CommsSessionController::myRoomSessionCreated);
    QSignalSpy calls(&service(), &Service::outgoingCall);

    // As the desktop starts the program for a clicked link; this process answers the hand-over
    // from its event loop meanwhile.
    QProcess second;
    second.setProcessChannelMode(QProcess::ForwardedChannels);
    QSignalSpy finished(&second, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished));
    second.start(QStringLiteral(TEST_PROGRAM), {"--" + invitationLink});
    QVERIFY(finished.wait(30000));
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);

    // The invitation dials into the room: asked first, and answered.
    Dialogs::MessageWindow* question = nullptr;
    QTRY_VERIFY_WITH_TIMEOUT((question = callQuestion()), 10000);
    QCOMPARE(joined.count(), 0);
    QCOMPARE(calls.count(), 0);
    QPushButton* callButton = question->findChild<QPushButton*>("callButton");
    QVERIFY(callButton);
    QTest::mouseClick(callButton, Qt::LeftButton);

    QTRY_COMPARE_WITH_TIMEOUT(joined.count(), 1, 10000);
    const QString call = QStringLiteral("sip:+15550190@demo.telvarion.net;580231#;9753#");
    const QString collaboration = QStringLiteral("https://collab.demo.telvarion.net/room/bob");
    QCOMPARE(QString::fromLatin1(QByteArray::fromBase64(invitationLink.mid(5).toLatin1())),
             "call=\"" + call + "\";chat=\"" + BobRoom + "\";webcollab=\"" + collaboration
                 + "\";jid=\"bob@demo.telvarion.net\"");
    QCOMPARE(joined.first(), QVariantList({call, BobRoom, collaboration}));
    QTRY_COMPARE(calls.count(), 1);
    QCOMPARE(calls.first().at(1).toString(), call);
    QTest::qWait(3 * service().latency());
    QCOMPARE(joined.count(), 1);
}

int main(int argc, char** argv)
{
    return TestSupport::execApplicationTest<QomxLinksTest>(argc, argv);
}

#include "tst_qomx_links.moc"
