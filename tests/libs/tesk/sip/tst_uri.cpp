#include <Tesk/Core/Logging/ApacheLogger.h>
#include <Tesk/Sip/Uri.h>

#include <QtTest>

using Tesk::Bytes;
using Tesk::Core::Logging::RecordCapture;
using Tesk::Sip::Uri;
using Tesk::Sip::UriPtr;

class TestSipUri : public QObject
{
    Q_OBJECT

private slots:
    void parsesForms_data();
    void parsesForms();
    void parametersAndHeaders();
    void rejectsNonAddresses_data();
    void rejectsNonAddresses();
    void urlDecode_data();
    void urlDecode();
};

void TestSipUri::parsesForms_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("hasDisplayName");
    QTest::addColumn<QString>("displayName");
    QTest::addColumn<QString>("username");
    QTest::addColumn<QString>("host");
    QTest::addColumn<int>("port");
    QTest::addColumn<QString>("bare");
    QTest::addColumn<QString>("full");

    QTest::newRow("addr-spec") << "sip:alice@example.com" << false << "" << "alice" << "example.com" << 0
                               << "sip:alice@example.com" << "sip:alice@example.com";
    QTest::newRow("angle brackets only") << "<sip:bob@10.0.0.1:5070>" << false << "" << "bob" << "10.0.0.1" << 5070
                                         << "sip:bob@10.0.0.1:5070" << "sip:bob@10.0.0.1:5070";
    QTest::newRow("token display name") << "Alice Smith <sip:alice@example.com>" << true << "Alice Smith" << "alice"
                                        << "example.com" << 0 << "sip:alice@example.com"
                                        << "\"Alice Smith\" <sip:alice@example.com>";
    QTest::newRow("quoted with escapes and tag")
        << "\"Smith, \\\"Al\\\"\" <sips:al@example.com>;tag=9f" << true << "Smith, \"Al\"" << "al" << "example.com" << 0
        << "sips:al@example.com" << "\"Smith, \\\"Al\\\"\" <sips:al@example.com>;tag=9f";
    QTest::newRow("empty quoted name") << "\"\" <sip:x@h>" << true << "" << "x" << "h" << 0 << "sip:x@h"
                                       << "\"\" <sip:x@h>";
    QTest::newRow("utf-8 name") << QString::fromUtf8("J\xc3\xbcrgen <sip:j@h>") << true
                                << QString::fromUtf8("J\xc3\xbcrgen") << "j" << "h" << 0 << "sip:j@h"
                                << QString::fromUtf8("\"J\xc3\xbcrgen\" <sip:j@h>");
    QTest::newRow("upper-case scheme") << "SIP:carol@h" << false << "" << "carol" << "h" << 0 << "sip:carol@h"
                                       << "sip:carol@h";
    QTest::newRow("no scheme") << "dave@example.com" << false << "" << "dave" << "example.com" << 0
                               << "sip:dave@example.com" << "sip:dave@example.com";
    QTest::newRow("host only with port") << "example.com:5060" << false << "" << "" << "example.com" << 5060
                                         << "sip:example.com:5060" << "sip:example.com:5060";
    QTest::newRow("telephone number") << "<tel:+4930123456>" << false << "" << "+4930123456" << "" << 0
                                      << "tel:+4930123456" << "tel:+4930123456";
    QTest::newRow("escaped user and IPv6") << "sip:%2B49%20123@[2001:db8::1]:5061" << false << "" << "%2B49%20123"
                                           << "[2001:db8::1]" << 5061 << "sip:%2B49%20123@[2001:db8::1]:5061"
                                           << "sip:%2B49%20123@[2001:db8::1]:5061";
}

void TestSipUri::parsesForms()
{
    QFETCH(QString, text);
    QFETCH(bool, hasDisplayName);
    QFETCH(QString, displayName);
    QFETCH(QString, username);
    QFETCH(QString, host);
    QFETCH(int, port);
    QFETCH(QString, bare);
    QFETCH(QString, full);

    const UriPtr uri = Uri::parse(text);
    QVERIFY(uri);
    QCOMPARE(!uri->DisplayName().isNull(), hasDisplayName);
    QCOMPARE(uri->DisplayName().toQString(), hasDisplayName ? displayName : QString());
    QCOMPARE(uri->Username().toQString(), username);
    QCOMPARE(uri->Host().toQString(), host);
    QCOMPARE(uri->Port(), port);
    QCOMPARE(uri->toString(false), bare);
    QCOMPARE(uri->toString(true), full);
    // The written form reads back the same.
    QCOMPARE(Uri::parse(uri->toString(true))->toString(true), full);
}

void TestSipUri::parametersAndHeaders()
{
    const UriPtr uri = Uri::parse(Bytes(QByteArray("<sip:u:pw@h;transport=TLS;lr?subject=hi>;tag=1;expires=60")));
    QVERIFY(uri);
    QCOMPARE(uri->Password().toByteArray(), QByteArray("pw"));
    QCOMPARE(uri->parameter("Transport").toByteArray(), QByteArray("TLS"));
    QVERIFY(!uri->parameter("lr").isNull());
    QVERIFY(uri->parameter("maddr").isNull());
    QCOMPARE(uri->Headers().toByteArray(), QByteArray("subject=hi"));
    QCOMPARE(uri->FieldParameters().size(), 2);
    QCOMPARE(uri->toString(false), QStringLiteral("sip:u:pw@h;transport=TLS;lr?subject=hi"));
    QCOMPARE(uri->ReferenceCount(), 1u);
}

void TestSipUri::rejectsNonAddresses_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("blank") << QByteArray("   ");
    QTest::newRow("scheme only") << QByteArray("sip:");
    QTest::newRow("no host") << QByteArray("sip:alice@");
    QTest::newRow("unterminated bracket") << QByteArray("Alice <sip:alice@h");
    QTest::newRow("unterminated quote") << QByteArray("\"Alice <sip:alice@h>");
    QTest::newRow("text between name and bracket") << QByteArray("\"A\" x <sip:a@h>");
    QTest::newRow("other scheme") << QByteArray("http://example.com/");
    QTest::newRow("bad port") << QByteArray("sip:a@h:99999");
    QTest::newRow("empty tel") << QByteArray("tel:");
}

void TestSipUri::rejectsNonAddresses()
{
    QFETCH(QByteArray, text);
    RecordCapture capture;
    QVERIFY(!Uri::parse(Bytes(text)));
    QVERIFY(capture.contains(QStringLiteral("Not a SIP address"), 3));
}

void TestSipUri::urlDecode_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("plain") << QByteArray("sip:alice@h") << QByteArray("sip:alice@h");
    QTest::newRow("escapes, any case") << QByteArray("%2b49%2B%20%3c%3E") << QByteArray("+49+ <>");
    QTest::newRow("plus kept") << QByteArray("tel:+4930") << QByteArray("tel:+4930");
    QTest::newRow("utf-8 bytes") << QByteArray("J%C3%BCrgen") << QByteArray("J\xc3\xbcrgen");
    QTest::newRow("zero byte") << QByteArray("a%00b") << QByteArray("a\0b", 3);
    QTest::newRow("truncated at end") << QByteArray("50%") << QByteArray("50%");
    QTest::newRow("one digit at end") << QByteArray("a%4") << QByteArray("a%4");
    QTest::newRow("not hex") << QByteArray("%zz%g1") << QByteArray("%zz%g1");
    QTest::newRow("decoded once only") << QByteArray("%2541") << QByteArray("%41");
}

void TestSipUri::urlDecode()
{
    QFETCH(QByteArray, input);
    QFETCH(QByteArray, expected);
    QCOMPARE(Tesk::Sip::UrlDecode(Bytes(input)).toByteArray(), expected);
}

QTEST_GUILESS_MAIN(TestSipUri)
#include "tst_uri.moc"
