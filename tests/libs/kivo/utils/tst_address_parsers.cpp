// Phone numbers and SIP addresses as users, links and calls give them.
#include <Kivo/Utils/PhoneNumberParser.h>
#include <Kivo/Utils/SipUriParser.h>

#include <QtTest>

using Kivo::Utils::PhoneNumberParser;
using Kivo::Utils::SipUriParser;

class TestAddressParsers : public QObject
{
    Q_OBJECT

private slots:
    void phoneNumbers_data();
    void phoneNumbers();
    void callableAddresses_data();
    void callableAddresses();
    void matchableForms_data();
    void matchableForms();
    void displayNames_data();
    void displayNames();
};

void TestAddressParsers::phoneNumbers_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QString>("normalised");
    QTest::newRow("international") << "+49 (30) 1234-567" << true << "+49301234567";
    QTest::newRow("dots and slash") << " 030/123.45 " << true << "03012345";
    QTest::newRow("service code") << "*97#" << true << "*97#";
    QTest::newRow("extension") << "5" << true << "5";
    QTest::newRow("plus alone") << "+" << false << "";
    QTest::newRow("plus inside") << "12+34" << false << "1234";
    QTest::newRow("letters") << "1-800-FLOWERS" << false << "1800";
    QTest::newRow("stars only") << "**" << false << "**";
    QTest::newRow("empty") << "" << false << "";
    QTest::newRow("longest") << QString(32, '1') << true << QString(32, '1');
    QTest::newRow("too long") << QString(33, '1') << false << QString(33, '1');
    QTest::newRow("other digits") << QString::fromUtf8("\u0661\u0662\u0663") << false << "";
}

void TestAddressParsers::phoneNumbers()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(QString, normalised);
    QCOMPARE(PhoneNumberParser::isValidPhoneNumber(text), valid);
    QCOMPARE(PhoneNumberParser::normalizePhoneNumber(text), normalised);
}

void TestAddressParsers::callableAddresses_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("callable");
    QTest::newRow("number") << "+1 555 0101" << "+15550101";
    QTest::newRow("address") << " bob@demo.telvarion.net " << "bob@demo.telvarion.net";
    QTest::newRow("sip uri") << "sip:bob@demo.telvarion.net" << "bob@demo.telvarion.net";
    QTest::newRow("sips uri") << "SIPS:bob@demo.telvarion.net" << "bob@demo.telvarion.net";
    QTest::newRow("tel uri") << "tel:+1-555-0101;phone-context=x" << "+15550101";
    QTest::newRow("name") << "Bob Lindqvist" << "";
    QTest::newRow("two at signs") << "a@b@c" << "";
    QTest::newRow("markup") << "<b>@x" << "";
    QTest::newRow("other scheme") << "http://a/b" << "";
    QTest::newRow("empty") << "" << "";
}

void TestAddressParsers::callableAddresses()
{
    QFETCH(QString, text);
    QFETCH(QString, callable);
    QCOMPARE(PhoneNumberParser::getCallableAddress(text), callable);
}

void TestAddressParsers::matchableForms_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("matchable");
    QTest::newRow("name-addr") << "\"Bob L\" <sip:Bob@Demo.Telvarion.NET:5061;transport=tls>;tag=1"
                               << "sip:bob@demo.telvarion.net";
    QTest::newRow("escaped user") << "sip:b%6Fb@demo" << "sip:bob@demo";
    QTest::newRow("number in sip") << "sip:+1-555-0101@demo;user=phone" << "tel:+15550101";
    QTest::newRow("tel") << "tel:+15550101" << "tel:+15550101";
    QTest::newRow("plain number") << "+1 555 0101" << "tel:+15550101";
    QTest::newRow("user at host") << "Carol@Example.TEST" << "sip:carol@example.test";
    QTest::newRow("not an address") << " Some Text " << "some text";
}

void TestAddressParsers::matchableForms()
{
    QFETCH(QString, text);
    QFETCH(QString, matchable);
    const SipUriParser parser(nullptr);
    QCOMPARE(parser.matchableUri(text), matchable);
}

void TestAddressParsers::displayNames_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("name");
    QTest::newRow("display name") << "\"Bob Lindqvist\" <sip:bob@demo>" << "Bob Lindqvist";
    QTest::newRow("bare name") << "Chiara Rossi <sip:chiara@demo>" << "Chiara Rossi";
    QTest::newRow("user part") << "sip:dev%20p@demo" << "dev p";
    QTest::newRow("number") << "tel:+15550101" << "+15550101";
    QTest::newRow("host only") << "sip:conference.demo" << "conference.demo";
    QTest::newRow("no address") << "  Front Desk  " << "Front Desk";
}

void TestAddressParsers::displayNames()
{
    QFETCH(QString, text);
    QFETCH(QString, name);
    const SipUriParser parser(nullptr);
    QCOMPARE(parser.displayNameFromUri(text), name);
    QCOMPARE(parser.displayNameFromUri(Tesk::Sip::UriPtr()), QString());
    if (const Tesk::Sip::UriPtr uri = parser.parseUri(text))
        QCOMPARE(parser.displayNameFromUri(uri), name);
}

QTEST_GUILESS_MAIN(TestAddressParsers)
#include "tst_address_parsers.moc"
