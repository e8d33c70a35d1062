#include "libqml/components/contactcard/contact_card_values.h"

#include "Models/contact_card_fields_model.h"

#include <Kivo/Contacts/IContact.h>

#include <algorithm>

namespace QML {

namespace {

namespace Properties = Kivo::Contacts::Properties;
using Models::FieldData;
using Fields = Models::ContactCardFieldsModel;

// The contact property behind each field type.
const Properties::Key Keys[FieldData::FieldTypeCount] = {
    Properties::DisplayName, Properties::FirstName,        Properties::LastName,       Properties::WorkNumber,
    Properties::Extension,   Properties::MobileNumber,     Properties::HomeNumber,     Properties::Street,
    Properties::City,        Properties::PostalCode,       Properties::Country,        Properties::Email,
    Properties::Jid,         Properties::ConferenceNumber, Properties::ConferencePin1, Properties::ConferencePin2,
    Properties::WebAddress,  Properties::WebCollabRoom,
};

// The numbers in the order one is preferred for display.
constexpr int NumberFields[] = {FieldData::WorkPhoneField, FieldData::ExtensionField, FieldData::MobilePhoneField,
                                FieldData::PersonalPhoneField};

bool isFieldType(int type)
{
    return type >= 0 && type < FieldData::FieldTypeCount;
}

} // namespace

ContactCardValues::ContactCardValues(const Models::ContactCardFieldsModel* fields, QObject* parent)
    : QObject(parent)
    , m_Fields(fields)
    , m_Values(FieldData::FieldTypeCount)
{
}

QVector<int> ContactCardValues::shownTypes() const
{
    QVector<int> types;
    for (int row = 0; m_Fields && row < m_Fields->rowCount(); ++row)
        types.append(m_Fields->index(row).data(Fields::FieldTypeRole).toInt());
    return types;
}

void ContactCardValues::load(const Kivo::Contacts::IContact* contact)
{
    const bool hadText = hasText();
    for (int type = 0; type < FieldData::FieldTypeCount; ++type)
        m_Values[type] = contact ? cleaned(contact->getProperty(Keys[type]).toString()) : QString();
    changed(hadText);
}

QString ContactCardValues::cleaned(const QString& text)
{
    QString value = text;
    value.remove(QLatin1Char('\r'));
    value.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return value.left(MaxLength);
}

void ContactCardValues::setValue(int fieldType, const QString& text)
{
    if (!isFieldType(fieldType))
        return;
    const QString value = cleaned(text);
    if (value == m_Values.at(fieldType))
        return;
    const bool hadText = hasText();
    m_Values[fieldType] = value;
    changed(hadText);
}

void ContactCardValues::changed(bool hadText)
{
    ++m_Revision;
    emit revisionChanged();
    if (hadText != hasText())
        emit hasTextChanged();
}

QString ContactCardValues::valueOf(int fieldType) const
{
    return isFieldType(fieldType) ? m_Values.at(fieldType) : QString();
}

bool ContactCardValues::startsGroup(int row, bool showEmpty) const
{
    const QVector<int> types = shownTypes();
    if (row < 0 || row >= types.size())
        return false;
    const int group = Fields::groupOf(FieldData::FieldType(types.at(row)));
    for (int earlier = 0; earlier < row; ++earlier) {
        const int type = types.at(earlier);
        const bool shown = showEmpty || !m_Values.at(type).trimmed().isEmpty();
        if (shown && Fields::groupOf(FieldData::FieldType(type)) == group)
            return false;
    }
    return true;
}

Properties::Key ContactCardValues::keyOf(int fieldType)
{
    return isFieldType(fieldType) ? Keys[fieldType] : Properties::None;
}

bool ContactCardValues::hasText() const
{
    const QVector<int> types = shownTypes();
    return std::any_of(types.begin(), types.end(),
                       [this](int type) { return !m_Values.at(type).trimmed().isEmpty(); });
}

int ContactCardValues::emphasisedField() const
{
    const QVector<int> types = shownTypes();
    for (int type : NumberFields) {
        if (types.contains(type) && !m_Values.at(type).trimmed().isEmpty())
            return type;
    }
    return -1;
}

Properties::Map ContactCardValues::values() const
{
    Properties::Map values;
    for (int type : shownTypes())
        values.insert(Keys[type], m_Values.at(type).trimmed());
    return values;
}

Properties::Map ContactCardValues::changes(const Kivo::Contacts::IContact& contact) const
{
    Properties::Map changes;
    for (int type : shownTypes()) {
        const QString value = m_Values.at(type).trimmed();
        if (value != contact.getProperty(Keys[type]).toString())
            changes.insert(Keys[type], value);
    }
    return changes;
}

} // namespace QML
