#include "Dialogs/configure_room.h"
#include "Dialogs/delete_room_dialog.h"
#include "Dialogs/message_window.h"
#include "Utils/window_manager_chat_helper.h"
#include "common/constants.h"
#include "support/signed_in_session.h"
#include "support/test_environment.h"

#include <Kivo/Controllers/XmppChat.h>
#include <Kivo/Controllers/XmppChatController.h>
#include <Kivo/Settings.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QtTest>

namespace {

// Alice has a My Room (whose chat nobody configured) and may make rooms of her own.
constexpr const char* Accounts = R"({ "accounts": [
      { "user": "alice@test.example", "password": "a", "displayName": "Alice Carter", "domain": "test.example",
        "myRoom": { "conferenceId": "4711" },
        "contacts": [ { "id": 1, "name": "Bob Lind", "address": "bob@test.example" } ] } ] })";

template <typename T>
QList<T*> shown()
{
    QList<T*> windows;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* window = qobject_cast<T*>(widget); window && window->isVisible())
            windows.append(window);
    }
    return windows;
}

// A click on a check box's or radio button's mark, where the user clicks.
void clickIndicator(QWidget* button)
{
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, QPoint(6, button->height() / 2));
}

void closeAll()
{
    for (QWidget* widget : QApplication::topLevelWidgets())
        widget->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class ChatHelperTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void secondConfigurationFormRaisesTheOpenDialog();
    void cancellingANewRoomLeavesIt();
    void deletionAsksUntilTheUserStopsIt();
    void unconfiguredMyRoomCannotBeJoined();
    void editedRoomFormIsWrittenBack();

private:
    TestSupport::Environment m_Environment;
    std::unique_ptr<SignedInSession> m_Session;
    std::unique_ptr<QObject> m_Owner;
    std::unique_ptr<Utils::WindowManagerChatHelper> m_Helper;
};

void ChatHelperTest::init()
{
    m_Session = std::make_unique<SignedInSession>(QHash<int, QVariant>{}, Accounts);
    m_Owner = std::make_unique<QObject>();
    m_Helper = std::make_unique<Utils::WindowManagerChatHelper>(nullptr);
    QVERIFY(m_Helper->Initialize(m_Session->contacts(), m_Session->session(), nullptr,
                                 new Kivo::Models::SmileysPtr(m_Owner.get())));
    Kivo::Settings(Kivo::Settings::UserSettings).remove(Constants::SettingsKey::ConfirmDeleteChatRoom);
}

void ChatHelperTest::cleanup()
{
    closeAll();
    m_Helper.reset();
    m_Session.reset();
}

void ChatHelperTest::secondConfigurationFormRaisesTheOpenDialog()
{
    const QString room = QStringLiteral("design@conference.test.example");
    QXmppDataForm form(QXmppDataForm::Form);
    m_Helper->xmppRoomConfigReceived(room, form, nullptr);
    Dialogs::ConfigureRoom* dialog = m_Helper->roomConfigDialog(room);
    QVERIFY(dialog && dialog->isVisible());
    m_Helper->xmppRoomConfigReceived(room, form, nullptr);
    QCOMPARE(shown<Dialogs::ConfigureRoom>().size(), 1);
    QCOMPARE(m_Helper->roomConfigDialog(room), dialog);

    // Gone from the table once it is gone: the next form opens a new one.
    dialog->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!m_Helper->roomConfigDialog(room));
}

void ChatHelperTest::cancellingANewRoomLeavesIt()
{
    Kivo::Controllers::XmppChat* chat = m_Session->session()->xmppChatController()->createRoom(false);
    QVERIFY(chat);
    QTRY_VERIFY(m_Helper->roomConfigDialog(chat->conversation()));
    Dialogs::ConfigureRoom* dialog = m_Helper->roomConfigDialog(chat->conversation());
    QVERIFY(dialog->findChild<QPushButton*>("createButton")->isVisible());
    QVERIFY(!dialog->findChild<QPushButton*>("editButton")->isVisible());
    QPointer<Kivo::Controllers::XmppChat> guard(chat);
    QTest::mouseClick(dialog->findChild<QPushButton*>("cancelButton"), Qt::LeftButton);
    QTRY_VERIFY(!guard || guard->getState() == Kivo::Controllers::ChatInterface::Closed);
}

void ChatHelperTest::deletionAsksUntilTheUserStopsIt()
{
    Kivo::Controllers::XmppChat* chat = m_Session->session()->xmppChatController()->createRoom(false);
    QVERIFY(chat);
    const QString room = chat->conversation();
    QTRY_VERIFY(m_Session->service().room(room));

    // Asked; the user clears "Always ask" and cancels: nothing is deleted, but the choice is kept.
    m_Helper->deleteRoom(room, QStringLiteral("<b>Design</b>"));
    QCOMPARE(shown<Dialogs::DeleteRoomDialog>().size(), 1);
    Dialogs::DeleteRoomDialog* question = shown<Dialogs::DeleteRoomDialog>().first();
    QVERIFY(question->findChild<QLabel*>("label")->text().contains("<b>Design</b>?"));
    QCOMPARE(question->findChild<QLabel*>("label")->textFormat(), Qt::PlainText);
    clickIndicator(question->findChild<QCheckBox*>("alwaysAskCheckBox"));
    QTest::mouseClick(question->findChild<QPushButton*>("noButton"), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(shown<Dialogs::DeleteRoomDialog>().isEmpty());
    QVERIFY(m_Session->service().room(room));

    // The next deletion asks nothing and destroys the room at once.
    m_Helper->deleteRoom(room, QStringLiteral("Design"));
    QVERIFY(shown<Dialogs::DeleteRoomDialog>().isEmpty());
    QTRY_VERIFY(!m_Session->service().room(room));
}

void ChatHelperTest::unconfiguredMyRoomCannotBeJoined()
{
    const QString myRoom = QStringLiteral("alice@myroom.test.example");
    QXmppDataForm form(QXmppDataForm::Form);
    m_Helper->xmppRoomConfigReceived(myRoom, form, nullptr);
    QVERIFY(!m_Helper->roomConfigDialog(myRoom));
    QTRY_COMPARE(shown<Dialogs::MessageWindow>().size(), 1);
    QCOMPARE(shown<Dialogs::MessageWindow>().first()->windowTitle(), QStringLiteral("Unable to Join"));
}

void ChatHelperTest::editedRoomFormIsWrittenBack()
{
    const auto field = [](const QString& key, const QVariant& value) {
        QXmppDataForm::Field made;
        made.setKey(key);
        made.setValue(value);
        return made;
    };
    QXmppDataForm form(QXmppDataForm::Form);
    form.setFields({field("muc#roomconfig_roomname", "Design"), field("muc#roomconfig_membersonly", false),
                    field("muc#maxhistoryfetch", 0), field("muc#roomconfig_publicroom", false),
                    field("muc#roomconfig_persistentroom", false),
                    field("muc#roomconfig_passwordprotectedroom", true), field("muc#roomconfig_other", "kept")});
    auto* dialog = new Dialogs::ConfigureRoom("design@conference.test.example", form, false, 20,
                                              m_Session->contacts(), nullptr);
    dialog->show();
    auto* name = dialog->findChild<QLineEdit*>("nameEdit");
    auto* save = dialog->findChild<QPushButton*>("editButton");
    QCOMPARE(name->text(), QStringLiteral("Design"));
    QVERIFY(dialog->findChild<QRadioButton*>("publicRoomButton")->isChecked());
    QVERIFY(!dialog->findChild<QCheckBox*>("enableHistory")->isChecked());

    // A pasted tab or line break becomes a blank at once; blanks alone cannot be saved.
    name->setFocus();
    name->setText(QString());
    name->insert(QStringLiteral("  "));
    QVERIFY(!save->isEnabled());
    name->insert(QStringLiteral("Team\tRoom\n"));
    QCOMPARE(name->text(), QStringLiteral("  Team Room "));
    QVERIFY(save->isEnabled());

    QSignalSpy accepted(dialog, &Dialogs::ConfigureRoom::roomConfigAccepted);
    QSignalSpy cancelled(dialog, &Dialogs::ConfigureRoom::roomConfigCanceled);
    clickIndicator(dialog->findChild<QRadioButton*>("privateRoomButton"));
    clickIndicator(dialog->findChild<QCheckBox*>("enableHistory"));
    QTest::mouseClick(save, Qt::LeftButton);
    QCOMPARE(accepted.count(), 1);
    QCOMPARE(cancelled.count(), 0);
    const QXmppDataForm sent = accepted.first().at(1).value<QXmppDataForm>();
    QCOMPARE(sent.type(), QXmppDataForm::Submit);
    QHash<QString, QVariant> values;
    for (const QXmppDataForm::Field& written : sent.fields())
        values.insert(written.key(), written.value());
    QCOMPARE(values.value("muc#roomconfig_roomname"), QVariant("Team Room"));
    QCOMPARE(values.value("muc#roomconfig_membersonly"), QVariant(true));
    QCOMPARE(values.value("muc#maxhistoryfetch"), QVariant(20));
    QCOMPARE(values.value("muc#roomconfig_publicroom"), QVariant(true));
    QCOMPARE(values.value("muc#roomconfig_persistentroom"), QVariant(true));
    QCOMPARE(values.value("muc#roomconfig_passwordprotectedroom"), QVariant(false));
    QCOMPARE(values.value("muc#roomconfig_other"), QVariant("kept"));
    // A public room made private: the members must be invited again.
    QTRY_COMPARE(shown<Dialogs::MessageWindow>().size(), 1);
    QCOMPARE(shown<Dialogs::MessageWindow>().first()->windowTitle(), QStringLiteral("Room Changed to Private Room"));
}

QTEST_MAIN(ChatHelperTest)
#include "tst_chat_helper.moc"
