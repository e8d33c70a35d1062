#pragma once

#include <QObject>

namespace Kivo {
namespace Controllers {

// One conversation with its call, chat and share parts.
class CommunicationSession : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool chatActive READ chatActive NOTIFY stateChanged)
    Q_PROPERTY(bool callActive READ callActive NOTIFY stateChanged)
    Q_PROPERTY(bool vyxCallActive READ vyxCallActive NOTIFY stateChanged)
    Q_PROPERTY(bool webCollabActive READ webCollabActive NOTIFY stateChanged)
    Q_PROPERTY(bool videoActive READ videoActive NOTIFY stateChanged)

public:
    struct State
    {
        bool chat = false;
        bool call = false;
        bool vyxCall = false;
        bool webCollab = false;
        bool video = false;
    };

    explicit CommunicationSession(QObject* parent = nullptr) : QObject(parent) {}

    bool chatActive() const { return m_State.chat; }
    bool callActive() const { return m_State.call; }
    bool vyxCallActive() const { return m_State.vyxCall; }
    bool webCollabActive() const { return m_State.webCollab; }
    bool videoActive() const { return m_State.video; }

    void setState(const State& state)
    {
        m_State = state;
        emit stateChanged();
    }

signals:
    void stateChanged();

private:
    State m_State;
};

} // namespace Controllers
} // namespace Kivo
