#include "Dialogs/password_change_notification.h"

#include "support/test_environment.h"

#include <Kivo/Utils/Credentials/CredentialsManager.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

using Dialogs::PasswordChangeNotification;
using Kivo::Utils::Credentials::CredentialsData;
using Kivo::Utils::Credentials::UserCredentials;

namespace {

constexpr int VyxType = Kivo::Utils::Credentials::CredentialsManager::DeviceManagement;
const char* const ExpiringText = "Vyx account password expires in 3 days. Please consider changing it.";

UserCredentials credentials()
{
    UserCredentials user("alice@demo.telvarion.net");
    CredentialsData vyx("Alice");
    vyx.setPassword("Old-1");
    vyx.setDmUrl("https://dm.demo.telvarion.net");
    user.setData(VyxType, vyx);
    CredentialsData login;
    login.setPassword("Login-1");
    user.setData(Kivo::Utils::Credentials::CredentialsManager::Basic, login);
    return user;
}

} // namespace

class TestPasswordChangeNotification : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void noticeThenEntry();
    void expiredAsksAtOnce();
    void checksBeforeSending_data();
    void checksBeforeSending();
    void returnWalksTheFields();
    void escapeClosesUnlessWaiting_data();
    void escapeClosesUnlessWaiting();
    void successStoresOnlyTheNewPassword();
    void failureShowsMessageAndCode();
    void staysOnTopWhenAsked();

private:
    QLineEdit* field(const char* name) const { return m_Notice->findChild<QLineEdit*>(name); }
    QLabel* label(const char* name) const { return m_Notice->findChild<QLabel*>(name); }
    QPushButton* button(QDialogButtonBox::StandardButton which) const
    {
        return m_Notice->findChild<QDialogButtonBox*>("buttons")->button(which);
    }
    void enter(const QString& old, const QString& first, const QString& second)
    {
        field("oldPassEdit")->setText(old);
        field("newPassEdit")->setText(first);
        field("newPassEdit2")->setText(second);
    }

    std::unique_ptr<TestSupport::Environment> m_Environment;
    QPointer<PasswordChangeNotification> m_Notice;
};

void TestPasswordChangeNotification::init()
{
    m_Environment = std::make_unique<TestSupport::Environment>();
    m_Notice = new PasswordChangeNotification(credentials(), VyxType, false);
}

void TestPasswordChangeNotification::cleanup()
{
    delete m_Notice.data();
    m_Environment.reset();
}

void TestPasswordChangeNotification::noticeThenEntry()
{
    m_Notice->showPasswordExpiring(ExpiringText);
    QVERIFY(m_Notice->isVisible());
    QCOMPARE(m_Notice->windowTitle(), QString("Password change notification"));
    QCOMPARE(m_Notice->windowModality(), Qt::ApplicationModal);
    QCOMPARE(label("textLabel")->text(), QString(ExpiringText));
    QVERIFY(!m_Notice->findChild<QWidget*>("inputWidget")->isVisible());
    QCOMPARE(button(QDialogButtonBox::Ok)->text(), QString("Change Password"));
    QVERIFY(button(QDialogButtonBox::Cancel)->isVisible());
    const int noticeHeight = m_Notice->height();

    button(QDialogButtonBox::Ok)->click();
    QCOMPARE(m_Notice->state(), int(PasswordChangeNotification::PasswordEntry));
    QCOMPARE(label("textLabel")->text(), QString("Please input your new password"));
    QVERIFY(m_Notice->findChild<QWidget*>("inputWidget")->isVisible());
    QCOMPARE(button(QDialogButtonBox::Ok)->text(), QString("OK"));
    QVERIFY(m_Notice->height() > noticeHeight);
    // Both warnings wait for a failed check.
    QVERIFY(!label("warningLabel1")->isVisible());
    QVERIFY(!label("warningLabel2")->isVisible());

    button(QDialogButtonBox::Cancel)->click();
    QTRY_VERIFY(!m_Notice);
}

void TestPasswordChangeNotification::expiredAsksAtOnce()
{
    m_Notice->showPasswordExpired("Vyx account password has expired. Please change it to enable Vyx functionality.");
    QCOMPARE(m_Notice->state(), int(PasswordChangeNotification::PasswordEntry));
    QVERIFY(field("oldPassEdit")->isVisible());
    QVERIFY(field("newPassEdit2")->isVisible());
    QCOMPARE(field("newPassEdit")->echoMode(), QLineEdit::Password);
    QCOMPARE(button(QDialogButtonBox::Ok)->text(), QString("OK"));
    QCOMPARE(label("textLabel")->text(),
             QString("Vyx account password has expired. Please change it to enable Vyx functionality."));
}

void TestPasswordChangeNotification::checksBeforeSending_data()
{
    QTest::addColumn<QString>("old");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("faulty");

    QTest::newRow("wrong old, different new") << "wrong" << "New-1" << "New-2" << "oldPassEdit";
    QTest::newRow("different new") << "Old-1" << "New-1" << "New-2" << "newPassEdit2";
    QTest::newRow("the sign-in password is not the old one") << "Login-1" << "New-1" << "New-1" << "oldPassEdit";
    QTest::newRow("passes") << "Old-1" << "New-1" << "New-1" << "";
    QTest::newRow("empty new password passes") << "Old-1" << "" << "" << "";
}

void TestPasswordChangeNotification::checksBeforeSending()
{
    QFETCH(QString, old);
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QString, faulty);

    QSignalSpy sent(m_Notice.data(), &PasswordChangeNotification::sendCredentials);
    m_Notice->showPasswordExpired("expired");
    // A border left from an earlier failed check must be cleared by the next one.
    field("oldPassEdit")->setStyleSheet("QLineEdit {border: 2px solid red}");
    field("newPassEdit2")->setStyleSheet("QLineEdit {border: 2px solid red}");
    enter(old, first, second);
    button(QDialogButtonBox::Ok)->click();

    const QString red = "QLineEdit {border: 2px solid red}";
    if (faulty.isEmpty()) {
        QCOMPARE(sent.count(), 1);
        QCOMPARE(sent.first(), QList<QVariant>({old, second}));
        QCOMPARE(m_Notice->state(), int(PasswordChangeNotification::RequestSent));
        QCOMPARE(label("textLabel")->text(), QString("Sending request, please wait..."));
        QVERIFY(!button(QDialogButtonBox::Ok)->isEnabled());
        QVERIFY(!button(QDialogButtonBox::Cancel)->isEnabled());
        QVERIFY(!m_Notice->findChild<QWidget*>("inputWidget")->isVisible());
        return;
    }
    QCOMPARE(sent.count(), 0);
    QCOMPARE(m_Notice->state(), int(PasswordChangeNotification::PasswordEntry));
    const bool oldFaulty = faulty == "oldPassEdit";
    QCOMPARE(label("warningLabel1")->isVisible(), oldFaulty);
    QCOMPARE(label("warningLabel2")->isVisible(), !oldFaulty);
    QCOMPARE(label("warningLabel1")->text(), QString("(Check Password)"));
    QCOMPARE(field("oldPassEdit")->styleSheet(), oldFaulty ? red : QString());
    QCOMPARE(field("newPassEdit2")->styleSheet(), oldFaulty ? QString() : red);

    if (oldFaulty) {
        // Fixing the old password with the new ones still apart: the retype warning replaces it.
        enter("Old-1", "New-1", "New-2");
        button(QDialogButtonBox::Ok)->click();
        QVERIFY(!label("warningLabel1")->isVisible());
        QVERIFY(label("warningLabel2")->isVisible());
        QCOMPARE(field("oldPassEdit")->styleSheet(), QString());
        QCOMPARE(sent.count(), 0);
    }
}

void TestPasswordChangeNotification::returnWalksTheFields()
{
    QSignalSpy sent(m_Notice.data(), &PasswordChangeNotification::sendCredentials);
    m_Notice->showPasswordExpired("expired");
    QApplication::setActiveWindow(m_Notice);
    QVERIFY(QTest::qWaitForWindowActive(m_Notice));
    enter("Old-1", "New-1", "New-1");
    field("oldPassEdit")->setFocus();

    QTest::keyClick(field("oldPassEdit"), Qt::Key_Return);
    QVERIFY(field("newPassEdit")->hasFocus());
    QTest::keyClick(field("newPassEdit"), Qt::Key_Return);
    QVERIFY(field("newPassEdit2")->hasFocus());
    QCOMPARE(sent.count(), 0);
    QTest::keyClick(field("newPassEdit2"), Qt::Key_Return);
    QCOMPARE(sent.count(), 1);
}

void TestPasswordChangeNotification::escapeClosesUnlessWaiting_data()
{
    QTest::addColumn<int>("state");
    QTest::addColumn<bool>("closes");

    QTest::newRow("notice") << int(PasswordChangeNotification::Notice) << true;
    QTest::newRow("entry") << int(PasswordChangeNotification::PasswordEntry) << true;
    QTest::newRow("request sent") << int(PasswordChangeNotification::RequestSent) << false;
    QTest::newRow("result") << int(PasswordChangeNotification::ResultShown) << true;
}

void TestPasswordChangeNotification::escapeClosesUnlessWaiting()
{
    QFETCH(int, state);
    QFETCH(bool, closes);

    m_Notice->showPasswordExpiring(ExpiringText);
    m_Notice->setState(state);
    QApplication::setActiveWindow(m_Notice);
    QVERIFY(QTest::qWaitForWindowActive(m_Notice));
    QTest::keyClick(m_Notice, Qt::Key_Escape);
    if (closes)
        QTRY_VERIFY(!m_Notice);
    else
        QVERIFY(m_Notice->isVisible());
}

void TestPasswordChangeNotification::successStoresOnlyTheNewPassword()
{
    QList<UserCredentials> saved;
    connect(m_Notice.data(), &PasswordChangeNotification::saveCredentials, this,
            [&saved](const UserCredentials& credentials) { saved.append(credentials); });
    m_Notice->showPasswordExpired("expired");
    enter("Old-1", "New-1", "New-1");
    button(QDialogButtonBox::Ok)->click();
    m_Notice->passwordChangeResult(true, Kivo::Vyx::VyxErrorInfo());

    QCOMPARE(saved.size(), 1);
    const UserCredentials stored = saved.first();
    QCOMPARE(stored.getUsername(), QString("alice@demo.telvarion.net"));
    QCOMPARE(stored.getData(VyxType).getPassword(), QString("New-1"));
    // The rest of the record is kept, and other credential types are untouched.
    QCOMPARE(stored.getData(VyxType).getDmUrl(), QString("https://dm.demo.telvarion.net"));
    QCOMPARE(stored.getData(VyxType).getDisplayname(), QString("Alice"));
    QCOMPARE(stored.getData(Kivo::Utils::Credentials::CredentialsManager::Basic).getPassword(), QString("Login-1"));

    QCOMPARE(label("textLabel")->text(), QString("The password has been changed successfully"));
    QCOMPARE(button(QDialogButtonBox::Ok)->text(), QString("Close"));
    QVERIFY(button(QDialogButtonBox::Ok)->isEnabled());
    QVERIFY(!button(QDialogButtonBox::Cancel)->isVisible());
    button(QDialogButtonBox::Ok)->click();
    QTRY_VERIFY(!m_Notice);
}

void TestPasswordChangeNotification::failureShowsMessageAndCode()
{
    int saved = 0;
    connect(m_Notice.data(), &PasswordChangeNotification::saveCredentials, this, [&saved] { ++saved; });
    m_Notice->showPasswordExpired("expired");
    enter("Old-1", "New-1", "New-1");
    button(QDialogButtonBox::Ok)->click();
    Kivo::Vyx::VyxErrorInfo error;
    error.code = 400;
    error.message = "The new password is <b>not</b> acceptable";
    m_Notice->passwordChangeResult(false, error);

    QCOMPARE(saved, 0);
    QCOMPARE(label("textLabel")->text(),
             QString("Cannot change password:\nThe new password is <b>not</b> acceptable\nError Code:400"));
    QCOMPARE(label("textLabel")->textFormat(), Qt::PlainText);
    QCOMPARE(button(QDialogButtonBox::Ok)->text(), QString("Close"));
    QVERIFY(!button(QDialogButtonBox::Cancel)->isVisible());
}

void TestPasswordChangeNotification::staysOnTopWhenAsked()
{
    QVERIFY(!m_Notice->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    // Modal above a window kept on top, it must not disappear behind it.
    PasswordChangeNotification onTop(credentials(), VyxType, true);
    onTop.setAttribute(Qt::WA_DeleteOnClose, false);
    QVERIFY(onTop.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(onTop.windowFlags().testFlag(Qt::Window));
}

QTEST_MAIN(TestPasswordChangeNotification)

#include "tst_password_change_notification.moc"
