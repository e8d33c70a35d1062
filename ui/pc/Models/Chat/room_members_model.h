#pragma once

#include <Kivo/Contacts/Contacts.h>
#include <Kivo/Utils/SharedPointer.h>

#include <QAbstractListModel>
#include <QStringList>

namespace Models {
namespace Chat {

// The members of a group chat room being created or edited, each with a check box; the
// rows are keyed by chat address and show the member's name.
class RoomMembersModel : public QAbstractListModel
{
    Q_OBJECT

public:
    RoomMembersModel(Kivo::Utils::SharedPointer<Kivo::Contacts::Contacts> contacts, QObject* parent = nullptr);
    ~RoomMembersModel() override;

    // One unchecked row per address, in the order given; an address already listed is
    // listed again.
    void addMembers(const QStringList& jids);
    QStringList checkedMembers() const;
    // Returns the number of rows left.
    int removeCheckedMembers();

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    // Takes check states only.
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    struct Member
    {
        QString jid;
        QString displayName;
    };

    bool isRow(const QModelIndex& index) const;

    Kivo::Utils::SharedPointer<Kivo::Contacts::Contacts> m_Contacts;
    QList<Member*> m_Members;
    QList<int> m_CheckStates;
};

} // namespace Chat
} // namespace Models
