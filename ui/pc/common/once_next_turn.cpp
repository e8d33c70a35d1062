#include "common/once_next_turn.h"

#include <QTimer>

#include <utility>

OnceNextTurn::OnceNextTurn(std::function<void()> work)
    : m_Work(std::move(work))
{
}

void OnceNextTurn::request(QObject* context)
{
    if (!context || m_Pending == context)
        return;
    m_Pending = context;
    QTimer::singleShot(0, context, [this] {
        m_Pending = nullptr;
        m_Work();
    });
}
