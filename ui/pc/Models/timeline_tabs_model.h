#pragma once

#include "Models/positioned_entries.h"

#include <QAbstractListModel>

namespace Models {

// The filter tabs above the history: chat, calls and voice mail, as the service
// configuration offers and orders them. Their types are the timeline filter's.
class TimeLineTabsModel : public QAbstractListModel
{
    Q_OBJECT

public:
    static constexpr int FilterTypeRole = 291;
    static constexpr int PositionRole = 359;

    // Configuration items: what offers the chat and voice-mail tabs, and the positions of
    // the chat, calls and voice-mail tabs.
    static constexpr int ChatItem = 361;
    static constexpr int VoiceMailItem = 126;
    static constexpr int ChatPositionItem = 208;
    static constexpr int CallsPositionItem = 209;
    static constexpr int VoiceMailPositionItem = 210;

    explicit TimeLineTabsModel(const Kivo::Configuration::Config* config, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    // A row out of range gives the first tab's.
    Q_INVOKABLE QString getToolTip(int row) const;

    // The filter type of the tab at `row`; out of range the first tab's, 0 without tabs.
    int typeAt(int row) const;
    // The configuration name of the tab of that type, empty when there is none.
    QString nameOfType(int type) const;
    // The filter the user saw last, while its tab still exists; else the first tab's.
    int initialFilterType() const;

private:
    QVector<PositionedEntry> m_Tabs;
};

} // namespace Models
