#pragma once

#include <QAbstractListModel>
#include <QList>

namespace Kivo {
namespace Sessions {
class SubSession;
}

namespace Models {

// The session's sub-sessions as a list for diagnostic views; the model does not own them.
class SubSessionModel : public QAbstractListModel
{
    Q_OBJECT

public:
    enum Roles { SubSessionRole = Qt::UserRole + 1, TypeRole, StateRole, CurrentHostRole };

    explicit SubSessionModel(QObject* parent = nullptr);

    void addSubSession(Sessions::SubSession* subSession);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

private:
    void onSubSessionChanged(const QObject* subSession);

    QList<Sessions::SubSession*> m_SubSessions;
};

} // namespace Models
} // namespace Kivo
