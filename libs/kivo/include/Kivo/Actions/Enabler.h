#pragma once

#include <QObject>
#include <QString>

namespace Kivo {
namespace Actions {

// Decides whether engine actions may be used now, and tells when that may have changed.
class Enabler : public QObject
{
    Q_OBJECT

public:
    explicit Enabler(QObject* parent = nullptr) : QObject(parent) {}

    // Whether the engine action `actionId` may be used now.
    virtual bool isEnabled(int actionId) const;

signals:
    void enable(const Kivo::Actions::Enabler* enabler);
};

// Desktop sharing: usable unless the web collaboration service refused the user's
// credentials or could not be reached.
class WebcollabEnabler : public Enabler
{
    Q_OBJECT

public:
    using Enabler::Enabler;

    bool isEnabled(int actionId) const override;
    bool hasAuthorizationFailed() const { return m_AuthorizationFailed; }
    bool hasConnectionFailed() const { return m_ConnectionFailed; }

    // What the web collaboration service answered last.
    void setAuthorizationFailed(bool failed);
    void setConnectionFailed(bool failed);

private:
    bool m_AuthorizationFailed = false;
    bool m_ConnectionFailed = false;
};

// The service's feature codes for taking back a parked call and for pulling a call over
// from another device of the user.
class CallServicesEnabler : public Enabler
{
    Q_OBJECT

public:
    static constexpr const char* RetrieveCallParkCode = "*88";
    static constexpr const char* CallPullCode = "*11";

    using Enabler::Enabler;

    QString getRetrieveCallParkCode() const { return QString::fromLatin1(RetrieveCallParkCode); }
    QString getCallPullCode() const { return QString::fromLatin1(CallPullCode); }
};

} // namespace Actions
} // namespace Kivo
