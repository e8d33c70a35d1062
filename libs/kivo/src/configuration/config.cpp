#include <Kivo/Configuration/Config.h>

#include <Tesk/Xml/Limits.h>

#include <QVariantList>
#include <QVariantMap>
#include <QXmlStreamReader>

#include <algorithm>

namespace Kivo {
namespace Configuration {

namespace {

const QString RootElement = QStringLiteral("configuration");
const QString ItemElement = QStringLiteral("item");
const QString ValueElement = QStringLiteral("value");

bool fail(QXmlStreamReader& reader, QString* error, const QString& text)
{
    if (error)
        *error = QStringLiteral("line %1: %2").arg(reader.lineNumber()).arg(text);
    return false;
}

QVariantMap readListEntry(QXmlStreamReader& reader)
{
    QVariantMap entry;
    for (const QXmlStreamAttribute& attribute : reader.attributes())
        entry.insert(attribute.name().toString(), attribute.value().toString());
    entry.insert(ValueElement, reader.readElementText(QXmlStreamReader::SkipChildElements).trimmed());
    return entry;
}

// Reads one <item>; the reader stands on its start element and ends on its end element.
QVariant readItemValue(QXmlStreamReader& reader)
{
    QString text;
    QVariantList list;
    while (reader.readNext() != QXmlStreamReader::Invalid) {
        if (reader.isEndElement())
            break;
        if (reader.isCharacters())
            text += reader.text();
        else if (reader.isStartElement()) {
            if (reader.name() == ValueElement)
                list.append(readListEntry(reader));
            else
                reader.skipCurrentElement();
        }
    }
    if (!list.isEmpty())
        return list;
    return text.trimmed();
}

} // namespace

Config::Config(const QString& path, const Document& document, QObject* parent)
    : QObject(parent)
    , m_Path(path)
    , m_Name(document.name)
    , m_Items(document.items)
{
}

bool Config::parse(const QByteArray& xml, Document& document, QString* error)
{
    QString tooLarge;
    if (!Tesk::Xml::withinLimits(xml, &tooLarge)) {
        if (error)
            *error = tooLarge;
        return false;
    }
    QXmlStreamReader reader(xml);
    if (!reader.readNextStartElement()) {
        return fail(reader, error,
                    reader.hasError() ? reader.errorString() : QStringLiteral("no root element"));
    }
    if (reader.name() != RootElement)
        return fail(reader, error, QStringLiteral("root element is not <%1>").arg(RootElement));

    Document parsed;
    parsed.name = reader.attributes().value(QStringLiteral("name")).toString().trimmed();
    if (parsed.name.isEmpty())
        return fail(reader, error, QStringLiteral("the configuration has no name"));

    while (reader.readNextStartElement()) {
        if (reader.name() != ItemElement) {
            reader.skipCurrentElement();
            continue;
        }
        bool isNumber = false;
        const QString idText = reader.attributes().value(QStringLiteral("id")).toString();
        const int id = idText.toInt(&isNumber);
        if (!isNumber || id < 0)
            return fail(reader, error, QStringLiteral("item id \"%1\" is not a number").arg(idText));
        if (parsed.items.contains(id))
            return fail(reader, error, QStringLiteral("item %1 appears twice").arg(id));
        parsed.items.insert(id, readItemValue(reader));
    }
    if (reader.hasError())
        return fail(reader, error, reader.errorString());
    // Anything after the root element must still be well-formed.
    while (!reader.atEnd())
        reader.readNext();
    if (reader.hasError())
        return fail(reader, error, reader.errorString());

    document = parsed;
    return true;
}

QList<int> Config::itemNumbers() const
{
    QList<int> numbers = m_Items.keys();
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

void Config::update(const QString& path, const Document& document)
{
    m_Path = path;
    m_Name = document.name;
    m_Items = document.items;
    emit configChanged();
}

} // namespace Configuration
} // namespace Kivo
