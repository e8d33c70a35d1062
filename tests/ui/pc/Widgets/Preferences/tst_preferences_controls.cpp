#include "Widgets/Preferences/credential_widget.h"
#include "Widgets/Preferences/protocols_widget.h"
#include "Widgets/level_indicator_widget.h"

#include "Dialogs/message_window.h"
#include "common/constants.h"
#include "support/test_environment.h"
#include "support/user_settings.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

using Kivo::Utils::Credentials::CredentialsData;
using Kivo::Utils::Credentials::Type;
using Preferences::Widgets::CredentialWidget;
using Preferences::Widgets::ProtocolsWidget;
using Widgets::LevelIndicatorWidget;

namespace Credentials = Kivo::Utils::Credentials;

namespace {

QLineEdit* field(const CredentialWidget& editor, const char* name)
{
    return editor.findChild<QLineEdit*>(name);
}

QPushButton* button(const CredentialWidget& editor, const char* name)
{
    return editor.findChild<QPushButton*>(name);
}

Dialogs::MessageWindow* shownMessage()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* window = qobject_cast<Dialogs::MessageWindow*>(widget);
        if (window && window->isVisible())
            return window;
    }
    return nullptr;
}

// Selects all and types over it, as a user replaces a field's text.
void retype(QLineEdit* edit, const QString& text)
{
    edit->selectAll();
    if (text.isEmpty())
        QTest::keyClick(edit, Qt::Key_Delete);
    else
        QTest::keyClicks(edit, text);
}

} // namespace

class PreferencesControlsTest : public QObject
{
    Q_OBJECT

private slots:
    void meterRuns_data();
    void meterRuns();
    void meterLimit();
    void meterDrawsStrokes();

    void fixedCredentialsAreReadOnly_data();
    void fixedCredentialsAreReadOnly();
    void directoryEditorFollowsTyping();
    void webCollaborationSavesTwoEmptyFields();
    void removeAccount_data();
    void removeAccount();
    void buttonsHidden();
    void groupPassesRequestsWithTheType();
};

void PreferencesControlsTest::meterRuns_data()
{
    QTest::addColumn<long>("level");
    QTest::addColumn<int>("green");
    QTest::addColumn<int>("yellow");
    QTest::addColumn<int>("red");
    QTest::newRow("silence") << 0L << 0 << 0 << 0;
    QTest::newRow("35") << 35L << 35 << 0 << 0;
    QTest::newRow("70, the end of green") << 70L << 70 << 0 << 0;
    QTest::newRow("80") << 80L << 70 << 10 << 0;
    // 0.95 - 0.9 is a little below 0.05 in double precision, and the product is cut.
    QTest::newRow("95") << 95L << 70 << 20 << 4;
    QTest::newRow("above the limit") << 150L << 70 << 20 << 60;
}

void PreferencesControlsTest::meterRuns()
{
    QFETCH(long, level);
    QFETCH(int, green);
    QFETCH(int, yellow);
    QFETCH(int, red);
    LevelIndicatorWidget meter(nullptr);
    meter.resize(100, 10);
    meter.onSignalLevelAbsChanged(level);
    QCOMPARE(meter.greenLength(), green);
    QCOMPARE(meter.yellowLength(), yellow);
    QCOMPARE(meter.redLength(), red);
}

void PreferencesControlsTest::meterLimit()
{
    LevelIndicatorWidget meter(nullptr);
    meter.resize(100, 10);
    meter.onSignalLevelAbsChanged(50);
    meter.onSignalLimitAbsChanged(0);
    // Without a limit later levels leave the bar as it is.
    meter.onSignalLevelAbsChanged(90);
    QCOMPARE(meter.greenLength(), 50);
    QCOMPARE(meter.yellowLength(), 0);
    // A limit again shows the last level on the new scale.
    meter.onSignalLimitAbsChanged(1000);
    QCOMPARE(meter.greenLength(), 9);
}

void PreferencesControlsTest::meterDrawsStrokes()
{
    LevelIndicatorWidget meter(nullptr);
    meter.resize(100, 10);
    meter.onSignalLevelAbsChanged(95);
    QImage image(meter.size(), QImage::Format_ARGB32);
    image.fill(Qt::white);
    meter.render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
    // Strokes three pixels wide every five: green, yellow from 70, red from 90.
    QCOMPARE(image.pixelColor(0, 5), QColor(Qt::darkGreen));
    QCOMPARE(image.pixelColor(2, 5), QColor(Qt::darkGreen));
    QCOMPARE(image.pixelColor(3, 5), QColor(Qt::white));
    QCOMPARE(image.pixelColor(71, 9), QColor(Qt::yellow));
    QCOMPARE(image.pixelColor(90, 0), QColor(Qt::red));
    // Nothing beyond the three runs.
    QCOMPARE(image.pixelColor(96, 5), QColor(Qt::white));
}

void PreferencesControlsTest::fixedCredentialsAreReadOnly_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("title");
    QTest::newRow("SIP") << int(Credentials::Sip) << "SIP";
    QTest::newRow("XMPP") << int(Credentials::Xmpp) << "XMPP";
    QTest::newRow("Vyx") << int(Credentials::Vyx) << "Marlowane (Vyx)";
}

void PreferencesControlsTest::fixedCredentialsAreReadOnly()
{
    QFETCH(int, type);
    QFETCH(QString, title);
    TestSupport::Environment env;
    CredentialWidget editor(Type(type), nullptr);
    editor.setUsername("alice@demo.telvarion.net");
    editor.show();
    QCOMPARE(editor.findChild<QLabel*>("title")->text(), title);
    QVERIFY(field(editor, "username")->isReadOnly());
    QVERIFY(!field(editor, "password")->isVisible());
    QSignalSpy changed(&editor, &CredentialWidget::changed);
    QTest::keyClicks(field(editor, "username"), "x");
    QCOMPARE(field(editor, "username")->text(), QString("alice@demo.telvarion.net"));
    QCOMPARE(changed.count(), 0);
    QCOMPARE(editor.lastFocusWidget(), button(editor, "buttonSavePassword"));
}

void PreferencesControlsTest::directoryEditorFollowsTyping()
{
    TestSupport::Environment env;
    CredentialWidget editor(Credentials::Directory, nullptr);
    editor.setUsername("alice");
    editor.setPassword("secret");
    editor.show();
    QVERIFY(editor.findChild<QLabel*>("title")->isHidden());
    QCOMPARE(field(editor, "password")->echoMode(), QLineEdit::Password);
    QVERIFY(!button(editor, "buttonSavePassword")->isEnabled());
    QSignalSpy changed(&editor, &CredentialWidget::changed);

    retype(field(editor, "password"), "");
    QVERIFY(!button(editor, "buttonSavePassword")->isEnabled());
    QCOMPARE(changed.count(), 1);
    QTest::keyClicks(field(editor, "password"), "new");
    QVERIFY(button(editor, "buttonSavePassword")->isEnabled());
    QCOMPARE(changed.count(), 4);
    // Back to the loaded value: no edit to report, but Save follows the fields.
    retype(field(editor, "password"), "secret");
    QCOMPARE(changed.count(), 4 + 5);
    QVERIFY(button(editor, "buttonSavePassword")->isEnabled());

    QSignalSpy saved(&editor, &CredentialWidget::saveCredentials);
    QTest::mouseClick(button(editor, "buttonSavePassword"), Qt::LeftButton);
    QCOMPARE(saved.count(), 1);
    const auto data = saved.at(0).at(0).value<CredentialsData>();
    QCOMPARE(data.getDisplayname(), QString("alice"));
    QCOMPARE(data.getPassword(), QString("secret"));
    QVERIFY(!button(editor, "buttonSavePassword")->isEnabled());
}

void PreferencesControlsTest::webCollaborationSavesTwoEmptyFields()
{
    TestSupport::Environment env;
    CredentialWidget editor(Credentials::WebCollaboration, nullptr);
    editor.setUsername("alice");
    editor.setPassword("secret");
    editor.show();
    retype(field(editor, "username"), "");
    QVERIFY(!button(editor, "buttonSavePassword")->isEnabled());
    retype(field(editor, "password"), "");
    QVERIFY(button(editor, "buttonSavePassword")->isEnabled());

    QSignalSpy saved(&editor, &CredentialWidget::saveCredentials);
    QTest::mouseClick(button(editor, "buttonSavePassword"), Qt::LeftButton);
    QCOMPARE(saved.count(), 1);
    QVERIFY(saved.at(0).at(0).value<CredentialsData>().getDisplayname().isEmpty());
    QVERIFY(saved.at(0).at(0).value<CredentialsData>().getPassword().isEmpty());
    QVERIFY(!button(editor, "buttonSavePassword")->isEnabled());
}

void PreferencesControlsTest::removeAccount_data()
{
    QTest::addColumn<QVariant>("warning");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<int>("removed");
    QTest::addColumn<QVariant>("warningAfter");
    QTest::newRow("warning off") << QVariant(false) << "" << 1 << QVariant(false);
    QTest::newRow("OK") << QVariant() << "ok" << 1 << QVariant(true);
    QTest::newRow("OK, never ask again") << QVariant() << "never" << 1 << QVariant(false);
    QTest::newRow("Cancel") << QVariant(true) << "cancel" << 0 << QVariant(true);
}

void PreferencesControlsTest::removeAccount()
{
    QFETCH(QVariant, warning);
    QFETCH(QString, answer);
    QFETCH(int, removed);
    QFETCH(QVariant, warningAfter);
    TestSupport::Environment env;
    if (warning.isValid())
        TestSupport::writeUserSettings({{Constants::SettingsKey::SecurityShowResetWarning, warning}});
    CredentialWidget editor(Credentials::Directory, nullptr);
    editor.setUsername("alice");
    editor.show();
    QSignalSpy removal(&editor, &CredentialWidget::removeAccount);
    QTest::mouseClick(button(editor, "buttonRemoveAccount"), Qt::LeftButton);

    if (!answer.isEmpty()) {
        QTRY_VERIFY(shownMessage());
        Dialogs::MessageWindow* message = shownMessage();
        QCOMPARE(message->windowTitle(), QString("Information"));
        QPointer<Dialogs::MessageWindow> guard(message);
        if (answer == "never")
            message->findChild<QCheckBox*>()->setChecked(true);
        const auto role = answer == "cancel" ? QDialogButtonBox::Cancel : QDialogButtonBox::Ok;
        QTest::mouseClick(message->findChild<QDialogButtonBox*>()->button(role), Qt::LeftButton);
        QTRY_VERIFY(!guard);
    }
    QCOMPARE(removal.count(), removed);
    QCOMPARE(TestSupport::userSetting(Constants::SettingsKey::SecurityShowResetWarning).toBool(), warningAfter.toBool());

    editor.setUsername("");
    QVERIFY(!button(editor, "buttonRemoveAccount")->isEnabled());
}

void PreferencesControlsTest::buttonsHidden()
{
    TestSupport::Environment env;
    CredentialWidget directory(Credentials::Directory, nullptr);
    CredentialWidget sip(Credentials::Sip, nullptr);
    directory.setButtonsHidden(true);
    sip.setButtonsHidden(true);
    QVERIFY(button(directory, "buttonRemoveAccount")->isHidden());
    QVERIFY(!button(directory, "buttonSavePassword")->isHidden());
    QVERIFY(button(sip, "buttonRemoveAccount")->isHidden());
    QVERIFY(button(sip, "buttonSavePassword")->isHidden());
    QCOMPARE(sip.lastFocusWidget(), field(sip, "username"));
}

void PreferencesControlsTest::groupPassesRequestsWithTheType()
{
    TestSupport::Environment env;
    ProtocolsWidget group(nullptr);
    QVERIFY(group.isEmpty());
    auto* sip = new CredentialWidget(Credentials::Sip, nullptr);
    auto* directory = new CredentialWidget(Credentials::Directory, nullptr);
    group.addCredentialWidget(sip);
    group.addCredentialWidget(directory);
    QCOMPARE(directory->parentWidget(), &group);
    QCOMPARE(group.credentialWidget(Credentials::Directory), directory);
    QCOMPARE(group.credentialWidget(Credentials::WebCollaboration), nullptr);

    QSignalSpy saved(&group, SIGNAL(saveCredentials(Kivo::Utils::Credentials::Type, Kivo::Utils::Credentials::CredentialsData)));
    QSignalSpy removed(&group, SIGNAL(removeAccount(Kivo::Utils::Credentials::Type)));
    directory->setUsername("alice");
    directory->setPassword("secret");
    field(*directory, "password")->setFocus();
    QTest::keyClicks(field(*directory, "password"), "2");
    QTest::mouseClick(button(*directory, "buttonSavePassword"), Qt::LeftButton);
    QCOMPARE(saved.count(), 1);
    QCOMPARE(saved.at(0).at(0).value<Type>(), Credentials::Directory);
    QCOMPARE(saved.at(0).at(1).value<CredentialsData>().getPassword(), QString("secret2"));

    TestSupport::writeUserSettings({{Constants::SettingsKey::SecurityShowResetWarning, false}});
    sip->setUsername("alice@demo.telvarion.net");
    QTest::mouseClick(button(*sip, "buttonRemoveAccount"), Qt::LeftButton);
    QCOMPARE(removed.count(), 1);
    QCOMPARE(removed.at(0).at(0).value<Type>(), Credentials::Sip);

    sip->hide();
    directory->hide();
    QVERIFY(group.isEmpty());
}

QTEST_MAIN(PreferencesControlsTest)
#include "tst_preferences_controls.moc"
