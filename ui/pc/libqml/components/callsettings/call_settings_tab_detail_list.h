#pragma once

#include <QAbstractListModel>
#include <QList>

namespace QML {

class CallSettingsTabDetail;

// The tabs of the call-settings window, for its list of pages.
class CallSettingsTabDetailList : public QAbstractListModel
{
    Q_OBJECT

public:
    enum Role
    {
        TabTitleRole = 257,
        TabTypeRole = 258,
        TabObjectRole = 259
    };

    explicit CallSettingsTabDetailList(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;
    bool removeRows(int row, int count, const QModelIndex& parent = QModelIndex()) override;

    void append(CallSettingsTabDetail* detail);
    CallSettingsTabDetail* at(int row) const { return m_Details.value(row); }

private:
    QList<CallSettingsTabDetail*> m_Details;
};

} // namespace QML
