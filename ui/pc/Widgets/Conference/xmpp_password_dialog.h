#pragma once

#include "Widgets/popup_window.h"

#include <memory>

class QDialog;

namespace Ui {
class ChatroomPassword;
}

namespace Widgets {
namespace Conference {

// Asks for the password of a group chat room whose entry failed for lack of the right
// one. Only OK and Cancel answer; closing it any other way leaves the join unanswered.
class XmppPasswordDialog : public PopupWindow
{
    Q_OBJECT

public:
    // Error kinds of a refused entry.
    enum Error
    {
        PasswordRequired = 1,
        IncorrectPassword = 2
    };

    XmppPasswordDialog(const QString& roomJid, int error, bool alwaysOnTop);
    ~XmppPasswordDialog() override;

signals:
    void passwordEnterCanceled(const QString& roomJid);
    void passwordEntered(const QString& roomJid, const QString& password);

public slots:
    void okClicked();
    void cancelClicked();
    void passwordEdited(const QString& pw);

protected:
    void changeEvent(QEvent* event) override;

private:
    QString errorText() const;

    QString m_RoomJid;
    int m_Error;
    std::unique_ptr<Ui::ChatroomPassword> m_Form;
    QDialog* m_Dialog;
};

} // namespace Conference
} // namespace Widgets
