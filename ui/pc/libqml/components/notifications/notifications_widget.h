#pragma once

#include "libqml/window/qml_view.h"

#include <Kivo/Controllers/CommunicationSession.h>

#include <QPointer>

namespace QML {

// The strip of a communications window that asks for the user's attention: a second call
// to answer, a share to confirm, and the panels that transfer or park the call or bring
// people in.
class NotificationsWidget : public View
{
    Q_OBJECT
    Q_PROPERTY(bool addParticipantsVisible READ addParticipantsVisible WRITE setAddParticipantsVisible
                   NOTIFY addParticipantsVisibleChanged)
    Q_PROPERTY(bool callTransferVisible READ callTransferVisible WRITE setCallTransferVisible
                   NOTIFY callTransferVisibleChanged)
    Q_PROPERTY(bool callParkVisible READ callParkVisible WRITE setCallParkVisible NOTIFY callParkVisibleChanged)
    Q_PROPERTY(bool callTransferButtonVisible READ callTransferButtonVisible NOTIFY callTransferButtonVisibleChanged)

public:
    static constexpr const char* Scene = "qrc:/windows/Notifications/NotificationsWidget.qml";
    static constexpr int PanelHeight = 115;
    static constexpr int ParkHeight = 110;
    static constexpr int ShareProblemHeight = 90;
    static constexpr int AnswerHeight = 40;
    static constexpr int DefaultHeight = 75;

    // The scene sees `window` as its root window; the bar lives inside it.
    NotificationsWidget(Kivo::Controllers::CommunicationSession* session, QWidget* window);

    bool addParticipantsVisible() const { return m_AddParticipants; }
    bool callTransferVisible() const { return m_Transfer; }
    bool callParkVisible() const { return m_Park; }
    bool callTransferButtonVisible() const { return m_TransferButton; }
    void setAddParticipantsVisible(bool visible);
    void setCallTransferVisible(bool visible);
    void setCallParkVisible(bool visible);

    // The height the bar takes for what it shows now.
    int wantedHeight() const;
    // Follows the conversation's share, which may come after the bar was made.
    void watchShare(Kivo::Webcollab::WebcollabBase* share);

public slots:
    void checkIfNeedsToBeVisible();
    void closeContactList();
    void transferCallTriggered();
    void callParkTriggered();
    void addParticipantsTriggered();

signals:
    void addParticipantsVisibleChanged();
    void callTransferVisibleChanged();
    void callParkVisibleChanged();
    void callTransferButtonVisibleChanged();
    void resizeWindow();

private:
    void updateTransferButton();
    bool isUrgent() const;
    int callState() const;
    bool shareMismatched() const;

    QPointer<Kivo::Controllers::CommunicationSession> m_Session;
    QPointer<Kivo::Webcollab::WebcollabBase> m_Share;
    bool m_AddParticipants = false;
    bool m_Transfer = false;
    bool m_Park = false;
    bool m_TransferButton = false;
};

} // namespace QML
