#pragma once

#include <QString>

namespace Kivo {
namespace Databases {

// The communications history file of one user.
class Comms
{
public:
    bool Initialize(const QString& path);
    void reset();
    bool isOpen() const { return !m_Path.isEmpty(); }
    QString path() const { return m_Path; }

private:
    QString m_Path;
};

} // namespace Databases
} // namespace Kivo
