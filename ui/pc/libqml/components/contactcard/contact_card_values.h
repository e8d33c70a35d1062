#pragma once

#include "Models/field_data.h"

#include <Kivo/Contacts/Properties.h>

#include <QObject>
#include <QPointer>
#include <QString>
#include <QVector>

namespace Kivo {
namespace Contacts {
class IContact;
}
} // namespace Kivo

namespace Models {
class ContactCardFieldsModel;
}

namespace QML {

// What a contact card's fields hold, by field type: the contact's texts, and what the user
// typed until the card writes it into the contact. Which fields exist is the fields
// model's.
class ContactCardValues : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool hasText READ hasText NOTIFY hasTextChanged)
    // Grows with every change of a text, so that bindings over several fields re-evaluate.
    Q_PROPERTY(int revision READ revision NOTIFY revisionChanged)
    // The field type of the first number with text, shown in bold; -1 when none has text.
    Q_PROPERTY(int emphasisedField READ emphasisedField NOTIFY revisionChanged)

public:
    static constexpr int MaxLength = 100;

    explicit ContactCardValues(const Models::ContactCardFieldsModel* fields, QObject* parent = nullptr);

    // Replaces every text with the contact's; a null contact empties the fields.
    void load(const Kivo::Contacts::IContact* contact);
    // Typed text as a field keeps it: carriage returns go, line feeds become blanks, and
    // the text is cut at MaxLength.
    Q_INVOKABLE void setValue(int fieldType, const QString& text);
    Q_INVOKABLE QString valueOf(int fieldType) const;
    // True for the first shown row of the fields model in its group; rows are shown when
    // they have text or, with `showEmpty`, always.
    Q_INVOKABLE bool startsGroup(int row, bool showEmpty) const;
    static QString cleaned(const QString& text);
    static Kivo::Contacts::Properties::Key keyOf(int fieldType);

    bool hasText() const;
    int revision() const { return m_Revision; }
    int emphasisedField() const;
    // The text of every field the card shows by property, blanks included, so that a
    // saved blank clears.
    Kivo::Contacts::Properties::Map values() const;
    // The shown fields whose text differs from the contact's.
    Kivo::Contacts::Properties::Map changes(const Kivo::Contacts::IContact& contact) const;

signals:
    void hasTextChanged();
    void revisionChanged();

private:
    QVector<int> shownTypes() const;
    void changed(bool hadText);

    QPointer<const Models::ContactCardFieldsModel> m_Fields;
    QVector<QString> m_Values;
    int m_Revision = 0;
};

} // namespace QML
