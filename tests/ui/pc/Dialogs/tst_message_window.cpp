#include "Dialogs/message_window.h"
#include "Utils/windowmanager.h"
#include "libqml/utils/style.h"

#include <Kivo/Settings.h>

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>
#include <QtTest>

#include <functional>

using Dialogs::MessageWindow;
using Button = QDialogButtonBox::StandardButton;

namespace {

// Marks every text of the message window's context, so that a language change shows.
class MarkingTranslator : public QTranslator
{
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* sourceText, const char* = nullptr, int = -1) const override
    {
        if (QByteArray(context) == "Dialogs::MessageWindow")
            return QString::fromUtf8(sourceText) + " (de)";
        return QString();
    }
};

MessageWindow* shownMessageWindow()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* window = qobject_cast<MessageWindow*>(widget);
        if (window && window->isVisible())
            return window;
    }
    return nullptr;
}

// Runs the action once the blocking call under test shows its window.
void whenShown(std::function<void(MessageWindow*)> action)
{
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, action] {
        if (MessageWindow* window = shownMessageWindow()) {
            poll->stop();
            poll->deleteLater();
            action(window);
        }
    });
    poll->start(0);
}

QAbstractButton* buttonOf(MessageWindow* window, Button which)
{
    return window->findChild<QDialogButtonBox*>("buttonBox")->button(which);
}

} // namespace

class TestMessageWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void neverAskAgainSignalPairs_data();
    void neverAskAgainSignalPairs();
    void closingByFrameEmitsOnlyClosed();
    void formNamesAndTexts();
    void looksLikeTheProgram();
    void focusNeverChangesTheButtonsColours();
    void modalCannotMinimize();
    void showInformationWaitsForDelay();
    void blockingReportsClickedButton();
    void blockingClosedWithoutButton_data();
    void blockingClosedWithoutButton();
    void blockingSurvivesDeletedWindow_data();
    void blockingSurvivesDeletedWindow();
    void customButtonAndFocus();
    void languageChangeRetranslates();

private:
    QTemporaryDir m_Dir;
};

void TestMessageWindow::initTestCase()
{
    QVERIFY(m_Dir.isValid());
    for (auto type : {Kivo::Settings::UserSettings, Kivo::Settings::ApplicationSettings,
                      Kivo::Settings::DefaultSettings, Kivo::Settings::MediaSettings})
        Kivo::Settings::setPath(type, m_Dir.path());
}

void TestMessageWindow::cleanup()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (qobject_cast<MessageWindow*>(widget))
            delete widget;
    }
}

void TestMessageWindow::neverAskAgainSignalPairs_data()
{
    QTest::addColumn<bool>("checked");
    QTest::addColumn<int>("button");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("yes, never ask") << true << int(QDialogButtonBox::Yes) << true;
    QTest::newRow("no, never ask") << true << int(QDialogButtonBox::No) << false;
    QTest::newRow("yes, ask again") << false << int(QDialogButtonBox::Yes) << true;
    QTest::newRow("cancel, ask again") << false << int(QDialogButtonBox::Cancel) << false;
}

void TestMessageWindow::neverAskAgainSignalPairs()
{
    QFETCH(bool, checked);
    QFETCH(int, button);
    QFETCH(bool, accepted);

    QPointer<MessageWindow> window = MessageWindow::showQuestion(
        "Remove", "Remove the contact?", false,
        QDialogButtonBox::Yes | QDialogButtonBox::No | QDialogButtonBox::Cancel, true, false);
    QSignalSpy acceptedSpy(window, &MessageWindow::messageAccepted);
    QSignalSpy rejectedSpy(window, &MessageWindow::messageRejected);
    QSignalSpy bothSpy(window, &MessageWindow::accepted);
    QSignalSpy closedSpy(window, &MessageWindow::closed);

    auto* box = window->findChild<QCheckBox*>("newerAskAgain");
    QVERIFY(box && box->isVisible() && !box->isChecked());
    box->setChecked(checked);
    QCOMPARE(window->neverAskAgain(), checked);
    buttonOf(window, Button(button))->click();

    QSignalSpy& expected = accepted ? acceptedSpy : rejectedSpy;
    QCOMPARE(expected.count(), 1);
    QCOMPARE(expected.first().at(0).toBool(), checked);
    QCOMPARE((accepted ? rejectedSpy : acceptedSpy).count(), 0);
    QCOMPARE(bothSpy.count(), 1);
    QCOMPARE(bothSpy.first().at(0).toBool(), accepted);
    QCOMPARE(bothSpy.first().at(1).toBool(), checked);
    QCOMPARE(closedSpy.count(), 1);
    // Non-blocking windows keep no clicked-button record, and go away once closed.
    QVERIFY(!MessageWindow::hasClickedButton(window));
    QTRY_VERIFY(window.isNull());
}

void TestMessageWindow::closingByFrameEmitsOnlyClosed()
{
    MessageWindow* window = MessageWindow::showWarning("Warning", "Something happened", false);
    QSignalSpy acceptedSpy(window, &MessageWindow::accepted);
    QSignalSpy closedSpy(window, &MessageWindow::closed);
    QVERIFY(!window->findChild<QCheckBox*>("newerAskAgain")->isVisible());
    window->close();
    QCOMPARE(closedSpy.count(), 1);
    QCOMPARE(acceptedSpy.count(), 0);
}

void TestMessageWindow::formNamesAndTexts()
{
    const QList<QPair<Button, QString>> texts = {
        {QDialogButtonBox::Ok, "OK"},          {QDialogButtonBox::Open, "Open"},
        {QDialogButtonBox::Save, "Save"},      {QDialogButtonBox::Cancel, "Cancel"},
        {QDialogButtonBox::Close, "Close"},    {QDialogButtonBox::Discard, "Discard"},
        {QDialogButtonBox::Apply, "Apply"},    {QDialogButtonBox::Reset, "Reset"},
        {QDialogButtonBox::RestoreDefaults, "Restore Defaults"},
        {QDialogButtonBox::Help, "Help"},      {QDialogButtonBox::SaveAll, "Save All"},
        {QDialogButtonBox::Yes, "Yes"},        {QDialogButtonBox::YesToAll, "Yes to All"},
        {QDialogButtonBox::No, "No"},          {QDialogButtonBox::NoToAll, "No to All"},
        {QDialogButtonBox::Abort, "Abort"},    {QDialogButtonBox::Retry, "Retry"},
        {QDialogButtonBox::Ignore, "Ignore"},
    };
    QDialogButtonBox::StandardButtons allButtons;
    for (const auto& entry : texts)
        allButtons |= entry.first;
    MessageWindow window(nullptr, "Title", "Body", false, allButtons, false, false, false);
    QCOMPARE(window.windowTitle(), QString("Title"));
    QCOMPARE(window.findChild<QLabel*>("messageText")->text(), QString("Body"));
    QCOMPARE(window.dialog()->objectName(), QString("messageWindowDialog"));
    QCOMPARE(window.dialog()->minimumSize(), QSize(350, 0));
    QCOMPARE(window.dialog()->parentWidget(), static_cast<QWidget*>(&window));
    QVERIFY(window.findChild<QPushButton*>("noButton"));
    QVERIFY(window.findChild<QPushButton*>("cancelButton"));
    for (const auto& entry : texts)
        QVERIFY2(buttonOf(&window, entry.first) && buttonOf(&window, entry.first)->text() == entry.second, qPrintable(entry.second));
}

void TestMessageWindow::looksLikeTheProgram()
{
    QML::Style style(nullptr);
    MessageWindow* shown = MessageWindow::showCritical("Invalid User", "Authentication failed", false);
    // No empty picture slot pushes the text aside; the platform's stock pictures stay off the buttons.
    QVERIFY(!shown->findChild<QLabel*>("icon")->isVisible());
    QAbstractButton* ok = buttonOf(shown, QDialogButtonBox::Ok);
    QVERIFY(ok->icon().isNull());
    // The brand's colours and font, filled in from the style.
    const QString css = shown->styleSheet();
    QVERIFY(css.contains(style.color("defaultButton").name(), Qt::CaseInsensitive));
    QVERIFY(css.contains(style.fontFamily().toString()));
    QVERIFY(!css.contains("%%"));
    QCOMPARE(ok->palette().color(QPalette::Button).name(), style.color("defaultButton").name());
    delete shown;
}

void TestMessageWindow::focusNeverChangesTheButtonsColours()
{
    QML::Style style(nullptr);
    // The same question twice, the focus once on Yes and once on No: each button has the
    // same face in both boxes.
    QColor faces[2][2];
    for (int box = 0; box < 2; ++box) {
        MessageWindow* shown = MessageWindow::showQuestion("Remove", "Remove the contact?", false);
        QVERIFY(QTest::qWaitForWindowExposed(shown));
        shown->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(shown));
        QAbstractButton* yes = buttonOf(shown, QDialogButtonBox::Yes);
        QAbstractButton* no = buttonOf(shown, QDialogButtonBox::No);
        (box == 0 ? yes : no)->setFocus();
        QTRY_VERIFY((box == 0 ? yes : no)->hasFocus());
        faces[box][0] = yes->grab().toImage().pixelColor(6, yes->height() / 2);
        faces[box][1] = no->grab().toImage().pixelColor(6, no->height() / 2);
        delete shown;
    }
    QCOMPARE(faces[0][0].name(), style.color("defaultButton").name());
    QCOMPARE(faces[1][0].name(), faces[0][0].name());
    QCOMPARE(faces[1][1].name(), faces[0][1].name());
}

void TestMessageWindow::modalCannotMinimize()
{
    MessageWindow* free = MessageWindow::showQuestion("Q", "Free?", false, QDialogButtonBox::Yes, false, false);
    QVERIFY(free->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!free->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QCOMPARE(free->windowModality(), Qt::NonModal);
    QVERIFY(!QApplication::activeModalWidget());

    MessageWindow* modal = MessageWindow::showQuestion("Q", "Modal?", false, QDialogButtonBox::Yes, false, true);
    QVERIFY(!modal->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    QCOMPARE(modal->windowModality(), Qt::ApplicationModal);
    QCOMPARE(QApplication::activeModalWidget(), static_cast<QWidget*>(modal));
}

void TestMessageWindow::showInformationWaitsForDelay()
{
    MessageWindow* window = MessageWindow::showInformation("Info", "Later", false, 200);
    QVERIFY(!window->isVisible());
    QTRY_VERIFY(window->isVisible());
}

void TestMessageWindow::blockingReportsClickedButton()
{
    QPointer<MessageWindow> shown;
    whenShown([&shown](MessageWindow* window) {
        shown = window;
        buttonOf(window, QDialogButtonBox::Retry)->click();
    });
    Button clicked = QDialogButtonBox::NoButton;
    const int result = MessageWindow::information("Info", "Try again?", false,
                                                  QDialogButtonBox::Retry | QDialogButtonBox::Abort, &clicked);
    QCOMPARE(result, 1);
    QCOMPARE(clicked, QDialogButtonBox::Retry);
    QVERIFY(shown);
    QVERIFY(!MessageWindow::hasClickedButton(shown));

    whenShown([](MessageWindow* window) { buttonOf(window, QDialogButtonBox::No)->click(); });
    QCOMPARE(MessageWindow::question("Q", "Sure?", true, false, QDialogButtonBox::Yes | QDialogButtonBox::No,
                                     &clicked, QDialogButtonBox::No),
             0);
    QCOMPARE(clicked, QDialogButtonBox::No);
}

void TestMessageWindow::blockingClosedWithoutButton_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("frame") << "frame";
    QTest::newRow("sign-out") << "sign-out";
}

void TestMessageWindow::blockingClosedWithoutButton()
{
    QFETCH(QString, how);
    Utils::WindowManager manager;
    whenShown([&manager, how](MessageWindow* window) {
        if (how == "frame")
            window->close();
        else
            manager.cbSigningOut();
    });
    Button clicked = QDialogButtonBox::Ok;
    QCOMPARE(MessageWindow::warning("Warning", "Careful", false, QDialogButtonBox::Ok, &clicked), 0);
    QCOMPARE(clicked, QDialogButtonBox::NoButton);

    // A time-out ends the wait the same way.
    QCOMPARE(MessageWindow::informationWithTimeout("Info", "Going soon", 10, false), 0);
}

void TestMessageWindow::blockingSurvivesDeletedWindow_data()
{
    QTest::addColumn<bool>("sessionClosed");
    // Sign-out deletes the main window, and with it a message box that waits over it.
    QTest::newRow("parent deleted") << false;
    // A closed session deletes every managed window, a waiting message box among them.
    QTest::newRow("session closed") << true;
}

void TestMessageWindow::blockingSurvivesDeletedWindow()
{
    QFETCH(bool, sessionClosed);
    Utils::WindowManager manager;
    auto* mainWindow = new QWidget;
    mainWindow->show();
    QPointer<MessageWindow> waiting;
    whenShown([&](MessageWindow* window) {
        waiting = window;
        if (sessionClosed)
            manager.cbSessionClosed();
        else
            delete mainWindow;
    });
    Button clicked = QDialogButtonBox::Ok;
    const int result = MessageWindow::question("Q", "Still there?", false, false,
                                               QDialogButtonBox::Yes | QDialogButtonBox::No, &clicked,
                                               QDialogButtonBox::Yes, mainWindow);
    QCOMPARE(result, 0);
    QCOMPARE(clicked, QDialogButtonBox::NoButton);
    QTRY_VERIFY(waiting.isNull());
    QVERIFY(!shownMessageWindow());
    if (sessionClosed)
        delete mainWindow;
}

void TestMessageWindow::customButtonAndFocus()
{
    MessageWindow* window = MessageWindow::showQuestion("Q", "Join?", false, QDialogButtonBox::Cancel);
    QSignalSpy acceptedSpy(window, &MessageWindow::messageAccepted);
    QPushButton* join = window->addButton("Join", QDialogButtonBox::YesRole, true);
    QVERIFY(join->isDefault());
    QVERIFY(window->focusButton(QDialogButtonBox::Cancel));
    QVERIFY(!window->focusButton(QDialogButtonBox::Ok));
    window->setData(42);
    QCOMPARE(window->data().toInt(), 42);
    join->click();
    QCOMPARE(acceptedSpy.count(), 1);

    MessageWindow* other = MessageWindow::showInformation("I", "Done", false);
    QSignalSpy otherAccepted(other, &MessageWindow::messageAccepted);
    other->acceptAndClose();
    QCOMPARE(otherAccepted.count(), 1);
    QCOMPARE(otherAccepted.first().at(0).toBool(), false);
    QVERIFY(!other->isVisible());
}

void TestMessageWindow::languageChangeRetranslates()
{
    MessageWindow* window = MessageWindow::showQuestion("Q", "Text", false,
                                                        QDialogButtonBox::Yes | QDialogButtonBox::No, true);
    auto* box = window->findChild<QCheckBox*>("newerAskAgain");
    QCOMPARE(box->text(), QString("Never ask again"));

    MarkingTranslator translator;
    QCoreApplication::installTranslator(&translator);
    QTRY_COMPARE(box->text(), QString("Never ask again (de)"));
    QTRY_COMPARE(buttonOf(window, QDialogButtonBox::No)->text(), QString("No (de)"));
    QCoreApplication::removeTranslator(&translator);
    QTRY_COMPARE(box->text(), QString("Never ask again"));
    QTRY_COMPARE(buttonOf(window, QDialogButtonBox::No)->text(), QString("No"));
}

QTEST_MAIN(TestMessageWindow)
#include "tst_message_window.moc"
