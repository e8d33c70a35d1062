#pragma once

#include <QPointer>
#include <QSortFilterProxyModel>

namespace Kivo {
namespace Controllers {
class XmppChatController;
}
namespace Models {

class ChatRoomsModel;

// The rooms list of the main window: the rooms by name, narrowed by the search text.
class ChatRoomsFilter : public QSortFilterProxyModel
{
    Q_OBJECT
    Q_PROPERTY(bool fetchingRooms READ isFetchingRooms NOTIFY fetchingRoomsChanged)
    Q_PROPERTY(int count READ rowCount NOTIFY countChanged)

public:
    ChatRoomsFilter(ChatRoomsModel* rooms, Controllers::XmppChatController* controller, QObject* parent = nullptr);

    bool isFetchingRooms() const { return m_Fetching; }
    void setFetchingRooms(bool fetching);
    int rowCount(const QModelIndex& parent = QModelIndex()) const override
    {
        return QSortFilterProxyModel::rowCount(parent);
    }

    // Empties the list and asks the service for the rooms again.
    Q_INVOKABLE void clearAndFetchRooms();

signals:
    void fetchingRoomsChanged();
    void countChanged();

private:
    QPointer<Controllers::XmppChatController> m_Controller;
    bool m_Fetching = false;
};

} // namespace Models
} // namespace Kivo
