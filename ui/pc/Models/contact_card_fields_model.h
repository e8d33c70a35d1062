#pragma once

#include "Models/field_data.h"

#include <QAbstractListModel>
#include <QVector>

namespace Kivo {
namespace Configuration {
class Config;
}
} // namespace Kivo

namespace Models {

// The fields of a contact card: which the service configuration shows, in field order,
// with their labels and groups, and which of them the user may edit. Fixed for the
// model's life; the labels follow the language.
class ContactCardFieldsModel : public QAbstractListModel
{
    Q_OBJECT

public:
    static constexpr int FieldNameRole = 361;
    static constexpr int FieldTypeRole = 360;
    static constexpr int FieldGroupRole = 315;
    static constexpr int FieldEditableRole = Qt::EditRole;

    // Configuration items that show the collaboration room; all three must be on.
    static constexpr int CollabRoomItems[] = {41, 295, 296};

    explicit ContactCardFieldsModel(const Kivo::Configuration::Config* config, QObject* parent = nullptr);
    ~ContactCardFieldsModel() override;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    // The group of a field type (names, phones, postal address, addresses, conference
    // access, web), whether or not the configuration shows it.
    static int groupOf(FieldData::FieldType type);

protected:
    bool event(QEvent* event) override;

private:
    struct Field
    {
        QString name;
        bool editable;
        FieldData::FieldType type;
        int group;
    };

    void append(FieldData::FieldType type, bool editable);

    QVector<Field*> m_Fields;
};

} // namespace Models
