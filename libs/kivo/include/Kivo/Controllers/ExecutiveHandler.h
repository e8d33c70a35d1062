#pragma once

#include <QHash>
#include <QObject>
#include <QPair>
#include <QPointer>

namespace Kivo {
namespace Contacts {
class IContact;
}
namespace Controllers {

// Calls placed and taken for executives: as whom the user calls, and how the calls an
// assistant takes for an executive show the caller.
class ExecutiveHandler : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // The executive the user's next calls go out for; null: the user's own calls.
    Contacts::IContact* getExecutiveCallContact() const { return m_CallContact; }
    void setExecutiveCallContact(Contacts::IContact* contact);
    // How a call for the executive `contactId` shows: the name ("Originator" shows the
    // caller) and the number ("Executive" hides the caller's).
    QString getNameMode(int contactId) const;
    QString getNumberMode(int contactId) const;
    void setModes(int contactId, const QString& nameMode, const QString& numberMode);

signals:
    void executiveCallContactChanged();

private:
    QPointer<Contacts::IContact> m_CallContact;
    QHash<int, QPair<QString, QString>> m_Modes;
};

} // namespace Controllers
} // namespace Kivo
