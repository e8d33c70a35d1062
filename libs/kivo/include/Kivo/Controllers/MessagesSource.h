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

    int voiceMessages() const { return m_Voice; }
    int videoMessages() const { return m_Video; }

signals:
    // Both counts as ints.
    void messages(QVariant voice, QVariant video);

private:
    void onMessagesWaiting(int voice, int video);

    int m_Voice = 0;
    int m_Video = 0;
};

} // namespace Controllers
} // namespace Kivo
