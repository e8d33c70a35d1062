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
    Q_PROPERTY(bool open READ isOpen WRITE setOpen NOTIFY openChanged)
    Q_PROPERTY(bool searching READ isSearching NOTIFY searchingChanged)
    Q_PROPERTY(bool countShown READ isCountShown NOTIFY countShownChanged)

public:
    static constexpr int AllContactsId = 0xFFFFF3;
    static constexpr int FavoritesId = 0xFFFFF4;

    IGroup(int id, const QString& name, QObject* parent = nullptr);

    int getId() const { return m_Id; }
    QString getName() const { return m_Name; }
    // Whether a list shows the group's members or only the group's own row.
    bool isOpen() const { return m_Open; }
    // A group of search results whose search is still running.
    bool isSearching() const { return m_Searching; }
    // Whether the group's row shows how many members it has.
    bool isCountShown() const { return m_CountShown; }
    // A group the user cannot change: not one of the contact list's own groups (the other
    // contacts, favourites, a search's results).
    bool isSpecial() const { return m_List.isNull(); }

public slots:
    void setName(const QString& name);
    void setOpen(bool open);
    void setSearching(bool searching);
    void setCountShown(bool shown);
    // Requests to the list's group order; a special group does not move.
    void moveFirst();
    void moveUp();
    void moveDown();
    void moveLast();

signals:
    void nameChanged();
    void openChanged();
    void searchingChanged();
    void countShownChanged();
    // A group made by addGroup gets its identifier when the service confirms it.
    void identifierChanged();

private:
    friend class Contacts;

    void applyName(const QString& name);
    void applyId(int id);
    // The group's place in the list's group order; -1 for a special group.
    int position() const;
    void moveTo(int position);

    int m_Id;
    QString m_Name;
    QPointer<Contacts> m_List;
    bool m_Open = true;
    bool m_Searching = false;
    bool m_CountShown = false;
};

using GroupPtr = IGroup*;

} // namespace Contacts
} // namespace Kivo
