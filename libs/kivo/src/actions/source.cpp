#include <Kivo/Actions/Source.h>

#include <Kivo/Contacts/IContact.h>

namespace Kivo {
namespace Actions {

namespace {

Contacts::IContact* contactOf(QObject* object)
{
    if (auto* contact = qobject_cast<Contacts::IContact*>(object))
        return contact;
    return qobject_cast<Contacts::IContact*>(object->property("contact").value<QObject*>());
}

} // namespace

SourceComposite::SourceComposite(const QList<QObject*>& sources, int type, QObject* parent)
    : Source(parent), m_Type(type)
{
    for (QObject* source : sources)
        m_Sources.append(source);
}

QList<QObject*> SourceComposite::sources() const
{
    QList<QObject*> alive;
    for (const QPointer<QObject>& source : m_Sources) {
        if (source)
            alive.append(source.data());
    }
    return alive;
}

QList<Contacts::IContact*> ContactSourceComposite::contacts() const
{
    QList<Contacts::IContact*> found;
    for (QObject* source : sources()) {
        if (Contacts::IContact* contact = contactOf(source))
            found.append(contact);
    }
    return found;
}

QList<Contacts::IContact*> ActiveCommsSourceComposite::contacts() const
{
    QList<Contacts::IContact*> found;
    for (QObject* session : sources()) {
        if (auto* contact = qobject_cast<Contacts::IContact*>(session->property("contact").value<QObject*>()))
            found.append(contact);
    }
    return found;
}

} // namespace Actions
} // namespace Kivo
