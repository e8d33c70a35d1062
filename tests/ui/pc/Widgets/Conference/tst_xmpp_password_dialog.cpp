#include "Widgets/Conference/xmpp_password_dialog.h"
#include "support/marking_translator.h"
#include "support/test_environment.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using Widgets::Conference::XmppPasswordDialog;

namespace {

constexpr const char* Room = "room-7@conference.test.example";

// A shown prompt with spies on both of its answers.
struct Prompt
{
    explicit Prompt(int error = XmppPasswordDialog::PasswordRequired, const QString& room = Room)
        : dialog(new XmppPasswordDialog(room, error, false))
        , entered(dialog.data(), &XmppPasswordDialog::passwordEntered)
        , canceled(dialog.data(), &XmppPasswordDialog::passwordEnterCanceled)
    {
        dialog->show();
        dialog->activateWindow();
    }
    ~Prompt() { delete dialog; }

    QLineEdit* edit() const { return dialog->findChild<QLineEdit*>("passwordEdit"); }
    QPushButton* ok() const { return dialog->findChild<QPushButton*>("okButton"); }
    QPushButton* cancel() const { return dialog->findChild<QPushButton*>("cancelButton"); }
    QString error() const { return dialog->findChild<QLabel*>("errorLabel")->text(); }

    QPointer<XmppPasswordDialog> dialog;
    QSignalSpy entered;
    QSignalSpy canceled;
};

} // namespace

class XmppPasswordDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void textsByErrorAndRoom_data();
    void textsByErrorAndRoom();
    void returnOnAnEmptyFieldDoesNothing();
    void typedPasswordIsSent_data();
    void typedPasswordIsSent();
    void cancelAnswersAndEscapeDoesNot();
    void errorTextFollowsTheLanguage();
};

void XmppPasswordDialogTest::textsByErrorAndRoom_data()
{
    QTest::addColumn<int>("error");
    QTest::addColumn<QString>("room");
    QTest::addColumn<bool>("onTop");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("title");

    QTest::newRow("password required") << 1 << Room << false << "A password is required to enter this room" << Room;
    QTest::newRow("incorrect password") << 2 << Room << false << "Incorrect password" << Room;
    QTest::newRow("other error: no text") << 3 << Room << false << "" << Room;
    QTest::newRow("group chat room") << 2 << "group-12@conference.test.example" << false << "Incorrect password"
                                     << "Group Chat";
    QTest::newRow("on top") << 1 << Room << true << "A password is required to enter this room" << "Group Chat";
}

void XmppPasswordDialogTest::textsByErrorAndRoom()
{
    QFETCH(int, error);
    QFETCH(QString, room);
    QFETCH(bool, onTop);
    QFETCH(QString, text);
    QFETCH(QString, title);
    TestSupport::Environment env;
    XmppPasswordDialog dialog(room, error, onTop);
    QCOMPARE(dialog.findChild<QLabel*>("errorLabel")->text(), text);
    QCOMPARE(dialog.windowTitle(), title);
    QVERIFY(dialog.minimumWidth() >= 250);
    QCOMPARE(dialog.findChild<QLineEdit*>("passwordEdit")->echoMode(), QLineEdit::Password);
    QVERIFY(!dialog.findChild<QPushButton*>("okButton")->isEnabled());
}

void XmppPasswordDialogTest::returnOnAnEmptyFieldDoesNothing()
{
    TestSupport::Environment env;
    Prompt prompt;
    QVERIFY(QTest::qWaitForWindowActive(prompt.dialog));
    QTRY_VERIFY(prompt.edit()->hasFocus());
    QTest::keyClick(prompt.edit(), Qt::Key_Return);
    QTest::keyClicks(prompt.edit(), "x");
    QVERIFY(prompt.ok()->isEnabled());
    QTest::keyClick(prompt.edit(), Qt::Key_Backspace);
    QVERIFY(!prompt.ok()->isEnabled());
    QTest::keyClick(prompt.edit(), Qt::Key_Enter);
    QCoreApplication::processEvents();
    QVERIFY(prompt.dialog && prompt.dialog->isVisible());
    QVERIFY(prompt.entered.isEmpty());
    QVERIFY(prompt.canceled.isEmpty());
}

void XmppPasswordDialogTest::typedPasswordIsSent_data()
{
    QTest::addColumn<bool>("withReturn");
    QTest::newRow("OK button") << false;
    QTest::newRow("Return key") << true;
}

void XmppPasswordDialogTest::typedPasswordIsSent()
{
    QFETCH(bool, withReturn);
    TestSupport::Environment env;
    Prompt prompt(XmppPasswordDialog::IncorrectPassword);
    QVERIFY(QTest::qWaitForWindowActive(prompt.dialog));
    QTest::keyClicks(prompt.edit(), " s3cret ");
    if (withReturn)
        QTest::keyClick(prompt.edit(), Qt::Key_Return);
    else
        QTest::mouseClick(prompt.ok(), Qt::LeftButton);
    QCOMPARE(prompt.entered.count(), 1);
    QCOMPARE(prompt.entered.first(), (QVariantList{Room, " s3cret "}));
    QVERIFY(prompt.canceled.isEmpty());
    QTRY_VERIFY(!prompt.dialog);
}

void XmppPasswordDialogTest::cancelAnswersAndEscapeDoesNot()
{
    TestSupport::Environment env;
    {
        Prompt prompt;
        QTest::keyClicks(prompt.edit(), "guess");
        QTest::mouseClick(prompt.cancel(), Qt::LeftButton);
        QCOMPARE(prompt.canceled.count(), 1);
        QCOMPARE(prompt.canceled.first(), QVariantList{Room});
        QVERIFY(prompt.entered.isEmpty());
        QTRY_VERIFY(!prompt.dialog);
    }
    {
        Prompt prompt;
        QVERIFY(QTest::qWaitForWindowActive(prompt.dialog));
        QTest::keyClicks(prompt.edit(), "guess");
        QTest::keyClick(prompt.edit(), Qt::Key_Escape);
        QTRY_VERIFY(!prompt.dialog);
        QVERIFY(prompt.entered.isEmpty());
        QVERIFY(prompt.canceled.isEmpty());
    }
}

void XmppPasswordDialogTest::errorTextFollowsTheLanguage()
{
    TestSupport::Environment env;
    Prompt prompt(XmppPasswordDialog::IncorrectPassword);
    TestSupport::MarkingTranslator translator("Widgets::Conference::XmppPasswordDialog");
    QCoreApplication::installTranslator(&translator);
    QTRY_COMPARE(prompt.error(), QString("~Incorrect password"));
    QCoreApplication::removeTranslator(&translator);
    QTRY_COMPARE(prompt.error(), QString("Incorrect password"));
    QCOMPARE(prompt.dialog->findChild<QLabel*>("label")->text(), QString("Password"));
}

QTEST_MAIN(XmppPasswordDialogTest)
#include "tst_xmpp_password_dialog.moc"
