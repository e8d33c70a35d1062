#pragma once

#include <Kivo/Controllers/SupplementaryService.h>

#include <QObject>
#include <QPointer>
#include <QString>

#include <optional>

namespace Kivo {
namespace Controllers {

class VyxSupplementaryServicesController2;

// One supplementary service as a page edits it: the state and number the user sets locally,
// sent with push(), and the state the server last reported, brought back with rollback().
// Every answer of the server arrives as ready(); a failed fetch or push as error().
class VyxServiceObject : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int serviceId READ serviceId CONSTANT)
    Q_PROPERTY(QString name READ name CONSTANT)
    Q_PROPERTY(int state READ getState NOTIFY stateChanged)
    Q_PROPERTY(int activity READ getActivity NOTIFY activityChanged)

public:
    enum Activity
    {
        Idle = 0,
        Fetching = 1,
        Pushing = 2
    };
    Q_ENUM(Activity)

    // The state before the server has reported the service.
    static constexpr int UnknownState = -1;

    VyxServiceObject(int id, const QString& name, const QString& numberAttribute,
                     VyxSupplementaryServicesController2* controller);

    int serviceId() const { return m_Id; }
    QString name() const { return m_Name; }
    // 1 on, 0 off, UnknownState until the server reported it.
    int getState() const { return m_State; }
    int getActivity() const { return m_Activity; }
    // The attribute that holds the number the service forwards to; empty for services without.
    QString numberAttribute() const { return m_NumberAttribute; }
    // The service as the user set it here.
    SupplementaryService service() const;
    bool isKnown() const { return m_Server.has_value(); }

    Q_INVOKABLE void fetch();
    Q_INVOKABLE void push();
    Q_INVOKABLE void rollback();
    Q_INVOKABLE void setState(int state);
    Q_INVOKABLE void setValue(const QString& value, const QString& attribute);
    Q_INVOKABLE QString getValue(const QString& attribute) const;

    // The controller's side: the server's view of the service arrived (`announce` emits
    // ready()), a request of this object failed, or local changes are to be dropped.
    void serverAnswered(const SupplementaryService& service, bool announce);
    void requestFailed(const QString& text);
    void dropLocalChanges();

signals:
    void ready();
    void error(const QString& text);
    void stateChanged();
    void activityChanged();

private:
    void setActivity(Activity activity);
    void setLocal(int state, const QString& target);

    QPointer<VyxSupplementaryServicesController2> m_Controller;
    int m_Id;
    QString m_Name;
    QString m_NumberAttribute;
    std::optional<SupplementaryService> m_Server;
    int m_State = UnknownState;
    QString m_Target;
    Activity m_Activity = Idle;
};

} // namespace Controllers
} // namespace Kivo
