#include <Kivo/Controllers/VyxServiceObject.h>
#include <Kivo/Controllers/VyxSupplementaryServicesController2.h>

#include "../kivo_log.h"

#include <QTimer>

namespace Kivo {
namespace Controllers {

using Tesk::Core::Logging::LevelWarning;

VyxServiceObject::VyxServiceObject(int id, const QString& name, const QString& numberAttribute,
                                   VyxSupplementaryServicesController2* controller)
    : QObject(controller)
    , m_Controller(controller)
    , m_Id(id)
    , m_Name(name)
    , m_NumberAttribute(numberAttribute)
{
}

SupplementaryService VyxServiceObject::service() const
{
    return SupplementaryService(static_cast<SupplementaryService::Id>(m_Id), m_State == 1, m_Target);
}

void VyxServiceObject::fetch()
{
    if (!m_Controller) {
        requestFailed(QStringLiteral("No connection to the server"));
        return;
    }
    setActivity(Fetching);
    m_Controller->fetchService(this);
}

void VyxServiceObject::push()
{
    if (!m_Controller) {
        requestFailed(QStringLiteral("No connection to the server"));
        return;
    }
    setActivity(Pushing);
    m_Controller->pushService(this);
}

void VyxServiceObject::rollback()
{
    dropLocalChanges();
    // Like every answer, from the event loop: callers connect to ready() after calling.
    QTimer::singleShot(0, this, &VyxServiceObject::ready);
}

void VyxServiceObject::setState(int state)
{
    if (state != 0 && state != 1) {
        KIVO_LOG(LevelWarning) << "Service " << m_Name << ": state " << state << " is neither 0 nor 1";
        return;
    }
    setLocal(state, m_Target);
}

void VyxServiceObject::setValue(const QString& value, const QString& attribute)
{
    if (attribute.isEmpty() || attribute != m_NumberAttribute) {
        KIVO_LOG(LevelWarning) << "Service " << m_Name << " has no attribute " << attribute;
        return;
    }
    setLocal(m_State, value);
}

QString VyxServiceObject::getValue(const QString& attribute) const
{
    return attribute == m_NumberAttribute && !attribute.isEmpty() ? m_Target : QString();
}

void VyxServiceObject::serverAnswered(const SupplementaryService& service, bool announce)
{
    m_Server = service;
    setLocal(service.active() ? 1 : 0, service.target());
    setActivity(Idle);
    if (announce)
        emit ready();
}

void VyxServiceObject::requestFailed(const QString& text)
{
    setActivity(Idle);
    emit error(text);
}

void VyxServiceObject::dropLocalChanges()
{
    if (m_Server)
        setLocal(m_Server->active() ? 1 : 0, m_Server->target());
    else
        setLocal(UnknownState, QString());
}

void VyxServiceObject::setActivity(Activity activity)
{
    if (activity == m_Activity)
        return;
    m_Activity = activity;
    emit activityChanged();
}

void VyxServiceObject::setLocal(int state, const QString& target)
{
    m_Target = target;
    if (state == m_State)
        return;
    m_State = state;
    emit stateChanged();
}

} // namespace Controllers
} // namespace Kivo
