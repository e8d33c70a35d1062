#pragma once

#include <Kivo/Actions/ActionData.h>

#include <QList>
#include <QObject>
#include <QPointer>

namespace Kivo {
namespace Configuration {
class Config;
}
namespace Contacts {
class IContact;
}
namespace Actions {

// Something the engine's actions can be applied to; the program's action sources derive
// from it and say which actions they offer.
class Source : public QObject
{
    Q_OBJECT

public:
    // Source types the engine tells apart.
    enum Type {
        ObjectType = 0,
        ContactComposite = 5,
        ActiveCommsComposite = 6
    };

    explicit Source(QObject* parent = nullptr) : QObject(parent) {}

    virtual QList<ActionData> actionsData() const = 0;
    // Tells the engine which kind of source it is.
    virtual int sourceType() const = 0;
    // The engine object the actions apply to: the source itself unless it stands in for
    // another object.
    virtual QObject* sourceObject() { return this; }
};

// Stands in for an engine object (a contact, a conversation) that is not a Source itself.
class ObjectSource : public Source
{
    Q_OBJECT

public:
    ObjectSource(QObject* object, QObject* parent = nullptr) : Source(parent), m_Object(object) {}

    QList<ActionData> actionsData() const override { return {}; }
    int sourceType() const override { return ObjectType; }
    QObject* sourceObject() override { return m_Object; }

private:
    QPointer<QObject> m_Object;
};

// Several objects selected together; the actions apply to all of them.
class SourceComposite : public Source
{
    Q_OBJECT

public:
    SourceComposite(const QList<QObject*>& sources, int type, QObject* parent = nullptr);

    QList<ActionData> actionsData() const override { return {}; }
    int sourceType() const override { return m_Type; }
    // The sources still alive, in selection order.
    QList<QObject*> sources() const;
    QList<QObject*> getSources() const { return sources(); }
    // A new selection replaces the old one.
    void setSources(const QList<QObject*>& sources);
    // The selection changes one source at a time; a source is held once.
    void addSource(QObject* source);
    void removeSource(QObject* source);
    void reset();

signals:
    // One of the selected objects went away.
    void sourceDestroyed();
    // A source was added or removed, or the sources were reset.
    void sourcesChanged();

private:
    QList<QPointer<QObject>> m_Sources;
    int m_Type;
};

// Selected contacts or timeline entries.
class ContactSourceComposite : public SourceComposite
{
    Q_OBJECT

public:
    explicit ContactSourceComposite(const QList<QObject*>& sources, QObject* parent = nullptr)
        : SourceComposite(sources, ContactComposite, parent) {}

    // Each source's contact: the source itself when it is a contact, else the contact of
    // its timeline entry (its "contact" property). Sources without one add nothing.
    QList<Contacts::IContact*> contacts() const;
};

// Selected ongoing conversations.
class ActiveCommsSourceComposite : public SourceComposite
{
    Q_OBJECT

public:
    explicit ActiveCommsSourceComposite(const QList<QObject*>& sessions, QObject* parent = nullptr)
        : SourceComposite(sessions, ActiveCommsComposite, parent) {}

    // The contact of each conversation that has one.
    QList<Contacts::IContact*> contacts() const;
};

// Contacts and ongoing conversations selected together: the actions that apply to both
// kinds of selection, over the contacts of both.
class MixedSourceComposite : public SourceComposite
{
    Q_OBJECT

public:
    static constexpr int MixedComposite = 7;

    MixedSourceComposite(const Configuration::Config* config, ContactSourceComposite* contacts, ActiveCommsSourceComposite* comms,
                         QObject* parent = nullptr);

    QList<Contacts::IContact*> contacts() const;

private:
    QPointer<ContactSourceComposite> m_Contacts;
    QPointer<ActiveCommsSourceComposite> m_Comms;
};

} // namespace Actions
} // namespace Kivo
