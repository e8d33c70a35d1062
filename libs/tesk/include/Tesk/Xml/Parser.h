#pragma once

#include <Tesk/Bytes.h>
#include <Tesk/Container/List.h>

#include <memory>

namespace Tesk {
namespace Xml {

// How parse() reads the bytes. Automatic follows the byte order mark or the XML
// declaration and falls back to UTF-8.
enum Encoding
{
    EncodingAutomatic = 0,
    EncodingUtf8 = 1,
    EncodingLatin1 = 2
};

class Attribute
{
public:
    Attribute() = default;
    Attribute(const Bytes& name, const Bytes& value) : m_Name(name), m_Value(value) {}

    const Bytes& Name() const { return m_Name; }
    const Bytes& Value() const { return m_Value; } // UTF-8

private:
    Bytes m_Name;
    Bytes m_Value;
};

// An element of a parsed document; a value that shares its subtree when copied.
// A null element (isNull()) stands for a missing element or a failed parse.
class Element
{
public:
    Element() = default;

    bool isNull() const { return !m_Data; }
    const Bytes& Name() const;
    const Container::List<Element>& Children() const;
    const Container::List<Attribute>& Attributes() const;
    // The character data directly inside this element, UTF-8.
    const Bytes& Text() const;

    bool hasAttribute(const char* name) const;
    // The attribute `name`, or one with that name and the default value when missing.
    Attribute getAttribute(const char* name, const char* defaultValue = "") const;
    Attribute getAttribute(const QString& name, const QString& defaultValue = QString()) const;
    // The first child named `name`, or a null element.
    Element firstChild(const char* name) const;

private:
    friend class Parser;
    struct Data
    {
        Data() = default;
        Data(const Data&) = delete;
        Data& operator=(const Data&) = delete;
        ~Data();

        Bytes name;
        Bytes text;
        Container::List<Attribute> attributes;
        Container::List<Element> children;
    };
    explicit Element(std::shared_ptr<Data> data) : m_Data(std::move(data)) {}

    std::shared_ptr<Data> m_Data;
};

class Parser
{
public:
    // The document's root element, or a null element (with a logged error) when the
    // bytes are not well-formed XML.
    static Element parse(const Bytes& document, Encoding encoding = EncodingAutomatic);
    static Element parse(const Bytes& document, int encoding);
};

} // namespace Xml
} // namespace Tesk
