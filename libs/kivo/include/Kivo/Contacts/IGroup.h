#pragma once

#include <QObject>
#include <QString>

namespace Kivo {
namespace Contacts {

// A contact group; the all-contacts and favourites groups carry fixed identifiers.
class IGroup : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int identifier READ getId CONSTANT)
    Q_PROPERTY(QString name READ getName NOTIFY nameChanged)

public:
    static constexpr int AllContactsId = 0xFFFFF3;
    static constexpr int FavoritesId = 0xFFFFF4;

    IGroup(int id, const QString& name, QObject* parent = nullptr)
        : QObject(parent), m_Id(id), m_Name(name) {}

    virtual int getId() const { return m_Id; }
    virtual QString getName() const { return m_Name; }

    void setName(const QString& name)
    {
        if (name == m_Name)
            return;
        m_Name = name;
        emit nameChanged();
    }

signals:
    void nameChanged();

private:
    int m_Id;
    QString m_Name;
};

} // namespace Contacts
} // namespace Kivo
