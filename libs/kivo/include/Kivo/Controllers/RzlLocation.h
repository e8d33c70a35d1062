#pragma once

#include <QObject>
#include <QString>

namespace Kivo {
namespace Controllers {

// One Anywhere location: a number of the user's (a mobile, a home phone) that the service
// rings with the user's calls while it is active, and how calls reach it there. Switching
// it on or off goes to the server at once through its controller; the other settings with
// the controller's saveLocationDetails().
class RzlLocation : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString phoneNumber READ getPhoneNumber CONSTANT)
    Q_PROPERTY(QString description READ getDescription CONSTANT)
    Q_PROPERTY(bool active READ getActive WRITE setActive NOTIFY locationChanged)
    Q_PROPERTY(bool useDiversionInhibitor READ useDiversionInhibitor WRITE setUseDiversionInhibitor NOTIFY locationChanged)
    Q_PROPERTY(bool answerConfirmationRequired READ answerConfirmationRequired WRITE setAnswerConfirmationRequired
                   NOTIFY locationChanged)
    Q_PROPERTY(bool corvantiumCallControl READ corvantiumCallControl WRITE setCorvantiumCallControl NOTIFY locationChanged)
    Q_PROPERTY(bool criteriaActive READ criteriaActive WRITE setCriteriaActive NOTIFY locationChanged)

public:
    explicit RzlLocation(QObject* parent = nullptr)
        : QObject(parent)
    {
    }

    struct Details
    {
        QString phoneNumber;
        QString description;
        bool active = false;
        bool diversionInhibitor = false;
        bool answerConfirmation = false;
        bool callControl = false;
        bool criteriaActive = false;
    };

    RzlLocation(const Details& details, QObject* parent)
        : QObject(parent)
        , m_Details(details)
    {
    }

    const Details& details() const { return m_Details; }
    QString getPhoneNumber() const { return m_Details.phoneNumber; }
    QString getDescription() const { return m_Details.description; }
    bool getActive() const { return m_Details.active; }
    bool useDiversionInhibitor() const { return m_Details.diversionInhibitor; }
    bool answerConfirmationRequired() const { return m_Details.answerConfirmation; }
    bool corvantiumCallControl() const { return m_Details.callControl; }
    bool criteriaActive() const { return m_Details.criteriaActive; }

    void setActive(bool active)
    {
        if (set(m_Details.active, active))
            emit activeToggled(this);
    }
    void setUseDiversionInhibitor(bool on) { set(m_Details.diversionInhibitor, on); }
    void setAnswerConfirmationRequired(bool on) { set(m_Details.answerConfirmation, on); }
    void setCorvantiumCallControl(bool on) { set(m_Details.callControl, on); }
    void setCriteriaActive(bool on) { set(m_Details.criteriaActive, on); }

signals:
    void locationChanged();
    // The user switched the location on or off; its controller sends it.
    void activeToggled(Kivo::Controllers::RzlLocation* location);

private:
    bool set(bool& field, bool value)
    {
        if (field == value)
            return false;
        field = value;
        emit locationChanged();
        return true;
    }

    Details m_Details;
};

} // namespace Controllers
} // namespace Kivo
