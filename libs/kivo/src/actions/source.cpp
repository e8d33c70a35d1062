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
    setSources(sources);
}

void SourceComposite::setSources(const QList<QObject*>& sources)
{
    for (const QPointer<QObject>& old : qAsConst(m_Sources)) {
        if (old)
            disconnect(old, &QObject::destroyed, this, &SourceComposite::sourceDestroyed);
    }
    m_Sources.clear();
    for (QObject* source : sources) {
        if (!source)
            continue;
        m_Sources.append(source);
        connect(source, &QObject::destroyed, this, &SourceComposite::sourceDestroyed);
    }
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

void SourceComposite::addSource(QObject* source)
{
    QList<QObject*> held = sources();
    if (!source || held.contains(source))
        return;
    held.append(source);
    setSources(held);
    emit sourcesChanged();
}

void SourceComposite::removeSource(QObject* source)
{
    QList<QObject*> held = sources();
    if (held.removeAll(source) == 0)
        return;
    setSources(held);
    emit sourcesChanged();
}

void SourceComposite::reset()
{
    if (m_Sources.isEmpty())
        return;
    setSources({});
    emit sourcesChanged();
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

MixedSourceComposite::MixedSourceComposite(const Configuration::Config*, ContactSourceComposite* contacts,
                                           ActiveCommsSourceComposite* comms, QObject* parent)
    : SourceComposite((contacts ? contacts->sources() : QList<QObject*>()) +
                          (comms ? comms->sources() : QList<QObject*>()),
                      MixedComposite, parent)
    , m_Contacts(contacts)
    , m_Comms(comms)
{
}

QList<Contacts::IContact*> MixedSourceComposite::contacts() const
{
    QList<Contacts::IContact*> found;
    if (m_Contacts)
        found = m_Contacts->contacts();
    if (m_Comms) {
        for (Contacts::IContact* contact : m_Comms->contacts()) {
            if (!found.contains(contact))
                found.append(contact);
        }
    }
    return found;
}

} // namespace Actions
} // namespace Kivo
