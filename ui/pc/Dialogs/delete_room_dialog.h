#pragma once

#include "Widgets/window.h"

#include <memory>

namespace Ui {
class ConfirmRoomDeletion;
}

namespace Dialogs {

// Asks before a group-chat room is deleted, and offers to stop asking. Either button
// stores the box's choice; only "Delete" reports the room.
class DeleteRoomDialog : public Widgets::Window
{
    Q_OBJECT

public:
    DeleteRoomDialog(const QString& roomJid, const QString& roomName, QWidget* parent = nullptr);
    ~DeleteRoomDialog() override;

signals:
    void accepted(const QString& roomJid);

protected slots:
    void checkAlwaysAskStatus();
    void accepted();

protected:
    void changeEvent(QEvent* event) override;

private:
    void setQuestion();

    std::unique_ptr<Ui::ConfirmRoomDeletion> m_Ui;
    QString m_RoomJid;
    QString m_RoomName;
};

} // namespace Dialogs
