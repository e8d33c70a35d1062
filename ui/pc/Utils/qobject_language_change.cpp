#include "Utils/qobject_language_change.h"

#include "common/connect_check.h"

#include <QEvent>
#include <QWidget>

namespace Utils {

// Never shown: a parentless widget is enough for Qt to deliver LanguageChange to it.
class QObjectLanguageChange::PocketWidget : public QWidget
{
public:
    explicit PocketWidget(QObjectLanguageChange* registry)
        : m_Registry(registry)
    {
    }

protected:
    void changeEvent(QEvent* event) override
    {
        if (event->type() == QEvent::LanguageChange)
            m_Registry->languageChanged(event);
    }

private:
    QObjectLanguageChange* m_Registry;
};

QObjectLanguageChange* QObjectLanguageChange::s_Instance = nullptr;

QObjectLanguageChange::QObjectLanguageChange()
    : QObject(nullptr)
    , m_PocketWidget(new PocketWidget(this))
{
}

QObjectLanguageChange::~QObjectLanguageChange()
{
    delete m_PocketWidget;
}

void QObjectLanguageChange::registerObject(QObject* object)
{
    if (!object)
        return;
    if (!s_Instance)
        s_Instance = new QObjectLanguageChange();
    if (s_Instance->m_Objects.contains(object))
        return;
    s_Instance->m_Objects.append(object);
    CHECKED_CONNECT(object, SIGNAL(destroyed(QObject*)), s_Instance,
                    SLOT(objectDestroyed(QObject*)));
}

void QObjectLanguageChange::destroy()
{
    delete s_Instance;
    s_Instance = nullptr;
}

void QObjectLanguageChange::objectDestroyed(QObject* object)
{
    m_Objects.removeAll(object);
}

void QObjectLanguageChange::languageChanged(QEvent* event)
{
    // A receiver may register or be deleted while the event goes round.
    const QList<QObject*> objects = m_Objects;
    for (QObject* object : objects) {
        if (m_Objects.contains(object))
            object->event(event);
    }
}

} // namespace Utils
