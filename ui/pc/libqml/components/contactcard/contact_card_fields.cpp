#include "libqml/components/contactcard/contact_card_fields.h"

#include <Kivo/Contacts/IContact.h>

#include <algorithm>
#include <iterator>

namespace Models {

namespace {

namespace Properties = Kivo::Contacts::Properties;
using Fields = ContactCardFields;

struct Field
{
    Fields::FieldType type;
    Properties::Key key;
    const char* label;
    // Rows of one group stand together; a new group starts with a wider gap.
    int group;
};

const Field Table[] = {
    {Fields::DisplayNameField, Properties::DisplayName, QT_TRANSLATE_NOOP("Models::ContactCardFields", "Display Name"), 0},
    {Fields::FirstNameField, Properties::FirstName, QT_TRANSLATE_NOOP("Models::ContactCardFields", "First Name"), 0},
    {Fields::LastNameField, Properties::LastName, QT_TRANSLATE_NOOP("Models::ContactCardFields", "Last Name"), 0},
    {Fields::WorkPhoneField, Properties::WorkNumber, QT_TRANSLATE_NOOP("Models::ContactCardFields", "Work Phone"), 1},
    {Fields::ExtensionField, Properties::Extension, QT_TRANSLATE_NOOP("Models::ContactCardFields", "Extension"), 1},
    {Fields::MobilePhoneField, Properties::MobileNumber, QT_TRANSLATE_NOOP("Models::ContactCardFields", "Mobile Phone"), 1},
    {Fields::PersonalPhoneField, Properties::HomeNumber, QT_TRANSLATE_NOOP("Models::ContactCardFields", "Personal Phone"), 1},
    {Fields::AddressField, Properties::Address, QT_TRANSLATE_NOOP("Models::ContactCardFields", "Address"), 2},
    {Fields::EmailField, Properties::Email, QT_TRANSLATE_NOOP("Models::ContactCardFields", "E-mail"), 2},
    {Fields::JidField, Properties::Jid, QT_TRANSLATE_NOOP("Models::ContactCardFields", "IM Address"), 2},
    {Fields::StreetField, Properties::Street, QT_TRANSLATE_NOOP("Models::ContactCardFields", "Street"), 3},
    {Fields::CityField, Properties::City, QT_TRANSLATE_NOOP("Models::ContactCardFields", "City"), 3},
    {Fields::PostalCodeField, Properties::PostalCode, QT_TRANSLATE_NOOP("Models::ContactCardFields", "Postal Code"), 3},
    {Fields::CountryField, Properties::Country, QT_TRANSLATE_NOOP("Models::ContactCardFields", "Country"), 3},
    {Fields::WebUrlField, Properties::WebAddress, QT_TRANSLATE_NOOP("Models::ContactCardFields", "Web Address"), 4},
    {Fields::ConferencePhoneField, Properties::ConferenceNumber,
     QT_TRANSLATE_NOOP("Models::ContactCardFields", "Conference Number"), 5},
    {Fields::ConferenceIdField, Properties::ConferencePin1, QT_TRANSLATE_NOOP("Models::ContactCardFields", "Conference ID"),
     5},
    {Fields::ConferencePinField, Properties::ConferencePin2,
     QT_TRANSLATE_NOOP("Models::ContactCardFields", "Conference PIN"), 5},
};
constexpr int FieldCount = int(std::size(Table));

} // namespace

ContactCardFields::ContactCardFields(QObject* parent)
    : QAbstractListModel(parent)
    , m_Values(FieldCount)
{
}

int ContactCardFields::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : FieldCount;
}

QVariant ContactCardFields::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= FieldCount)
        return QVariant();
    const Field& field = Table[index.row()];
    switch (role) {
    case FieldTypeRole:
        return field.type;
    case LabelRole:
        return tr(field.label);
    case ValueRole:
        return m_Values.at(index.row());
    case GroupRole:
        return field.group;
    case EmphasisedRole:
        return index.row() == emphasisedRow();
    default:
        return QVariant();
    }
}

QHash<int, QByteArray> ContactCardFields::roleNames() const
{
    return {{FieldTypeRole, "fieldType"},
            {LabelRole, "label"},
            {ValueRole, "value"},
            {GroupRole, "fieldGroup"},
            {EmphasisedRole, "emphasised"}};
}

int ContactCardFields::emphasisedRow() const
{
    for (int row = 0; row < FieldCount; ++row) {
        if (Properties::numberKeys().contains(Table[row].key) && !m_Values.at(row).trimmed().isEmpty())
            return row;
    }
    return -1;
}

void ContactCardFields::load(const Kivo::Contacts::IContact* contact)
{
    const bool hadText = hasText();
    for (int row = 0; row < FieldCount; ++row)
        m_Values[row] = contact ? cleaned(contact->getProperty(Table[row].key).toString()) : QString();
    emit dataChanged(index(0), index(FieldCount - 1));
    ++m_Revision;
    emit revisionChanged();
    if (hadText != hasText())
        emit hasTextChanged();
}

QString ContactCardFields::cleaned(const QString& text)
{
    QString value = text;
    value.remove(QLatin1Char('\r'));
    value.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return value.left(MaxLength);
}

void ContactCardFields::setValue(int row, const QString& text)
{
    if (row < 0 || row >= FieldCount)
        return;
    const QString value = cleaned(text);
    if (value == m_Values.at(row))
        return;
    const bool hadText = hasText();
    const int emphasised = emphasisedRow();
    m_Values[row] = value;
    emit dataChanged(index(row), index(row));
    if (emphasised != emphasisedRow())
        emit dataChanged(index(0), index(FieldCount - 1), {EmphasisedRole});
    ++m_Revision;
    emit revisionChanged();
    if (hadText != hasText())
        emit hasTextChanged();
}

bool ContactCardFields::startsGroup(int row, bool showEmpty) const
{
    if (row < 0 || row >= FieldCount)
        return false;
    for (int earlier = 0; earlier < row; ++earlier) {
        const bool shown = showEmpty || !m_Values.at(earlier).trimmed().isEmpty();
        if (shown && Table[earlier].group == Table[row].group)
            return false;
    }
    return true;
}

QString ContactCardFields::valueOf(int fieldType) const
{
    for (int row = 0; row < FieldCount; ++row) {
        if (Table[row].type == fieldType)
            return m_Values.at(row);
    }
    return QString();
}

Properties::Key ContactCardFields::keyOf(int fieldType)
{
    for (const Field& field : Table) {
        if (field.type == fieldType)
            return field.key;
    }
    return Properties::None;
}

bool ContactCardFields::hasText() const
{
    return std::any_of(m_Values.begin(), m_Values.end(), [](const QString& value) { return !value.trimmed().isEmpty(); });
}

Properties::Map ContactCardFields::values() const
{
    Properties::Map values;
    for (int row = 0; row < FieldCount; ++row)
        values.insert(Table[row].key, m_Values.at(row).trimmed());
    return values;
}

Properties::Map ContactCardFields::changes(const Kivo::Contacts::IContact& contact) const
{
    Properties::Map changes;
    for (int row = 0; row < FieldCount; ++row) {
        const QString value = m_Values.at(row).trimmed();
        if (value != contact.getProperty(Table[row].key).toString())
            changes.insert(Table[row].key, value);
    }
    return changes;
}

} // namespace Models
