#pragma once

#include "Widgets/window.h"

#include <Kivo/Contacts/Contacts.h>
#include <Kivo/Sessions/SubSession.h>
#include <Kivo/Utils/SharedPointer.h>

#include <QRegExp>
#include <QXmppDataForm.h>

#include <memory>

class QRegExpValidator;

namespace Models {
namespace Chat {
class RoomMembersModel;
}
} // namespace Models

namespace Ui {
class ConfigureRoomDialog;
}

namespace Dialogs {

// Creates a group-chat room or edits one the user owns: its name, private or public, and
// whether history is offered; for an existing private room it lists the members and lets
// the user remove some. Acceptance writes the choices into the room's configuration form.
class ConfigureRoom : public Widgets::Window
{
    Q_OBJECT

public:
    ConfigureRoom(const QString& roomJid, const QXmppDataForm& form, bool create, int maxHistory,
                  Kivo::Utils::SharedPointer<Kivo::Contacts::Contacts> contacts, QWidget* parent = nullptr);
    ~ConfigureRoom() override;

    void setMembers(const QStringList& members);
    QString helpContext() const override;

    static constexpr int MaximumNameLength = 128;

signals:
    void roomConfigAccepted(const QString& roomJid, const QXmppDataForm& form, bool create);
    void roomConfigCanceled(const QString& roomJid);
    void removeParticipants(const QString& roomJid, const QStringList& members);

public slots:
    void onXmppSessionStateChanged(const Kivo::Sessions::SubSession* subSession, Kivo::Sessions::SubSession::State state);

private slots:
    void accepted();
    void enableCreateIfValidName();
    void removeClicked();
    void privateStatusChanged(bool checked);
    void enableCreate();
    void disableCreate();

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void retranslate();
    void readForm();

    std::unique_ptr<Ui::ConfigureRoomDialog> m_Ui;
    QString m_RoomJid;
    QXmppDataForm m_Form;
    bool m_Create;
    bool m_CanCreate = true;
    bool m_Accepted = false;
    int m_MaxHistory;
    QRegExp m_NameCleaner;
    QRegExpValidator* m_NameValidator;
    Models::Chat::RoomMembersModel* m_Members;
};

} // namespace Dialogs
