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

void ContactKeys::prefetch(const Contacts::IContact* contact)
{
    __builtin_prefetch(&contact->m_Keys);
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
        // Each code unit as UTF-8 writes a number of its size: the bytes order as the code
        // units do, and so as QString::compare orders the texts, in a byte for most letters
        // rather than two, so that the keys' first bytes tell more names apart.
        QByteArray units;
        units.reserve(text.size() * 3);
        for (const QChar c : text) {
            const ushort unit = c.unicode();
            if (unit < 0x80) {
                units += char(unit);
            } else if (unit < 0x800) {
                units += char(0xc0 | (unit >> 6));
                units += char(0x80 | (unit & 0x3f));
            } else {
                units += char(0xe0 | (unit >> 12));
                units += char(0x80 | ((unit >> 6) & 0x3f));
                units += char(0x80 | (unit & 0x3f));
            }
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
    const int sort = index(field);
    std::vector<Item> items;
    items.reserve(size_t(keys.size()));
    for (int i = 0; i < keys.size(); ++i) {
        if (const ContactKeys* key = keys.at(i)) {
            const quint64* prefix = key->m_Sort[sort].prefix;
            items.push_back({{prefix[0], prefix[1], prefix[2]}, i});
        }
    }
    const auto lessPrefix = [](const Item& a, const Item& b) {
        if (a.prefix[0] != b.prefix[0])
            return a.prefix[0] < b.prefix[0];
        if (a.prefix[1] != b.prefix[1])
            return a.prefix[1] < b.prefix[1];
        return a.prefix[2] < b.prefix[2];
    };
    const auto samePrefix = [](const Item& a, const Item& b) {
        return a.prefix[0] == b.prefix[0] && a.prefix[1] == b.prefix[1] && a.prefix[2] == b.prefix[2];
    };
    // Byte `digit` of an item's first 24 key bytes, 0 the first of them.
    const auto byteOf = [](const Item& item, int digit) {
        return size_t((item.prefix[digit / 8] >> (56 - 8 * (digit % 8))) & 0xff);
    };
    // Placed by the first byte, then each part by the next, by counting: the first pass
    // spreads the whole list once, and the later ones work on parts small enough to stay in
    // the cache, so a long list costs no more per key than a short one. Parts of a few keys
    // are put in order by their 24 bytes; keys alike in all 24 (one name, numbered apart)
    // are left for their whole keys.
    constexpr std::ptrdiff_t Compared = 24;
    constexpr int Digits = 24;
    struct Part
    {
        size_t begin;
        size_t end;
        int digit;
    };
    std::vector<Item> spare(items.size());
    std::vector<Part> parts;
    std::vector<Part> alike;
    parts.push_back({0, items.size(), 0});
    while (!parts.empty()) {
        const Part part = parts.back();
        parts.pop_back();
        const auto begin = items.begin() + std::ptrdiff_t(part.begin);
        const auto end = items.begin() + std::ptrdiff_t(part.end);
        if (end - begin < 2)
            continue;
        if (part.digit >= Digits) {
            alike.push_back(part);
            continue;
        }
        if (end - begin <= Compared) {
            std::sort(begin, end, lessPrefix);
            for (size_t first = part.begin; first < part.end;) {
                size_t last = first + 1;
                while (last < part.end && samePrefix(items[first], items[last]))
                    ++last;
                if (last - first > 1)
                    alike.push_back({first, last, Digits});
                first = last;
            }
            continue;
        }
        std::array<size_t, 256> count{};
        for (auto item = begin; item != end; ++item)
            ++count[byteOf(*item, part.digit)];
        if (count[byteOf(*begin, part.digit)] == size_t(end - begin)) {
            parts.push_back({part.begin, part.end, part.digit + 1});
            continue;
        }
        std::array<size_t, 256> next{};
        size_t start = part.begin;
        for (size_t byte = 0; byte < 256; ++byte) {
            next[byte] = start;
            start += count[byte];
        }
        const std::array<size_t, 256> starts = next;
        for (auto item = begin; item != end; ++item)
            spare[next[byteOf(*item, part.digit)]++] = *item;
        std::copy(spare.begin() + std::ptrdiff_t(part.begin), spare.begin() + std::ptrdiff_t(part.end), begin);
        for (size_t byte = 0; byte < 256; ++byte) {
            if (count[byte] > 1)
                parts.push_back({starts[byte], starts[byte] + count[byte], part.digit + 1});
        }
    }
    // Keys alike in their 24 bytes are compared by the rest of their bytes, a batch at a
    // time: the batch's keys are fetched into the cache together first, so that a long list,
    // whose keys lie far apart in memory, waits for them once per batch rather than once per
    // comparison. Keys alike in all their bytes are compared whole.
    struct Tail
    {
        const char* bytes;
        int size;
    };
    std::vector<Tail> tails(items.size());
    const auto lessTail = [&keys, &tails, field](const Item& a, const Item& b, size_t ai, size_t bi) {
        const Tail& x = tails[ai];
        const Tail& y = tails[bi];
        const int shared = qMin(x.size, y.size);
        const int byBytes = shared > Digits ? std::memcmp(x.bytes + Digits, y.bytes + Digits, size_t(shared - Digits)) : 0;
        if (byBytes != 0)
            return byBytes < 0;
        if (x.size != y.size)
            return x.size < y.size;
        return ContactKeys::less(*keys.at(a.at), *keys.at(b.at), field);
    };
    std::vector<char> equal(items.size(), 0);
    std::vector<size_t> order;
    std::vector<Item> sortedItems;
    std::vector<Tail> sortedTails;
    constexpr size_t Batch = 64;
    for (size_t first = 0; first < alike.size();) {
        size_t last = first;
        size_t batched = 0;
        while (last < alike.size() && (batched < Batch || last == first)) {
            batched += alike[last].end - alike[last].begin;
            ++last;
        }
        for (size_t part = first; part < last; ++part) {
            for (size_t i = alike[part].begin; i < alike[part].end; ++i)
                __builtin_prefetch(&keys.at(items[i].at)->m_Sort[sort].collated);
        }
        for (size_t part = first; part < last; ++part) {
            for (size_t i = alike[part].begin; i < alike[part].end; ++i) {
                const QByteArray& collated = keys.at(items[i].at)->m_Sort[sort].collated;
                tails[i] = {collated.constData(), int(collated.size())};
                __builtin_prefetch(collated.constData() + Digits);
            }
        }
        for (size_t part = first; part < last; ++part) {
            const size_t begin = alike[part].begin;
            const size_t end = alike[part].end;
            // Sorted by position in the part, then the items and tails put in that order.
            order.resize(end - begin);
            for (size_t i = 0; i < order.size(); ++i)
                order[i] = begin + i;
            std::sort(order.begin(), order.end(),
                      [&](size_t a, size_t b) { return lessTail(items[a], items[b], a, b); });
            sortedItems.clear();
            sortedTails.clear();
            for (size_t i : order) {
                sortedItems.push_back(items[i]);
                sortedTails.push_back(tails[i]);
            }
            std::copy(sortedItems.begin(), sortedItems.end(), items.begin() + std::ptrdiff_t(begin));
            std::copy(sortedTails.begin(), sortedTails.end(), tails.begin() + std::ptrdiff_t(begin));
            for (size_t i = begin + 1; i < end; ++i)
                equal[i] = !lessTail(items[i - 1], items[i], i - 1, i);
        }
        first = last;
    }
    QVector<int> ranks(keys.size(), -1);
    int rank = -1;
    for (size_t i = 0; i < items.size(); ++i) {
        if (!equal[i])
            ++rank;
        ranks[items[i].at] = rank;
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
