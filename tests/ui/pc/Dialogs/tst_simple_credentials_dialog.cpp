#include "Dialogs/simple_credentials_dialog.h"

#include "support/test_environment.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

using Dialogs::SimpleCredentialsDialog;

class TestSimpleCredentialsDialog : public QObject
{
    Q_OBJECT

private slots:
    void showsTheRequest();
    void answersOnceWhateverClosesIt_data();
    void answersOnceWhateverClosesIt();
    void returnInUserNameMovesOn();

private:
    static QLineEdit* field(SimpleCredentialsDialog* dialog, const char* name)
    {
        return dialog->findChild<QLineEdit*>(name);
    }
};

void TestSimpleCredentialsDialog::showsTheRequest()
{
    TestSupport::Environment environment;
    auto* dialog = new SimpleCredentialsDialog("HTTP Connectivity", "Secured HTTP proxy", "proxyuser", "stored", false);
    QPointer<SimpleCredentialsDialog> guard(dialog);
    dialog->show();

    QCOMPARE(dialog->windowTitle(), QString("HTTP Connectivity"));
    QVERIFY(dialog->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QCOMPARE(dialog->windowModality(), Qt::ApplicationModal);
    QCOMPARE(dialog->findChild<QLabel*>("titleLabel")->text(), QString("Secured HTTP proxy"));
    QCOMPARE(dialog->findChild<QLabel*>("usernameLabel")->text(), QString("Username"));
    QCOMPARE(dialog->findChild<QLabel*>("passwordLabel")->text(), QString("Password"));
    QCOMPARE(field(dialog, "usernameEdit")->text(), QString("proxyuser"));
    QCOMPARE(field(dialog, "passwordEdit")->text(), QString("stored"));
    QCOMPARE(field(dialog, "passwordEdit")->echoMode(), QLineEdit::Password);
    // The form sits inside the window, not in a window of its own.
    QVERIFY(!dialog->findChild<QDialog*>()->isWindow());
    QVERIFY(dialog->findChild<QDialog*>()->isVisible());
    dialog->close();
    QTRY_VERIFY(!guard);
}

void TestSimpleCredentialsDialog::answersOnceWhateverClosesIt_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QStringList>("answer");

    QTest::newRow("OK") << "ok" << "alice" << "secret" << QStringList{"alice", "secret"};
    QTest::newRow("OK with empty fields") << "ok" << "" << "" << QStringList{"", ""};
    QTest::newRow("Return in the password field") << "return" << "alice" << "secret"
                                                  << QStringList{"alice", "secret"};
    QTest::newRow("Cancel") << "cancel" << "alice" << "secret" << QStringList{"", ""};
    QTest::newRow("close box") << "close" << "alice" << "secret" << QStringList{"", ""};
    QTest::newRow("Esc") << "escape" << "alice" << "secret" << QStringList{"", ""};
}

void TestSimpleCredentialsDialog::answersOnceWhateverClosesIt()
{
    QFETCH(QString, how);
    QFETCH(QString, user);
    QFETCH(QString, password);
    QFETCH(QStringList, answer);

    TestSupport::Environment environment;
    auto* dialog = new SimpleCredentialsDialog("HTTPS Connectivity", "text", "prefilled", "", false);
    QPointer<SimpleCredentialsDialog> guard(dialog);
    QSignalSpy provided(dialog, &SimpleCredentialsDialog::credentialsProvided);
    dialog->show();
    field(dialog, "usernameEdit")->setText(user);
    field(dialog, "passwordEdit")->setText(password);

    if (how == "ok")
        dialog->findChild<QPushButton*>("okButton")->click();
    else if (how == "cancel")
        dialog->findChild<QPushButton*>("cancelButton")->click();
    else if (how == "return")
        QTest::keyClick(field(dialog, "passwordEdit"), Qt::Key_Return);
    else if (how == "escape")
        QTest::keyClick(field(dialog, "passwordEdit"), Qt::Key_Escape);
    else
        dialog->close();

    QTRY_VERIFY(!guard);
    QCOMPARE(provided.count(), 1);
    QCOMPARE(provided.first().at(0).toString(), answer.at(0));
    QCOMPARE(provided.first().at(1).toString(), answer.at(1));
}

void TestSimpleCredentialsDialog::returnInUserNameMovesOn()
{
    TestSupport::Environment environment;
    SimpleCredentialsDialog dialog("HTTP Connectivity", "text", "alice", "", false);
    dialog.setAttribute(Qt::WA_DeleteOnClose, false);
    QSignalSpy provided(&dialog, &SimpleCredentialsDialog::credentialsProvided);
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    field(&dialog, "usernameEdit")->setFocus();

    QTest::keyClick(field(&dialog, "usernameEdit"), Qt::Key_Return);
    QVERIFY(dialog.isVisible());
    QVERIFY(field(&dialog, "passwordEdit")->hasFocus());
    QCOMPARE(provided.count(), 0);
}

QTEST_MAIN(TestSimpleCredentialsDialog)

#include "tst_simple_credentials_dialog.moc"
