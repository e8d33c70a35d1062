#pragma once

#include "../../../../../libs/kivo/conversations/conversation_fixture.h"
#include "libqml/components/communications_window/communications_window.h"

#include <Kivo/Controllers/SecurityClassificationController.h>
#include <Kivo/MediaEngine/CallBasePtr.h>

#include <QPointer>
#include <QSignalSpy>
#include <QtTest>

// A conversation of alice's over the simulated service in a window of its own, made and
// activated as the window manager does.
class Conversation
{
public:
    enum Start
    {
        Chat,
        AudioCall,
        VideoCall,
        Room
    };

    explicit Conversation(Start start, bool chatSecurity = false)
    {
        if (!signedIn.isReady())
            return;
        if (chatSecurity)
            signedIn.session()->securityClassificationController()->setClassifications({}, "Confidential");
        QSignalSpy created(signedIn.comms(), &Kivo::Controllers::CommsSessionController::sessionCreated);
        switch (start) {
        case Chat:
            signedIn.comms()->createChat(QStringList{ConversationFixture::Bob});
            break;
        case AudioCall:
        case VideoCall:
            signedIn.comms()->createCall({ConversationFixture::Bob}, start == VideoCall);
            break;
        case Room:
            signedIn.comms()->createGroupChat(ConversationFixture::Design);
            break;
        }
        if (created.isEmpty() && !created.wait())
            return;
        session = ConversationFixture::nextSession(created);
        if (start == Chat || start == Room) {
            if (!QTest::qWaitFor([this] { return session && session->chatActive(); }))
                return;
        } else if (!callStarted(start == VideoCall)) {
            return;
        }
        window = new QML::CommunicationsWindow(signedIn.session(), session, nullptr, false);
        window->Activate();
    }

    ~Conversation()
    {
        delete window.data();
        if (session)
            session->close();
    }

    bool isReady() const { return window && session; }

    bool showWindow() const
    {
        window->show();
        return QTest::qWaitForWindowExposed(window);
    }

    bool callStarted(bool video) const
    {
        return QTest::qWaitFor([this, video] {
            const Kivo::MediaEngine::CallBasePtr* call = session ? session->getCall() : nullptr;
            return call && call->getCallState() == Kivo::MediaEngine::CallBasePtr::InCall
                   && (!video || call->getVideoState() != Kivo::MediaEngine::CallBasePtr::NoVideo);
        });
    }

    // A call with Bob joins the conversation with him.
    bool addVideoCall() const
    {
        signedIn.comms()->createCall({ConversationFixture::Bob}, true);
        return callStarted(true);
    }

    QWidget* pane(const char* name) const { return window->findChild<QWidget*>(QLatin1String(name)); }
    bool shows(const char* name) const { return pane(name) && pane(name)->isVisibleTo(window); }

    ConversationFixture::SignedIn signedIn;
    QPointer<Kivo::Controllers::CommunicationSession> session;
    QPointer<QML::CommunicationsWindow> window;
};
