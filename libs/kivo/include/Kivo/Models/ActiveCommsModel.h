#pragma once

#include <QAbstractListModel>
#include <QList>
#include <QPointer>

namespace Kivo {
namespace Controllers {
class CommsSessionController;
class CommunicationSession;
} // namespace Controllers
namespace Models {

// The conversations going on, one row each, most recently active first among those without
// a call and with calls ahead of them.
class ActiveCommsModel : public QAbstractListModel
{
    Q_OBJECT
    Q_PROPERTY(int count READ rowCount NOTIFY countChanged)
    Q_PROPERTY(bool hasCall READ hasCall NOTIFY hasCallChanged)

public:
    enum Roles
    {
        ItemKindRole = 316,
        ContactRole = 326,
        SessionRole = 348,
        CallRole = Qt::UserRole + 1,
        CallStateRole,
        HasCallRole,
        UnreadRole,
        RecordingRole,
        SortRole
    };
    // The item kind of every row, as the selection proxies know it.
    static constexpr int ActiveCommKind = 2;

    explicit ActiveCommsModel(Controllers::CommsSessionController* controller, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    bool hasCall() const;
    Controllers::CommunicationSession* session(int row) const { return m_Sessions.value(row); }

signals:
    void countChanged();
    void hasCallChanged();
    // A call came to be in progress: its conversation should be the selected one.
    void selectActiveSession();

private:
    void add(Controllers::CommunicationSession* session);
    void remove(Controllers::CommunicationSession* session);
    void refresh(Controllers::CommunicationSession* session);
    void touch(Controllers::CommunicationSession* session);

    QPointer<Controllers::CommsSessionController> m_Controller;
    QList<Controllers::CommunicationSession*> m_Sessions;
    // When each conversation was last active, for the order of rows without a call.
    QHash<const Controllers::CommunicationSession*, qint64> m_Activity;
    qint64 m_Clock = 0;
    bool m_HadCall = false;
};

} // namespace Models
} // namespace Kivo
