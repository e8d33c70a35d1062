#pragma once

#include <Kivo/Models/Helper.h>

#include <QSortFilterProxyModel>

namespace Kivo {
namespace Models {

// The participants of a conversation in the order the participants pane shows them: the
// user first, then by role (owner, moderators, members, guests, those waiting), then by name.
class CommsSessionParticipantsSort : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    // `roomConference` and `shareHandler` say what the session's conference and share can
    // do; they do not change the order here.
    CommsSessionParticipantsSort(int primarySortField, bool roomConference, bool shareHandler, QObject* parent = nullptr);

    int primarySortField() const { return m_Field; }
    void changePrimarySortField(Kivo::Models::Helper::PrimarySortField field);

protected:
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

private:
    QString sortName(const QModelIndex& index) const;

    int m_Field;
};

} // namespace Models
} // namespace Kivo
