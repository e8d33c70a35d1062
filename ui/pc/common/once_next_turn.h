#pragma once

#include <QPointer>

#include <functional>

class QObject;

// Work that many objects going together each ask for (a window's panes, the pages of a
// sign-out) is done once, on the next turn of the event loop, after all of them are gone.
class OnceNextTurn
{
public:
    explicit OnceNextTurn(std::function<void()> work);

    // Asks for the work on `context`'s thread; dropped if `context` goes first, and asked for
    // again by the next request then.
    void request(QObject* context);

private:
    std::function<void()> m_Work;
    QPointer<QObject> m_Pending;
};
