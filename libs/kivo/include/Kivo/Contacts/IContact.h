#pragma once

#include <QObject>
#include <QString>

namespace Kivo {
namespace Contacts {

// One entry of the contact list as the user interface sees it.
class IContact : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int identifier READ getId CONSTANT)
    Q_PROPERTY(QString displayName READ getDisplayName NOTIFY displayNameChanged)

public:
    explicit IContact(int id, const QString& displayName = QString(), QObject* parent = nullptr)
        : QObject(parent), m_Id(id), m_DisplayName(displayName) {}

    virtual int getId() const { return m_Id; }
    virtual QString getDisplayName() const { return m_DisplayName; }

    void setDisplayName(const QString& name)
    {
        if (name == m_DisplayName)
            return;
        m_DisplayName = name;
        emit displayNameChanged();
    }

signals:
    void displayNameChanged();

private:
    int m_Id;
    QString m_DisplayName;
};

} // namespace Contacts
} // namespace Kivo
