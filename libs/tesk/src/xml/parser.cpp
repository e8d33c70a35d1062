#include <Tesk/Xml/Limits.h>
#include <Tesk/Xml/Parser.h>

#include <Tesk/Core/Logging/ApacheLogger.h>

#include <QXmlStreamReader>

#include <vector>

namespace Tesk {
namespace Xml {

namespace {
const Bytes NoBytes;
const Container::List<Element> NoElements;
const Container::List<Attribute> NoAttributes;

void logError(int line, const QString& text)
{
    Core::Logging::ApacheLogger("tesk/xml/parser", line, "Tesk::Xml::Parser::parse", Core::Logging::LevelError,
                                "AppLogger")
        << text;
}
} // namespace

Element::Data::~Data()
{
    // Subtrees owned only by this element are taken apart level by level, so that a deeply
    // nested document does not recurse once per level on release.
    std::vector<std::shared_ptr<Data>> pending;
    const auto takeChildren = [&pending](Data& data) {
        for (Element& child : data.children) {
            if (child.m_Data.use_count() == 1)
                pending.push_back(std::move(child.m_Data));
        }
        data.children.clear();
    };
    takeChildren(*this);
    while (!pending.empty()) {
        const std::shared_ptr<Data> data = std::move(pending.back());
        pending.pop_back();
        takeChildren(*data);
    }
}

const Bytes& Element::Name() const
{
    return m_Data ? m_Data->name : NoBytes;
}

const Container::List<Element>& Element::Children() const
{
    return m_Data ? m_Data->children : NoElements;
}

const Container::List<Attribute>& Element::Attributes() const
{
    return m_Data ? m_Data->attributes : NoAttributes;
}

const Bytes& Element::Text() const
{
    return m_Data ? m_Data->text : NoBytes;
}

bool Element::hasAttribute(const char* name) const
{
    const Bytes wanted = Bytes().Use(name, -1);
    for (const Attribute& attribute : Attributes()) {
        if (attribute.Name() == wanted)
            return true;
    }
    return false;
}

Attribute Element::getAttribute(const char* name, const char* defaultValue) const
{
    const Bytes wanted = Bytes().Copy(name, name ? int(qstrlen(name)) : -1);
    for (const Attribute& attribute : Attributes()) {
        if (attribute.Name() == wanted)
            return attribute;
    }
    return Attribute(wanted, Bytes().Copy(defaultValue, defaultValue ? int(qstrlen(defaultValue)) : -1));
}

Attribute Element::getAttribute(const QString& name, const QString& defaultValue) const
{
    const QByteArray utf8 = name.toUtf8();
    const QByteArray fallback = defaultValue.toUtf8();
    return getAttribute(utf8.constData(), fallback.constData());
}

Element Element::firstChild(const char* name) const
{
    const Bytes wanted = Bytes().Use(name, -1);
    for (const Element& child : Children()) {
        if (child.Name() == wanted)
            return child;
    }
    return Element();
}

Element Parser::parse(const Bytes& document, int encoding)
{
    if (encoding < EncodingAutomatic || encoding > EncodingLatin1) {
        logError(__LINE__, QStringLiteral("Unknown XML encoding ") + QString::number(encoding));
        return Element();
    }
    return parse(document, Encoding(encoding));
}

Element Parser::parse(const Bytes& document, Encoding encoding)
{
    if (document.isEmpty()) {
        logError(__LINE__, QStringLiteral("XML parse error: empty document"));
        return Element();
    }

    QXmlStreamReader reader;
    const QByteArray bytes = document.toByteArray();
    QString tooLarge;
    if (!withinLimits(bytes, &tooLarge)) {
        logError(__LINE__, QStringLiteral("XML document refused: ") + tooLarge);
        return Element();
    }
    switch (encoding) {
    case EncodingUtf8:
        reader.addData(QString::fromUtf8(bytes));
        break;
    case EncodingLatin1:
        reader.addData(QString::fromLatin1(bytes));
        break;
    case EncodingAutomatic:
        reader.addData(bytes);
        break;
    }

    // Built with an explicit stack so that deeply nested input cannot exhaust the call stack.
    std::vector<std::shared_ptr<Element::Data>> open;
    std::vector<QByteArray> texts; // the character data of each open element
    std::shared_ptr<Element::Data> root;
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartElement: {
            auto data = std::make_shared<Element::Data>();
            data->name = Bytes::fromString(reader.qualifiedName().toString());
            for (const QXmlStreamAttribute& attribute : reader.attributes())
                data->attributes.append(Attribute(Bytes::fromString(attribute.qualifiedName().toString()),
                                                  Bytes::fromString(attribute.value().toString())));
            if (open.empty())
                root = data;
            else
                open.back()->children.append(Element(data));
            open.push_back(std::move(data));
            texts.emplace_back();
            break;
        }
        case QXmlStreamReader::EndElement:
            if (!texts.back().isEmpty())
                open.back()->text = Bytes(texts.back());
            open.pop_back();
            texts.pop_back();
            break;
        case QXmlStreamReader::Characters:
            if (!texts.empty())
                texts.back() += reader.text().toUtf8();
            break;
        default:
            break;
        }
    }
    if (reader.hasError()) {
        logError(__LINE__, QStringLiteral("XML parse error at line %1, column %2: %3")
                               .arg(reader.lineNumber())
                               .arg(reader.columnNumber())
                               .arg(reader.errorString()));
        return Element();
    }
    if (!root) {
        logError(__LINE__, QStringLiteral("XML parse error: no root element"));
        return Element();
    }
    return Element(root);
}

} // namespace Xml
} // namespace Tesk
