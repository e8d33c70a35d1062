#pragma once

#include <QString>

namespace Kivo {
namespace Webcollab {

// A participant of a collaboration session.
class TSessionUser
{
public:
    TSessionUser() = default;
    explicit TSessionUser(const QString& id)
        : m_Id(id)
    {
    }

    QString id() const { return m_Id; }

private:
    QString m_Id;
};

} // namespace Webcollab
} // namespace Kivo
