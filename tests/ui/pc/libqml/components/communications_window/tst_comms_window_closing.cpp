#include "../../qml_test_setup.h"
#include "comms_window_fixture.h"
#include "Dialogs/message_window.h"
#include "support/shown_windows.h"

#include <QPushButton>
#include <QtTest>

using Kivo::Controllers::CommunicationSession;
using QML::CommunicationsWindow;

namespace {

QList<Dialogs::MessageWindow*> questions()
{
    return TestSupport::shownWindows<Dialogs::MessageWindow>();
}

bool answer(const QString& text)
{
    const QList<Dialogs::MessageWindow*> shown = questions();
    if (shown.size() != 1)
        return false;
    for (QPushButton* button : shown.first()->findChildren<QPushButton*>()) {
        if (button->text().remove('&') == text && button->isVisible()) {
            QTest::mouseClick(button, Qt::LeftButton);
            return true;
        }
    }
    return false;
}

} // namespace

class CommsWindowClosingTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QmlTestSetup::prepare(); }

    void aChatClosesWithoutAQuestion()
    {
        Conversation chat(Conversation::Chat);
        QVERIFY(chat.isReady());
        QVERIFY(chat.showWindow());
        QVERIFY(chat.window->close());
        QVERIFY(questions().isEmpty());
        QTRY_VERIFY(!chat.window);
        QTRY_VERIFY(!chat.session);
    }

    void closingDuringACallAsksOnceEachTime()
    {
        Conversation call(Conversation::AudioCall);
        QVERIFY(call.isReady());
        QVERIFY(call.showWindow());

        // One question, however often the user tries while it is up.
        QVERIFY(!call.window->close());
        QVERIFY(!call.window->close());
        QTRY_COMPARE(questions().size(), 1);
        QCOMPARE(questions().first()->windowTitle(), QString("Warning - End Call?"));

        // No keeps everything.
        QVERIFY(answer("No"));
        QTRY_VERIFY(questions().isEmpty());
        QVERIFY(call.window && call.window->isVisible());
        QVERIFY(call.session && call.session->callActive());

        // A later close asks again; Yes ends the call and the window.
        QVERIFY(!call.window->close());
        QTRY_COMPARE(questions().size(), 1);
        QVERIFY(answer("Yes"));
        QTRY_VERIFY(!call.window);
        QTRY_VERIFY(!call.session || !call.session->callActive());
    }

    void helpContextNamesWhatTheWindowShows()
    {
        Conversation chat(Conversation::Chat);
        QVERIFY(chat.isReady());
        QCOMPARE(chat.window->helpContext(), QString("comm|chat"));
        Conversation call(Conversation::AudioCall);
        QVERIFY(call.isReady());
        QCOMPARE(call.window->helpContext(), QString("comm|call"));
        QVERIFY(call.showWindow());
        call.session->close();
        QTRY_VERIFY(!call.session);
        // A window whose conversation is gone has nothing but itself to name.
        if (call.window)
            QCOMPARE(call.window->helpContext(), QString("comm"));
    }
};

QTEST_MAIN(CommsWindowClosingTest)
#include "tst_comms_window_closing.moc"
