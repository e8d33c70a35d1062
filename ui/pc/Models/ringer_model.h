#pragma once

#include <QAbstractListModel>
#include <QStringList>

namespace Models {

// The ring signals a contact's own ringer can be chosen from: "Select other...", "Use
// default ring signal", then every ringer of the theme's ring-signals list.
class RingerModel : public QAbstractListModel
{
    Q_OBJECT

public:
    static constexpr const char* RingSignalsList = ":/sounds/ring_signals.xml";

    explicit RingerModel(QObject* parent = nullptr);
    // Reads the ringers of another list (a missing one leaves the two fixed rows).
    RingerModel(const QString& ringSignalsList, QObject* parent);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    // Qt::DisplayRole: the description; Qt::UserRole: the sound file, or the label of a
    // fixed row.
    QVariant data(const QModelIndex& index, int role) const override;

private:
    void readRingers(const QString& ringSignalsList);

    QStringList m_Values;
    QStringList m_Descriptions;
};

} // namespace Models
