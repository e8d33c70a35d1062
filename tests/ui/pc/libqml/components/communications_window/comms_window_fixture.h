#pragma once

#include "../../../../../libs/kivo/conversations/conversation_fixture.h"
#include "Providers/factory.h"
#include "libqml/components/communications_window/communications_window.h"

#include <Kivo/Controllers/SecurityClassificationController.h>
#include <Kivo/MediaEngine/CallBasePtr.h>

#include <QPointer>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

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
        Room,
        // A chat started during an audio call.
        AudioCallWithChat
    };

    // With `actions` the window gets the conversation's actions (a provider factory) as the
    // window manager's windows do.
    explicit Conversation(Start start, bool chatSecurity = false, bool actions = false)
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
        case AudioCallWithChat:
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
        if (start == AudioCallWithChat) {
            signedIn.comms()->createChat(QStringList{ConversationFixture::Bob});
            if (!QTest::qWaitFor([this] { return session && session->chatActive(); }))
                return;
        }
        if (actions)
            factory = std::make_unique<Providers::Factory>(signedIn.session(), signedIn.session()->contactsManager(),
                                                           nullptr, nullptr);
        window = new QML::CommunicationsWindow(signedIn.session(), session, factory.get(), false);
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
    std::unique_ptr<Providers::Factory> factory;
    QPointer<Kivo::Controllers::CommunicationSession> session;
    QPointer<QML::CommunicationsWindow> window;
};
