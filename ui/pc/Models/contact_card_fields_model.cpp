#include "Models/contact_card_fields_model.h"

#include "Utils/qobject_language_change.h"

#include <Kivo/Configuration/Config.h>

#include <QCoreApplication>
#include <QEvent>

#include <algorithm>
#include <iterator>

namespace Models {

namespace {

struct FieldKind
{
    const char* label;
    int group;
    // Configuration items: whether the field is shown, and whether it may be edited.
    int shownItem;
    int editableItem;
};

// By field type.
const FieldKind Kinds[FieldData::FieldTypeCount] = {
    {QT_TRANSLATE_NOOP("QObject", "Display Name"), 0, 24, 42},
    {QT_TRANSLATE_NOOP("QObject", "First Name"), 0, 25, 43},
    {QT_TRANSLATE_NOOP("QObject", "Last Name"), 0, 26, 44},
    {QT_TRANSLATE_NOOP("QObject", "Work Phone"), 1, 28, 46},
    {QT_TRANSLATE_NOOP("QObject", "Work Extension"), 1, 30, 48},
    {QT_TRANSLATE_NOOP("QObject", "Mobile Phone"), 1, 27, 45},
    {QT_TRANSLATE_NOOP("QObject", "Personal Phone"), 1, 29, 47},
    {QT_TRANSLATE_NOOP("QObject", "Street Address"), 2, 31, 49},
    {QT_TRANSLATE_NOOP("QObject", "City"), 2, 32, 50},
    {QT_TRANSLATE_NOOP("QObject", "Postal Code"), 2, 33, 51},
    {QT_TRANSLATE_NOOP("QObject", "Country"), 2, 34, 52},
    {QT_TRANSLATE_NOOP("QObject", "Email Address"), 3, 36, 54},
    {QT_TRANSLATE_NOOP("QObject", "IM Address"), 3, 35, 53},
    {QT_TRANSLATE_NOOP("QObject", "Dial-in Number"), 4, 37, 55},
    {QT_TRANSLATE_NOOP("QObject", "Conference ID"), 4, 38, 56},
    {QT_TRANSLATE_NOOP("QObject", "Security PIN"), 4, 39, 57},
    {QT_TRANSLATE_NOOP("QObject", "Web Address"), 5, 40, 58},
    // The collaboration room is shown by three items together and never edited.
    {QT_TRANSLATE_NOOP("QObject", "Collaboration Room"), 5, 0, 0},
};

QString labelOf(FieldData::FieldType type)
{
    return QCoreApplication::translate("QObject", Kinds[type].label);
}

} // namespace

ContactCardFieldsModel::ContactCardFieldsModel(const Kivo::Configuration::Config* config, QObject* parent)
    : QAbstractListModel(parent)
{
    if (config) {
        for (int type = FieldData::DisplayNameField; type <= FieldData::WebUrlField; ++type) {
            if (config->value(Kinds[type].shownItem).toBool())
                append(FieldData::FieldType(type), config->value(Kinds[type].editableItem).toBool());
        }
        const bool collabRoom = std::all_of(std::begin(CollabRoomItems), std::end(CollabRoomItems),
                                            [config](int item) { return config->value(item).toBool(); });
        if (collabRoom)
            append(FieldData::CollabRoomField, false);
    }
    Utils::QObjectLanguageChange::registerObject(this);
}

ContactCardFieldsModel::~ContactCardFieldsModel()
{
    qDeleteAll(m_Fields);
}

void ContactCardFieldsModel::append(FieldData::FieldType type, bool editable)
{
    m_Fields.append(new Field{labelOf(type), editable, type, Kinds[type].group});
}

int ContactCardFieldsModel::groupOf(FieldData::FieldType type)
{
    return type >= 0 && type < FieldData::FieldTypeCount ? Kinds[type].group : -1;
}

int ContactCardFieldsModel::rowCount(const QModelIndex&) const
{
    return m_Fields.size();
}

QVariant ContactCardFieldsModel::data(const QModelIndex& index, int role) const
{
    if (index.row() < 0 || index.row() >= m_Fields.size())
        return QVariant();
    const Field& field = *m_Fields.at(index.row());
    switch (role) {
    case FieldNameRole:
        return field.name;
    case FieldTypeRole:
        return field.type;
    case FieldGroupRole:
        return field.group;
    case FieldEditableRole:
        return field.editable;
    default:
        return QVariant();
    }
}

QHash<int, QByteArray> ContactCardFieldsModel::roleNames() const
{
    QHash<int, QByteArray> names = QAbstractListModel::roleNames();
    names.insert(FieldNameRole, "fieldName");
    names.insert(FieldTypeRole, "fieldType");
    names.insert(FieldGroupRole, "fieldGroup");
    names.insert(FieldEditableRole, "fieldEditable");
    return names;
}

bool ContactCardFieldsModel::event(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange && !m_Fields.isEmpty()) {
        for (Field* field : qAsConst(m_Fields))
            field->name = labelOf(field->type);
        emit dataChanged(index(0), index(m_Fields.size() - 1), {FieldNameRole});
    }
    return QAbstractListModel::event(event);
}

} // namespace Models
