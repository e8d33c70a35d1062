#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

namespace Kivo {
namespace Contacts {

class IGroup;
using GroupPtr = IGroup*;

// The signed-in user's contact list.
class Contacts : public QObject
{
    Q_OBJECT

public:
    explicit Contacts(QObject* parent = nullptr);

    // Display names of the contacts, in list order.
    QStringList names() const { return m_Names; }
    void setNames(const QStringList& names) { m_Names = names; }

signals:
    void groupAdded(Kivo::Contacts::GroupPtr group);
    void groupRemoved();

private:
    QStringList m_Names;
};

} // namespace Contacts
} // namespace Kivo
