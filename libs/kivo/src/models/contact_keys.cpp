#include <Kivo/Contacts/IContact.h>
#include <Kivo/Models/ContactKeys.h>

#include <QHash>
#include <QMutex>
#include <QtEndian>

#include <unicode/ucol.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <vector>

namespace Kivo {
namespace Models {

namespace {

namespace Properties = Contacts::Properties;

// One ICU collator per locale, set up as QCollator sets up its own (normalisation on, case
// counted, no numeric mode, punctuation counted), so that the keys order texts as
// QCollator::compare does. Null for the C locale, which compares UTF-16 code units.
UCollator* collatorFor(const QLocale& locale)
{
    struct Close
    {
        void operator()(UCollator* collator) const { ucol_close(collator); }
    };
    static QMutex lock;
    static QHash<QString, std::shared_ptr<UCollator>> collators;
    if (locale.language() == QLocale::C)
        return nullptr;
    const QString name = locale.bcp47Name().replace(QLatin1Char('-'), QLatin1Char('_'));
    QMutexLocker locked(&lock);
    auto found = collators.constFind(name);
    if (found != collators.constEnd())
        return found->get();
    UErrorCode status = U_ZERO_ERROR;
    UCollator* collator = ucol_open(name.toLatin1().constData(), &status);
    if (U_FAILURE(status)) {
        collators.insert(name, nullptr);
        return nullptr;
    }
    ucol_setAttribute(collator, UCOL_NORMALIZATION_MODE, UCOL_ON, &status);
    ucol_setAttribute(collator, UCOL_STRENGTH, UCOL_DEFAULT_STRENGTH, &status);
    ucol_setAttribute(collator, UCOL_NUMERIC_COLLATION, UCOL_OFF, &status);
    ucol_setAttribute(collator, UCOL_ALTERNATE_HANDLING, UCOL_NON_IGNORABLE, &status);
    collators.insert(name, std::shared_ptr<UCollator>(collator, Close()));
    return collator;
}

void appendLine(QString& lines, const QString& line)
{
    if (!lines.isEmpty())
        lines += ContactKeys::Separator;
    lines += line;
}

quint64 bigEndianAt(const QByteArray& bytes, int offset)
{
    unsigned char part[8] = {0, 0, 0, 0, 0, 0, 0, 0};
    if (offset < bytes.size())
        std::memcpy(part, bytes.constData() + offset, size_t(qMin(8, int(bytes.size()) - offset)));
    return qFromBigEndian<quint64>(part);
}

} // namespace

const ContactKeys& ContactKeys::of(const Contacts::IContact& contact)
{
    static const ContactKeys none;
    return contact.m_Keys ? *contact.m_Keys : none;
}

void ContactKeys::update(Contacts::IContact& contact)
{
    // Assigned in place: lists keep the address.
    if (contact.m_Keys)
        *contact.m_Keys = ContactKeys(contact);
    else
        contact.m_Keys = std::make_unique<ContactKeys>(contact);
}

namespace {

QByteArray keyOf(const QString& text, UCollator* collator)
{
    if (!collator) {
        // Code units, high byte first: their byte order is the order of QString::compare.
        QByteArray units(text.size() * 2, Qt::Uninitialized);
        for (int i = 0; i < text.size(); ++i) {
            units[2 * i] = char(text.at(i).unicode() >> 8);
            units[2 * i + 1] = char(text.at(i).unicode() & 0xff);
        }
        return units;
    }
    const auto* units = reinterpret_cast<const UChar*>(text.utf16());
    QByteArray key(text.size() * 4 + 16, Qt::Uninitialized);
    int size = ucol_getSortKey(collator, units, text.size(), reinterpret_cast<uint8_t*>(key.data()), key.size());
    if (size > key.size()) {
        key.resize(size);
        size = ucol_getSortKey(collator, units, text.size(), reinterpret_cast<uint8_t*>(key.data()), key.size());
    }
    // The key ends with a zero byte, which takes no part in the order.
    key.resize(qMax(0, size - 1));
    return key;
}

// The collation QCollator takes by default, as Helper::lessByName does: the system's,
// looked up once.
UCollator* systemCollator()
{
    static UCollator* const collator = collatorFor(QLocale::system().collation());
    return collator;
}

} // namespace

QByteArray ContactKeys::collationKey(const QString& text, const QLocale& locale)
{
    return keyOf(text, collatorFor(locale));
}

ContactKeys::ContactKeys(const Contacts::IContact& contact)
{
    const QString displayName = contact.getDisplayName();
    const QString firstName = contact.getProperty(Properties::FirstName).toString();
    const QString lastName = contact.getProperty(Properties::LastName).toString();
    const QString values[] = {displayName,
                              firstName,
                              lastName,
                              contact.getAddress(),
                              contact.getProperty(Properties::Email).toString(),
                              contact.getProperty(Properties::Jid).toString(),
                              contact.getProperty(Properties::Company).toString()};
    int length = 0;
    for (const QString& value : values)
        length += int(value.size()) + 1;
    QString text;
    text.reserve(length);
    for (const QString& value : values) {
        // A line break inside a value would let a search find text across two values.
        appendLine(text, value.contains(Separator) ? QString(value).replace(Separator, QLatin1Char(' ')) : value);
    }
    m_Text = std::move(text).toCaseFolded();
    for (Properties::Key key : Properties::numberKeys()) {
        const QString number = contact.getProperty(key).toString();
        if (number.isEmpty())
            continue;
        const int start = int(m_Digits.size());
        if (start > 0)
            m_Digits += Separator;
        for (const QChar c : number) {
            if (c.isDigit())
                m_Digits += c;
        }
        // A number without digits adds no line.
        if (m_Digits.size() == start + (start > 0 ? 1 : 0))
            m_Digits.truncate(start);
    }
    UCollator* const collator = systemCollator();
    for (auto field : {Helper::FirstName, Helper::LastName}) {
        SortKey& key = m_Sort[index(field)];
        key.text = Helper::sortKey(firstName, lastName, displayName, field);
        key.collated = keyOf(key.text, collator);
        key.prefix[0] = bigEndianAt(key.collated, 0);
        key.prefix[1] = bigEndianAt(key.collated, 8);
        key.prefix[2] = bigEndianAt(key.collated, 16);
    }
}

bool ContactKeys::less(const ContactKeys& left, const ContactKeys& right, Helper::PrimarySortField field)
{
    const SortKey& a = left.m_Sort[index(field)];
    const SortKey& b = right.m_Sort[index(field)];
    if (a.prefix[0] != b.prefix[0])
        return a.prefix[0] < b.prefix[0];
    if (a.prefix[1] != b.prefix[1])
        return a.prefix[1] < b.prefix[1];
    if (a.prefix[2] != b.prefix[2])
        return a.prefix[2] < b.prefix[2];
    // QByteArray's order is that of unsigned bytes.
    const int byLocale = qstrcmp(a.collated, b.collated);
    return byLocale != 0 ? byLocale < 0 : a.text < b.text;
}

QVector<int> ContactKeys::ranks(const QVector<const ContactKeys*>& keys, Helper::PrimarySortField field)
{
    struct Item
    {
        quint64 prefix[3];
        int at;
    };
    // Byte `digit` of an item's first 16 key bytes, 0 the last of them.
    const auto byteOf = [](const Item& item, int digit) {
        return int((item.prefix[digit < 8 ? 1 : 0] >> (8 * (digit % 8))) & 0xff);
    };
    std::vector<Item> items;
    items.reserve(size_t(keys.size()));
    for (int i = 0; i < keys.size(); ++i) {
        if (const ContactKeys* key = keys.at(i)) {
            const quint64* prefix = key->m_Sort[index(field)].prefix;
            items.push_back({{prefix[0], prefix[1], prefix[2]}, i});
        }
    }
    // Placed byte by byte, last byte first, by counting: each pass keeps the order of the
    // passes before among equal bytes. A byte that all keys share (the high bytes of a
    // text's code units) moves nothing and is skipped.
    constexpr int Digits = 16;
    std::vector<std::array<int, 256>> counts(Digits);
    for (auto& count : counts)
        count.fill(0);
    for (const Item& item : items) {
        for (int digit = 0; digit < Digits; ++digit)
            ++counts[size_t(digit)][size_t(byteOf(item, digit))];
    }
    std::vector<Item> placed(items.size());
    for (int digit = 0; digit < Digits && !items.empty(); ++digit) {
        std::array<int, 256>& count = counts[size_t(digit)];
        if (size_t(count[size_t(byteOf(items.front(), digit))]) == items.size())
            continue;
        int start = 0;
        for (int& bucket : count) {
            const int size = bucket;
            bucket = start;
            start += size;
        }
        for (const Item& item : items)
            placed[size_t(count[size_t(byteOf(item, digit))]++)] = item;
        items.swap(placed);
    }
    const auto less = [&keys, field](const Item& a, const Item& b) {
        if (a.prefix[2] != b.prefix[2])
            return a.prefix[2] < b.prefix[2];
        return ContactKeys::less(*keys.at(a.at), *keys.at(b.at), field);
    };
    QVector<int> ranks(keys.size(), -1);
    int rank = -1;
    for (size_t begin = 0; begin < items.size();) {
        size_t end = begin + 1;
        while (end < items.size() && items[end].prefix[0] == items[begin].prefix[0]
               && items[end].prefix[1] == items[begin].prefix[1])
            ++end;
        // Keys alike in their first 16 bytes (one name, numbered apart): the next bytes
        // decide, and the whole keys where those are alike too.
        if (end - begin > 1)
            std::sort(items.begin() + std::ptrdiff_t(begin), items.begin() + std::ptrdiff_t(end), less);
        for (size_t i = begin; i < end; ++i) {
            if (i == begin || less(items[i - 1], items[i]))
                ++rank;
            ranks[items[i].at] = rank;
        }
        begin = end;
    }
    return ranks;
}

bool ContactKeys::matches(const QString& folded, const QString& digits) const
{
    if (m_Text.contains(folded))
        return true;
    return !digits.isEmpty() && m_Digits.contains(digits);
}

} // namespace Models
} // namespace Kivo
