#include "libqml/components/communications_window/communications_window.h"

#include "Utils/windowmanager.h"
#include "Widgets/Custom/video_call.h"
#include "common/assertions.h"
#include "common/logging.h"
#include "libqml/components/communications_window/border_widget_handler.h"
#include "libqml/components/notifications/notifications_widget.h"
#include "libqml/window/qml_view.h"

#include <Kivo/MediaEngine/CallBasePtr.h>
#include <Kivo/Webcollab/WebcollabBase.h>

#include <QBoxLayout>
#include <QQuickItem>
#include <QResizeEvent>
#include <QWindowStateChangeEvent>

namespace QML {

namespace {

using Session = Kivo::Controllers::CommunicationSession;
using Call = Kivo::MediaEngine::CallBasePtr;

constexpr int Unlimited = QWIDGETSIZE_MAX;
// A window this close to its minimum size counts as sitting at it.
constexpr int MinimumSlack = 10;

// Share states of the engine's web collaboration.
constexpr int ShareConfirmingJoin = 4;
constexpr int ShareWatching = 9;

// Pane limits of the layout.
constexpr QSize ChatMinimum(420, 255);
constexpr QSize ChatColumnMinimum(240, 155);
constexpr int VideoMinimumHeight = 275;
constexpr QSize WatchedVideoSize(240, 180);
constexpr QSize ShareMinimum(420, 275);
constexpr QSize SharerColumnMinimum(200, 275);
constexpr int ParticipantsWidth = 200;
constexpr int OwnRoomParticipantsWidth = 205;
constexpr int ParticipantsMinimumHeight = 150;
constexpr QSize ParticipantsColumnMinimum(240, 140);

// Moves the widget into the layout's end, wherever it sat before.
void append(QBoxLayout* layout, QWidget* widget, QBoxLayout* other)
{
    if (other->indexOf(widget) >= 0)
        other->removeWidget(widget);
    layout->removeWidget(widget);
    layout->addWidget(widget);
}

void setPaneLimits(View* pane, const QSize& minimum, const QSize& maximum, bool widthsOnly = false)
{
    pane->setPreferredMinSize(minimum);
    pane->setPreferredMaxSize(maximum);
    if (widthsOnly) {
        pane->setMinimumWidth(minimum.width());
        pane->setMaximumWidth(maximum.width());
    } else {
        pane->setMinimumSize(minimum);
        pane->setMaximumSize(maximum);
    }
}

} // namespace

// What one run of the layout derives from the session.
struct CommunicationsWindow::Facts
{
    unsigned state = 0;
    bool audioCall = false;
    bool videoCall = false;
    bool chat = false;
    bool group = false;
    bool share = false;
    bool shareParticipant = false;
    bool sharePanelNeeded = false;
    bool screenShareHandler = false;
    bool chatVisible = false;
    bool security = false;
    bool wasFullScreen = false;
    bool showVideo = false;
    bool videoBecomesVisible = false;

    bool watching() const { return share && shareParticipant; }
    bool sharing() const { return share && !shareParticipant; }
};

CommunicationsWindow::Facts CommunicationsWindow::stateFacts() const
{
    Facts facts;
    facts.state = m_Session->getState();
    const Call* call = m_Session->getCall();
    const bool callFlag = facts.state & Session::CallFlag;
    facts.videoCall = callFlag && call
                      && (call->getCallType() == Call::VideoCall || call->getCallType() == Call::VideoConference)
                      && call->getVideoState() != Call::NoVideo;
    facts.audioCall = callFlag && !facts.videoCall;
    facts.chat = m_Session->chatActive();
    facts.group = facts.state & Session::Conference;
    facts.share = (facts.state & Session::Share) || m_Session->webCollabActive();
    facts.screenShareHandler = m_Session->getZynHandler() != nullptr;
    if (const Kivo::Webcollab::WebcollabBase* share = m_Session->getWebCollab()) {
        if (facts.screenShareHandler) {
            facts.sharePanelNeeded = facts.share && share->getState() != ShareConfirmingJoin;
            facts.share = facts.shareParticipant = share->getState() == ShareWatching;
        } else {
            facts.share = facts.share && share->getState() != ShareConfirmingJoin;
            facts.shareParticipant = !share->isFloorHolder();
        }
    }
    facts.chatVisible = m_Session->chatActive();
    facts.security = (m_Session->isChatSecurityClassificationEnabled() && facts.chatVisible)
                     || (m_Session->isCallSecurityClassificationEnabled() && callFlag);
    facts.wasFullScreen = isFullScreen();
    facts.showVideo = facts.videoCall && (!facts.shareParticipant || m_VideoPanelVisible);
    facts.videoBecomesVisible = facts.showVideo && m_VideoCall->isHidden();
    return facts;
}

void CommunicationsWindow::setWindowState()
{
    if (!m_Session)
        return;
    const Facts facts = stateFacts();
    LOG_INFO << "state: " << facts.state << ", audioCall: " << facts.audioCall << ", videoCall: " << facts.videoCall
             << ", chat: " << facts.chat << ", group: " << facts.group;
    LOG_INFO << "webcollab: " << facts.share << ", webcollabParticipant: " << facts.shareParticipant
             << ", chatVisible: " << facts.chatVisible;
    LOG_INFO << "security: " << facts.security << ", wasFullScreen: " << facts.wasFullScreen
             << ", videoVisibilityChanged: " << facts.videoBecomesVisible;

    // A group's participants or a share's controls need the left pane: opening it lays out again.
    if (!m_LeftPaneVisible
        && ((facts.group && (m_Session->getChat() || facts.screenShareHandler)) || facts.sharePanelNeeded)) {
        setSharePanelVisible(true);
        setLeftPaneVisible(true);
        return;
    }

    m_ChatWidget->setVisible(facts.chatVisible);
    m_CallWidget->setVisible(facts.audioCall && !facts.chatVisible && !m_LeftPaneVisible);
    m_VideoCall->setVisible(facts.showVideo);
    m_WebCollabWidget->setVisible(facts.share);
    m_DetailsPane->setVisible(m_LeftPaneVisible && m_Session->isMyRoomSession() && facts.screenShareHandler);
    m_ShareControlsPane->setVisible(m_LeftPaneVisible && facts.screenShareHandler);
    m_ParticipantsPane->setVisible(m_LeftPaneVisible);
    m_SecurityBar->setVisible(facts.security);

    sizePanes(facts);
    placePanes(facts);
    placeDividers(facts);
    sizeWindow(facts);
}

void CommunicationsWindow::sizePanes(const Facts& facts)
{
    // Every minimum height leaves room for the notification bar while it shows.
    const int barHeight = m_NotificationsWidget->isVisibleTo(this) ? m_NotificationsWidget->height() : 0;
    const auto lower = [barHeight](QSize size) { return QSize(size.width(), qMax(0, size.height() - barHeight)); };

    if (facts.chat) {
        const bool column = facts.videoCall || facts.watching();
        setPaneLimits(m_ChatWidget, lower(column ? ChatColumnMinimum : ChatMinimum),
                      QSize(column ? ChatColumnMinimum.width() : Unlimited, Unlimited));
    }

    if (facts.videoCall) {
        if (facts.watching()) {
            m_VideoCall->setMinimumSize(lower(WatchedVideoSize));
            m_VideoCall->setMaximumSize(WatchedVideoSize);
        } else {
            m_VideoCall->setMinimumSize(lower(QSize(CallPaneMinimumSize.width(), VideoMinimumHeight)));
            m_VideoCall->setMaximumSize(Unlimited, Unlimited);
        }
    }

    if (facts.share) {
        const bool column = facts.sharing() && (facts.chatVisible || facts.videoCall);
        setPaneLimits(m_WebCollabWidget, lower(column ? SharerColumnMinimum : ShareMinimum),
                      QSize(column ? SharerColumnMinimum.width() : Unlimited, Unlimited));
    }

    if (m_LeftPaneVisible) {
        QSize minimum(m_Session->isOwnMyRoomSession() ? OwnRoomParticipantsWidth : ParticipantsWidth,
                      ParticipantsMinimumHeight);
        QSize maximum(minimum.width(), Unlimited);
        if (!facts.videoCall && !facts.chatVisible && !facts.share)
            maximum.setWidth(Unlimited);
        if (facts.chatVisible && (facts.videoCall || facts.watching())) {
            minimum = ParticipantsColumnMinimum;
            maximum = QSize(ParticipantsColumnMinimum.width(),
                            facts.screenShareHandler ? Unlimited : ParticipantsColumnMinimum.height());
        } else if (facts.videoCall && facts.watching()) {
            minimum = ParticipantsColumnMinimum;
        }
        // A column is never narrower at most than at least: the wider of the two holds.
        maximum.setWidth(qMax(maximum.width(), minimum.width()));
        const QQuickItem* root = m_ParticipantsPane->rootObject();
        const QVariant showParticipants = root ? root->property("showParticipants") : QVariant();
        setPaneLimits(m_ParticipantsPane, lower(minimum), maximum,
                      showParticipants.isValid() && !showParticipants.toBool());
        for (View* header : {m_DetailsPane, m_ShareControlsPane, m_VideoHeader, m_ChatHeader})
            header->setMaximumWidth(qMax(maximum.width(), minimum.width()));
    }
}

void CommunicationsWindow::placePanes(const Facts& facts)
{
    QBoxLayout* content = contentLayout();
    QBoxLayout* left = leftPaneLayout();
    ASSERT_RETURN(content && left);
    const bool video = facts.videoCall;
    const bool leftPane = m_LeftPaneVisible;
    const bool chat = facts.chatVisible;
    const bool share = facts.share;
    const bool watching = facts.watching();

    QList<QWidget*> toLeft;
    QList<QWidget*> toContent;
    if (video && leftPane && chat && share) {
        if (watching) {
            toLeft = {m_VideoHeader, m_VideoCall, m_ParticipantsPane, m_ChatHeader, m_ChatWidget};
            toContent = {m_WebCollabWidget};
        } else {
            toLeft = {m_ParticipantsPane, m_ChatHeader, m_ChatWidget};
            toContent = {m_VideoCall, m_WebCollabWidget};
        }
    } else if (leftPane && chat && share) {
        toLeft = {m_ParticipantsPane, m_ChatHeader};
        if (watching)
            toLeft << m_ChatWidget;
        else
            toContent << m_ChatWidget;
        toContent << m_WebCollabWidget;
    } else if (video && chat && share) {
        if (watching) {
            toLeft = {m_VideoHeader, m_VideoCall, m_ChatHeader, m_ChatWidget};
            toContent = {m_WebCollabWidget};
        } else {
            toContent = {m_ChatWidget, m_VideoCall, m_WebCollabWidget};
        }
    } else if (video && leftPane && share) {
        if (watching)
            toLeft = {m_VideoHeader, m_VideoCall};
        else
            toContent = {m_VideoCall};
        toLeft << m_ParticipantsPane << m_ChatHeader << m_ChatWidget;
        toContent << m_WebCollabWidget;
    } else if (video && leftPane) {
        toLeft = {m_ParticipantsPane, m_ChatHeader, m_ChatWidget};
        toContent = {m_VideoCall};
    } else if (chat && share && !video) {
        toContent = {m_ChatWidget, m_WebCollabWidget};
    } else if (video && chat) {
        toContent = {m_ChatWidget, m_VideoCall};
    } else if (leftPane && chat) {
        toLeft = {m_ParticipantsPane, m_ChatHeader};
        toContent = {m_ChatWidget};
    } else if (leftPane && share) {
        toLeft = {m_ParticipantsPane, m_ChatHeader, m_ChatWidget};
        toContent = {m_WebCollabWidget};
    } else if (video && share) {
        toLeft = {m_VideoHeader, m_VideoCall, m_ChatHeader, m_ChatWidget};
        toContent = {m_WebCollabWidget};
    } else if (video) {
        toContent = {m_VideoCall};
    } else if (share) {
        toContent = {m_WebCollabWidget};
    } else if (chat) {
        toContent = {m_ChatWidget};
    } else if (facts.audioCall && leftPane) {
        toLeft = {m_ParticipantsPane, m_ChatHeader};
    } else if (facts.audioCall) {
        toContent = {m_CallWidget};
    } else if (leftPane) {
        toLeft = {m_ParticipantsPane, m_ChatHeader};
        toContent = {m_ChatWidget};
    }
    for (QWidget* widget : qAsConst(toLeft))
        append(left, widget, content);
    for (QWidget* widget : qAsConst(toContent))
        append(content, widget, left);
}

void CommunicationsWindow::placeDividers(const Facts& facts)
{
    QBoxLayout* content = contentLayout();
    QBoxLayout* left = leftPaneLayout();
    ASSERT_RETURN(content && left);
    m_BorderHandler->resetWidgets(content);
    bool first = true;
    for (int index = 0; index < content->count(); ++index) {
        QLayoutItem* item = content->itemAt(index);
        QWidget* widget = item->widget();
        if (m_BorderHandler->contains(widget))
            continue;
        const bool counts = widget ? widget->isVisibleTo(this) : (item->layout() == left && m_LeftPaneVisible);
        if (!counts)
            continue;
        if (!first) {
            m_BorderHandler->insertWidgetToLayout(content, index);
            ++index;
        }
        first = false;
    }

    const bool videoHeader = facts.screenShareHandler && facts.videoCall && m_LeftPaneVisible
                             && left->indexOf(m_VideoCall) >= 0;
    m_VideoHeader->setVisible(videoHeader);
    if (!videoHeader)
        m_VideoPanelVisible = true;
    m_ChatHeader->setVisible(facts.screenShareHandler && m_Session->chatActive() && m_LeftPaneVisible
                             && left->indexOf(m_ChatWidget) >= 0);
}

void CommunicationsWindow::sizeWindow(const Facts& facts)
{
    const int extraHeight = m_Footer->minimumHeight() + (facts.security ? m_SecurityBar->height() : 0);
    const bool barShown = m_NotificationsWidget->isVisibleTo(this);
    int width = 0;
    int height = extraHeight;
    if (facts.videoCall || facts.audioCall || m_LeftPaneVisible || facts.chatVisible || facts.share) {
        const QSize content = getLayoutMinimumSize(contentLayout());
        width = content.width();
        height = extraHeight + content.height();
        if (facts.audioCall && m_LeftPaneVisible)
            width = qMax(width, CallPaneMinimumSize.width());
        if (facts.audioCall && barShown)
            m_NotificationsWidget->setFocus(Qt::OtherFocusReason);
    }
    if (!facts.videoCall && !facts.share && isFullScreen())
        exitFullScreen();
    if (barShown)
        height += m_NotificationsWidget->height();

    const QSize minimum = minimumSize();
    const bool wasMinimumSized =
        this->width() <= minimum.width() + MinimumSlack && this->height() <= minimum.height() + MinimumSlack;
    const bool userSized = m_RestorePending || isMaximized() || m_WindowMaximized || wantsFullscreen();
    bool minimumChanged = false;
    if (width >= 0 && height >= 0 && QSize(width, height) != minimum && !userSized) {
        setMinimumSize(width, height);
        minimumChanged = true;
    }
    LOG_INFO << "visible: " << isVisible() << ", minSize: (" << minimumWidth() << ", " << minimumHeight() << ")";
    LOG_INFO << "fullscreen: " << isFullScreen() << ", wasMinimumSized" << wasMinimumSized
             << ", wasFullScreen: " << facts.wasFullScreen;
    if (!userSized && (!isVisible() || wasMinimumSized || facts.wasFullScreen)) {
        LOG_INFO << "Adapting to new minimum size";
        resize(minimumSize());
        Utils::WindowManager::keepOnScreen(this, minimumWidth(), minimumHeight());
    } else {
        LOG_INFO << "Not changing window size or location";
        if (minimumChanged && !m_RestorePending)
            Utils::WindowManager::keepOnScreen(this, minimumWidth(), minimumHeight());
    }
    if (facts.videoBecomesVisible)
        m_VideoCall->repaint();
}

QSize CommunicationsWindow::getLayoutMinimumSize(QBoxLayout* layout) const
{
    ASSERT_RETURN_VALUE(layout, QSize(-1, -1));
    const bool vertical =
        layout->direction() == QBoxLayout::TopToBottom || layout->direction() == QBoxLayout::BottomToTop;
    int width = 0;
    int height = 0;
    for (int index = 0; index < layout->count(); ++index) {
        QLayoutItem* item = layout->itemAt(index);
        QSize size(-1, -1);
        if (QWidget* widget = item->widget()) {
            if (widget->isVisibleTo(this)) {
                const auto* view = qobject_cast<const View*>(widget);
                const QSize preferred = view ? view->preferredMinSize() : QSize(-1, -1);
                size = preferred.width() >= 0 && preferred.height() >= 0 ? preferred : widget->minimumSize();
            }
            LOG_DEBUG << widget->objectName() << ": visible: " << widget->isVisibleTo(this) << ", minSize: ("
                      << size.width() << ", " << size.height() << ")";
        } else if (auto* nested = qobject_cast<QBoxLayout*>(item->layout())) {
            size = getLayoutMinimumSize(nested);
            LOG_DEBUG << nested->objectName() << "minSize: (" << size.width() << ", " << size.height() << ")";
        }
        if (size.width() < 0 || size.height() < 0)
            continue;
        if (vertical) {
            height += size.height();
            width = qMax(width, size.width());
        } else {
            width += size.width();
            height = qMax(height, size.height());
        }
    }
    LOG_DEBUG << "minWidth: " << width << ", minHeight: " << height;
    return QSize(width, height);
}

QSize CommunicationsWindow::minimumWindowSize() const
{
    return MinimumSize;
}

void CommunicationsWindow::onUpdateWindowState()
{
    setWindowState();
}

void CommunicationsWindow::toggleFullScreen()
{
    setWantsFullscreen(!isFullScreen());
}

void CommunicationsWindow::exitFullScreen()
{
    if (!isFullScreen())
        return;
    setWantsFullscreen(false);
    // A window made full screen by other means than the wish leaves it all the same.
    if (isFullScreen())
        showNormal();
}

void CommunicationsWindow::trackWindowState(const QEvent* event)
{
    if (event->type() != QEvent::WindowStateChange)
        return;
    const auto* change = static_cast<const QWindowStateChangeEvent*>(event);
    const bool maximized = windowState() & Qt::WindowMaximized;
    // Leaving the maximized state, the user's restored size holds until it fits the screen.
    if (!maximized && (change->oldState() & Qt::WindowMaximized))
        m_RestorePending = true;
    m_WindowMaximized = maximized;
}

void CommunicationsWindow::resizeEvent(QResizeEvent* event)
{
    LOG_DEBUG << "event->size(): (" << event->size().width() << ", " << event->size().height() << ")";
    refreshVideoSize();
    Window::resizeEvent(event);
    if (QQuickItem* footer = m_Footer ? m_Footer->rootObject() : nullptr) {
        if (footer->metaObject()->indexOfMethod("parentResized()") >= 0)
            QMetaObject::invokeMethod(footer, "parentResized");
    }
    const QRect screen = Utils::WindowManager::availableGeometry();
    if (m_RestorePending && event->size().width() < screen.width() && event->size().height() < screen.height()) {
        m_RestorePending = false;
        QMetaObject::invokeMethod(this, "setWindowState", Qt::QueuedConnection);
    }
}

} // namespace QML
