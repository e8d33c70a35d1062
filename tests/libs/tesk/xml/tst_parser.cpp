#include <Tesk/Core/Logging/ApacheLogger.h>
#include <Tesk/Xml/Limits.h>
#include <Tesk/Xml/Parser.h>

#include <QtTest>

using Tesk::Bytes;
using Tesk::Core::Logging::RecordCapture;
using namespace Tesk::Xml;

namespace {
Bytes bytes(const QByteArray& data)
{
    return Bytes(data);
}
} // namespace

class TestXmlParser : public QObject
{
    Q_OBJECT

private slots:
    void walksTree();
    void attributesAndDefaults();
    void encodings_data();
    void encodings();
    void malformedYieldsNull_data();
    void malformedYieldsNull();
    void deepNestingDoesNotExhaustStack();
};

void TestXmlParser::walksTree()
{
    const Element root = Parser::parse(bytes("<?xml version=\"1.0\"?>\n"
                                             "<sounds><!-- shipped -->\n"
                                             "  <sound id=\"1\">Ring &amp; chime</sound>\n"
                                             "  <group><sound id=\"2\"/></group>\n"
                                             "  <sound id=\"3\"><![CDATA[<raw>]]></sound>\n"
                                             "</sounds>"),
                                       0);
    QVERIFY(!root.isNull());
    QCOMPARE(root.Name().toByteArray(), QByteArray("sounds"));

    QList<QByteArray> names;
    const Tesk::Container::List<Element>& children = root.Children();
    for (Tesk::Container::List<Element>::const_iterator it = children.begin(); it != children.end(); ++it)
        names << it->Name().toByteArray();
    QCOMPARE(names, QList<QByteArray>({"sound", "group", "sound"}));

    QCOMPARE(children.at(0).Text().toByteArray(), QByteArray("Ring & chime"));
    QCOMPARE(children.at(2).Text().toByteArray(), QByteArray("<raw>"));
    QCOMPARE(root.firstChild("group").Children().at(0).getAttribute("id").Value().toByteArray(), QByteArray("2"));
    QVERIFY(root.firstChild("missing").isNull());
    QVERIFY(root.firstChild("missing").Children().isEmpty());
}

void TestXmlParser::attributesAndDefaults()
{
    const Element root = Parser::parse(bytes("<device name=\"Desk &quot;A&quot;\" empty=\"\"/>"));
    QCOMPARE(root.getAttribute("name", "x").Value().toByteArray(), QByteArray("Desk \"A\""));
    QVERIFY(root.hasAttribute("empty"));
    QCOMPARE(root.getAttribute("empty", "fallback").Value().toByteArray(), QByteArray(""));
    QCOMPARE(root.getAttribute("missing", "fallback").Value().toByteArray(), QByteArray("fallback"));
    QCOMPARE(root.getAttribute(QStringLiteral("missing"), QStringLiteral("d")).Value().toQString(),
             QStringLiteral("d"));
    QCOMPARE(root.Attributes().size(), 2);
    // A null element answers with defaults too.
    QCOMPARE(Element().getAttribute("name", "none").Value().toByteArray(), QByteArray("none"));
}

void TestXmlParser::encodings_data()
{
    QTest::addColumn<QByteArray>("document");
    QTest::addColumn<int>("encoding");
    QTest::newRow("utf-8, automatic") << QByteArray("<a>caf\xc3\xa9</a>") << int(EncodingAutomatic);
    QTest::newRow("utf-8 with BOM") << QByteArray("\xef\xbb\xbf<a>caf\xc3\xa9</a>") << int(EncodingAutomatic);
    QTest::newRow("latin-1 declared") << QByteArray("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><a>caf\xe9</a>")
                                      << int(EncodingAutomatic);
    QTest::newRow("latin-1 forced") << QByteArray("<a>caf\xe9</a>") << int(EncodingLatin1);
    QTest::newRow("utf-8 forced") << QByteArray("<a>caf\xc3\xa9</a>") << int(EncodingUtf8);
}

void TestXmlParser::encodings()
{
    QFETCH(QByteArray, document);
    QFETCH(int, encoding);
    const Element root = Parser::parse(Bytes(document), encoding);
    QCOMPARE(root.Text().toQString(), QString::fromUtf8("caf\xc3\xa9"));
}

void TestXmlParser::malformedYieldsNull_data()
{
    QTest::addColumn<QByteArray>("document");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("blank") << QByteArray("   \n");
    QTest::newRow("unclosed") << QByteArray("<a><b></b>");
    QTest::newRow("mismatched") << QByteArray("<a><b></a></b>");
    QTest::newRow("two roots") << QByteArray("<a/><b/>");
    QTest::newRow("text only") << QByteArray("hello");
    QTest::newRow("binary") << QByteArray("\x00\xff\x13<\x01>", 6);
    QTest::newRow("undefined entity") << QByteArray("<a>&nope;</a>");
    QTest::newRow("entity expansion bomb")
        << QByteArray("<!DOCTYPE l [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\">"
                      "<!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;\"><!ENTITY d \"&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;\">"
                      "<!ENTITY e \"&d;&d;&d;&d;&d;&d;&d;&d;&d;&d;\"><!ENTITY f \"&e;&e;&e;&e;&e;&e;&e;&e;&e;&e;\">]>"
                      "<l>&f;&f;&f;&f;&f;&f;&f;&f;&f;&f;</l>");
}

void TestXmlParser::malformedYieldsNull()
{
    QFETCH(QByteArray, document);
    RecordCapture capture;
    const Element root = Parser::parse(Bytes(document), 0);
    QVERIFY(root.isNull());
    QVERIFY(root.Name().isEmpty());
    QVERIFY(root.Children().isEmpty());
    QVERIFY(capture.contains(QStringLiteral("XML parse error"), 4));
}

void TestXmlParser::deepNestingDoesNotExhaustStack()
{
    const auto nested = [](int depth) {
        return QByteArray("<n>").repeated(depth) + QByteArray("</n>").repeated(depth);
    };
    const auto depthOf = [](Element element) {
        int depth = 0;
        for (; !element.isNull(); ++depth)
            element = element.Children().isEmpty() ? Element() : element.Children().at(0);
        return depth;
    };
    // A document as deep as any the program reads is taken whole.
    const Tesk::Xml::Limits limits;
    QCOMPARE(depthOf(Parser::parse(Bytes(nested(limits.maxDepth)))), limits.maxDepth);

    // One a million levels deep is refused before anything is built, with a logged line.
    RecordCapture capture;
    QVERIFY(Parser::parse(Bytes(nested(1000000))).isNull());
    QVERIFY(capture.contains(QStringLiteral("XML document refused: elements are nested deeper than 64"), 4));
}

QTEST_GUILESS_MAIN(TestXmlParser)
#include "tst_parser.moc"
