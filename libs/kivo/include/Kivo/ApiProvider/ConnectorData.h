#pragma once

#include <QObject>
#include <QString>

namespace Kivo {
namespace ApiProvider {

// One add-in connector offered by the client API. The controller's connector lists hold
// one per row under the role named "connector"; setting the state answers the add-in.
class ConnectorData : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString name READ name CONSTANT)
    Q_PROPERTY(QString vendor READ vendor CONSTANT)
    Q_PROPERTY(QString description READ description CONSTANT)
    Q_PROPERTY(QString version READ version CONSTANT)
    Q_PROPERTY(bool connected READ connected NOTIFY connectedChanged)
    Q_PROPERTY(State state READ state WRITE setState NOTIFY stateChanged)

public:
    enum State
    {
        Pending = 0,
        Accepted = 1,
        Rejected = 2
    };
    Q_ENUM(State)

    // The model role, named "connector", under which a list hands out its connectors.
    static constexpr int ObjectRole = Qt::UserRole + 1;

    explicit ConnectorData(QObject* parent = nullptr) : QObject(parent) {}
    ConnectorData(const QString& name, const QString& vendor, const QString& description, const QString& version,
                  QObject* parent = nullptr)
        : QObject(parent), m_Name(name), m_Vendor(vendor), m_Description(description), m_Version(version)
    {
    }

    QString name() const { return m_Name; }
    QString vendor() const { return m_Vendor; }
    QString description() const { return m_Description; }
    QString version() const { return m_Version; }
    bool connected() const { return m_Connected; }
    State state() const { return m_State; }

    void setConnected(bool connected)
    {
        if (connected == m_Connected)
            return;
        m_Connected = connected;
        emit connectedChanged();
    }

    void setState(State state)
    {
        if (state == m_State)
            return;
        m_State = state;
        emit stateChanged();
    }

signals:
    void connectedChanged();
    void stateChanged();

private:
    QString m_Name;
    QString m_Vendor;
    QString m_Description;
    QString m_Version;
    bool m_Connected = false;
    State m_State = Pending;
};

} // namespace ApiProvider
} // namespace Kivo
