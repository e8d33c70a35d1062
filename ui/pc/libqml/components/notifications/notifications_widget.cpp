#include "libqml/components/notifications/notifications_widget.h"

#include "common/connect_check.h"
#include "common/constants.h"

#include <Kivo/MediaEngine/CallBasePtr.h>
#include <Kivo/Webcollab/WebcollabBase.h>
#include <Kivo/Webcollab/WebcollabZyn.h>

#include <QApplication>
#include <QQmlContext>

namespace QML {

namespace {

// The share's state while the user is asked to join it.
constexpr int ShareConfirmingJoin = 4;

} // namespace

NotificationsWidget::NotificationsWidget(Kivo::Controllers::CommunicationSession* session, QWidget* window)
    : View(window)
    , m_Session(session)
{
    setResizeMode(QQuickWidget::SizeRootObjectToView);
    rootContext()->setContextProperty(Constants::ContextProperty::RootWindow, window);
    hide();
    if (m_Session) {
        CHECKED_CONNECT(m_Session,
                        SIGNAL(callStateChanged(Kivo::MediaEngine::CallBasePtr*,
                                                Kivo::MediaEngine::CallBasePtr::CallState)),
                        this, SLOT(checkIfNeedsToBeVisible()));
        CHECKED_CONNECT(m_Session, SIGNAL(callChanged()), this, SLOT(checkIfNeedsToBeVisible()));
        CHECKED_CONNECT(m_Session, SIGNAL(hasAssociatedFirstCallChanged()), this, SLOT(checkIfNeedsToBeVisible()));
        // The share's state decides whether a join waits for the user's answer.
        if (Kivo::Webcollab::WebcollabBase* share = m_Session->getWebCollab())
            watchShare(share);
    }
    CHECKED_CONNECT(this, SIGNAL(addParticipantsVisibleChanged()), this, SLOT(checkIfNeedsToBeVisible()));
    CHECKED_CONNECT(this, SIGNAL(callTransferVisibleChanged()), this, SLOT(checkIfNeedsToBeVisible()));
    CHECKED_CONNECT(this, SIGNAL(callParkVisibleChanged()), this, SLOT(checkIfNeedsToBeVisible()));
}

void NotificationsWidget::setAddParticipantsVisible(bool visible)
{
    if (m_AddParticipants == visible)
        return;
    m_AddParticipants = visible;
    emit addParticipantsVisibleChanged();
}

void NotificationsWidget::setCallTransferVisible(bool visible)
{
    if (m_Transfer == visible)
        return;
    m_Transfer = visible;
    emit callTransferVisibleChanged();
}

void NotificationsWidget::setCallParkVisible(bool visible)
{
    if (m_Park == visible)
        return;
    m_Park = visible;
    emit callParkVisibleChanged();
}

void NotificationsWidget::transferCallTriggered()
{
    setFocus(Qt::OtherFocusReason);
    setCallTransferVisible(true);
    emit resizeWindow();
}

void NotificationsWidget::callParkTriggered()
{
    setFocus(Qt::OtherFocusReason);
    setCallParkVisible(true);
    emit resizeWindow();
}

void NotificationsWidget::addParticipantsTriggered()
{
    setFocus(Qt::OtherFocusReason);
    setAddParticipantsVisible(true);
    emit resizeWindow();
}

void NotificationsWidget::closeContactList()
{
    setCallTransferVisible(false);
    setCallParkVisible(false);
    setAddParticipantsVisible(false);
}

int NotificationsWidget::callState() const
{
    const Kivo::MediaEngine::CallBasePtr* call = m_Session ? m_Session->getCall() : nullptr;
    return call ? call->getCallState() : Kivo::MediaEngine::CallBasePtr::NotInACall;
}

void NotificationsWidget::watchShare(Kivo::Webcollab::WebcollabBase* share)
{
    if (!share || share == m_Share)
        return;
    m_Share = share;
    CHECKED_CONNECT(share, SIGNAL(stateChanged()), this, SLOT(checkIfNeedsToBeVisible()));
    // Only a share of the screen-sharing service can come from an incompatible component.
    if (qobject_cast<Kivo::Webcollab::WebcollabZyn*>(share))
        CHECKED_CONNECT(share, SIGNAL(mismatchChanged()), this, SLOT(checkIfNeedsToBeVisible()));
}

bool NotificationsWidget::shareMismatched() const
{
    const Kivo::Webcollab::WebcollabBase* share = m_Session ? m_Session->getWebCollab() : nullptr;
    return share && share->property("mismatchedTags").toBool();
}

int NotificationsWidget::wantedHeight() const
{
    if (m_AddParticipants || m_Transfer)
        return PanelHeight;
    if (m_Park)
        return ParkHeight;
    if (m_Session && m_Session->getShareInvitationOrphan())
        return ShareProblemHeight;
    if (shareMismatched())
        return ShareProblemHeight;
    if (callState() == Kivo::MediaEngine::CallBasePtr::WaitingForUs)
        return AnswerHeight;
    if (m_TransferButton)
        return AnswerHeight;
    return DefaultHeight;
}

void NotificationsWidget::updateTransferButton()
{
    const int state = callState();
    const bool shown = m_Session && m_Session->getCall() && m_Session->getHasAssociatedFirstCall()
                       && (state == Kivo::MediaEngine::CallBasePtr::InCall
                           || state == Kivo::MediaEngine::CallBasePtr::OnHold
                           || state == Kivo::MediaEngine::CallBasePtr::RemoteHold);
    if (shown == m_TransferButton)
        return;
    m_TransferButton = shown;
    emit callTransferButtonVisibleChanged();
}

bool NotificationsWidget::isUrgent() const
{
    const Kivo::Webcollab::WebcollabBase* share = m_Session->getWebCollab();
    if (share && (share->getState() == ShareConfirmingJoin || shareMismatched()))
        return true;
    return callState() == Kivo::MediaEngine::CallBasePtr::WaitingForUs || m_Session->getShareInvitationOrphan();
}

void NotificationsWidget::checkIfNeedsToBeVisible()
{
    if (!m_Session)
        return;
    updateTransferButton();
    if (!m_Session->getCall() || callState() == Kivo::MediaEngine::CallBasePtr::NotInACall)
        closeContactList();

    const bool urgent = isUrgent();
    const bool wanted = m_AddParticipants || m_Transfer || m_Park || m_TransferButton;
    QWidget* window = parentWidget() ? parentWidget()->window() : nullptr;
    const bool windowShown = window && window->isVisible();
    const bool shown = (urgent || wanted) && windowShown;

    if (urgent && windowShown) {
        window->show();
        if (window->isMinimized())
            window->showNormal();
        window->raise();
        window->activateWindow();
        QApplication::alert(window, 0);
    }
    const bool wasShown = !isHidden();
    setVisible(shown);
    const int height = wantedHeight();
    setFixedHeight(height);
    resize(width(), height);
    // A bar that goes gives its room back: the window lays out again without it.
    if (shown || wasShown)
        emit resizeWindow();
}

} // namespace QML
