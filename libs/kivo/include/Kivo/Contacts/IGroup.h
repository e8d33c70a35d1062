#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

namespace Kivo {
namespace Contacts {

class Contacts;

// A contact group; the all-contacts and favourites groups carry fixed identifiers.
// Renaming a group of the contact list is a request to the service.
class IGroup : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int identifier READ getId NOTIFY identifierChanged)
    Q_PROPERTY(QString name READ getName NOTIFY nameChanged)

public:
    static constexpr int AllContactsId = 0xFFFFF3;
    static constexpr int FavoritesId = 0xFFFFF4;

    IGroup(int id, const QString& name, QObject* parent = nullptr);

    int getId() const { return m_Id; }
    QString getName() const { return m_Name; }

public slots:
    void setName(const QString& name);

signals:
    void nameChanged();
    // A group made by addGroup gets its identifier when the service confirms it.
    void identifierChanged();

private:
    friend class Contacts;

    void applyName(const QString& name);
    void applyId(int id);

    int m_Id;
    QString m_Name;
    QPointer<Contacts> m_List;
};

using GroupPtr = IGroup*;

} // namespace Contacts
} // namespace Kivo
