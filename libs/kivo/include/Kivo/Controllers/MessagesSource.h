#pragma once

#include <QObject>
#include <QVariant>

namespace Kivo {
namespace Controllers {

// The server's count of the signed-in user's waiting voice and video messages.
class MessagesSource : public QObject
{
    Q_OBJECT

public:
    explicit MessagesSource(QObject* parent = nullptr);

signals:
    // Both counts as ints.
    void messages(QVariant voice, QVariant video);

private:
    void onMessagesWaiting(int voice, int video);
};

} // namespace Controllers
} // namespace Kivo
