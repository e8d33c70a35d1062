#pragma once

#include <Kivo/Contacts/Properties.h>

#include <QAbstractListModel>
#include <QVector>
#include <QString>

namespace Kivo {
namespace Contacts {
class IContact;
}
} // namespace Kivo

namespace Models {

// The rows of a contact card: one text per contact property, in display order, holding
// what the user typed until the card writes it into the contact.
class ContactCardFields : public QAbstractListModel
{
    Q_OBJECT
    Q_PROPERTY(bool hasText READ hasText NOTIFY hasTextChanged)
    // Grows with every change of a text, so that bindings over several rows re-evaluate.
    Q_PROPERTY(int revision READ revision NOTIFY revisionChanged)

public:
    enum FieldType
    {
        DisplayNameField = 0,
        FirstNameField = 1,
        LastNameField = 2,
        WorkPhoneField = 3,
        ExtensionField = 4,
        MobilePhoneField = 5,
        PersonalPhoneField = 6,
        StreetField = 7,
        CityField = 8,
        PostalCodeField = 9,
        CountryField = 10,
        EmailField = 11,
        JidField = 12,
        ConferencePhoneField = 13,
        ConferenceIdField = 14,
        ConferencePinField = 15,
        WebUrlField = 16,
        AddressField = 18
    };
    Q_ENUM(FieldType)

    enum Role
    {
        FieldTypeRole = Qt::UserRole + 1,
        LabelRole,
        ValueRole,
        GroupRole,
        EmphasisedRole
    };

    static constexpr int MaxLength = 100;

    explicit ContactCardFields(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    // Replaces every text with the contact's; a null contact empties the rows.
    void load(const Kivo::Contacts::IContact* contact);
    // Typed text as a field keeps it: carriage returns go, line feeds become blanks, and
    // the text is cut at MaxLength.
    Q_INVOKABLE void setValue(int row, const QString& text);
    Q_INVOKABLE QString valueOf(int fieldType) const;
    // True for the first shown row of its group; rows are shown when they have text or,
    // with `showEmpty`, always.
    Q_INVOKABLE bool startsGroup(int row, bool showEmpty) const;
    static QString cleaned(const QString& text);
    static Kivo::Contacts::Properties::Key keyOf(int fieldType);

    bool hasText() const;
    int revision() const { return m_Revision; }
    // Every row's text by property, blanks included, so that a saved blank clears.
    Kivo::Contacts::Properties::Map values() const;
    // The rows whose text differs from the contact's.
    Kivo::Contacts::Properties::Map changes(const Kivo::Contacts::IContact& contact) const;

signals:
    void hasTextChanged();
    void revisionChanged();

private:
    int emphasisedRow() const;

    // One text per row of the field table.
    QVector<QString> m_Values;
    int m_Revision = 0;
};

} // namespace Models
