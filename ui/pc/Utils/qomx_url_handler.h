#pragma once

#include <QObject>
#include <QString>

namespace Kivo {
namespace Sessions {
class SessionManagerBase;
}
} // namespace Kivo

namespace Utils {

// Keeps one link of the program's URL scheme until a session can act on it.
class QomxUrlHandler : public QObject
{
    Q_OBJECT

public:
    explicit QomxUrlHandler(const QString& link, QObject* parent = nullptr);

    QString link() const { return m_Link; }
    // Without a session the link waits for the next one.
    void initialize(Kivo::Sessions::SessionManagerBase* session);

private:
    QString m_Link;
};

} // namespace Utils
