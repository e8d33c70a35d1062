#pragma once

#include <Kivo/Models/Helper.h>

#include <QByteArray>
#include <QLocale>
#include <QString>
#include <QVector>

namespace Kivo {
namespace Contacts {
class IContact;
}
namespace Models {

// What a contact is found and sorted by, made once when the contact changes, so that a
// keystroke or a sort of a long list reads plain strings and compares ready-made keys.
class ContactKeys
{
public:
    ContactKeys() = default;
    explicit ContactKeys(const Contacts::IContact& contact);

    // The keys of `contact` as its properties are now: made when it is made with a name and
    // whenever its properties change, dropped with it; empty keys for a contact without
    // properties. Lists keep the address for their rows: it stays while the contact lives.
    static const ContactKeys& of(const Contacts::IContact& contact);
    // Fetches into the cache what of() reads of `contact`, ahead of the call: a list read row
    // after row (a sort) asks for the contact some rows on, so that a long list, whose
    // contacts lie far apart in memory, does not wait for each of them in turn.
    static void prefetch(const Contacts::IContact* contact);
    // The contact's side of of(): its properties changed.
    static void update(Contacts::IContact& contact);

    // The texts a search looks in (name, first and last name, address, e-mail, chat address,
    // company), case folded, one per line.
    const QString& text() const { return m_Text; }
    // The digits of each of the contact's numbers, one number per line.
    const QString& digits() const { return m_Digits; }
    // Helper::sortKey's text for `field`.
    const QString& sortText(Helper::PrimarySortField field) const { return m_Sort[index(field)].text; }
    // Orders two contacts by `field` as Helper::lessByName orders their sort texts.
    static bool less(const ContactKeys& left, const ContactKeys& right, Helper::PrimarySortField field);

    // The bytes whose order (as strings of unsigned bytes) is `locale`'s collation of texts,
    // as QCollator orders them for that locale; the texts themselves break ties.
    static QByteArray collationKey(const QString& text, const QLocale& locale);

    // The places of `keys` by `field` as less() orders them, equal keys in equal places;
    // -1 for a null entry. Linear in the number of keys unless many share their first 24
    // bytes: the keys are placed by those bytes, and only keys that share them are compared.
    static QVector<int> ranks(const QVector<const ContactKeys*>& keys, Helper::PrimarySortField field);

    // Whether the keys find a (trimmed, non-empty) search text: `folded` is the text case
    // folded, `digits` its digits when the text could be a phone number, else empty.
    bool matches(const QString& folded, const QString& digits) const;

    // The separator of the lines of text() and digits(): a search text holding it is matched
    // field by field instead.
    static constexpr QChar Separator = QChar(u'\n');

private:
    struct SortKey
    {
        QString text;
        QByteArray collated;
        // The first 24 bytes of `collated`, as numbers that order as the keys do where they
        // differ: kept beside the other keys, so that ordering many contacts seldom reads
        // the whole key.
        quint64 prefix[3] = {0, 0, 0};
    };
    static int index(Helper::PrimarySortField field) { return field == Helper::LastName ? 1 : 0; }

    QString m_Text;
    QString m_Digits;
    SortKey m_Sort[2];
};

// A list model whose rows can hand their contact's keys and their place among groups to a
// proxy without going through data(): the proxies above it filter and sort by these.
class KeyedRows
{
public:
    struct Row
    {
        // Null for a row without a contact (a group's row, or a row of an unkeyed model).
        const ContactKeys* keys = nullptr;
        // Roles::GroupOrder and Roles::IsGroup.
        int groupOrder = 0;
        bool isGroup = false;
    };

    // The row `row` of the model's top level.
    virtual Row keyedRow(int row) const = 0;

protected:
    // How many rows on a model fetches the contact of while a row is read (ContactKeys::prefetch).
    static constexpr int RowsAhead = 8;
    ~KeyedRows() = default;
};

} // namespace Models
} // namespace Kivo
