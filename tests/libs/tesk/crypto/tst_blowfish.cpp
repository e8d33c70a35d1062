#include <Tesk/Core/Logging/ApacheLogger.h>
#include <Tesk/Crypto/Blowfish.h>

#include <QtTest>

using Tesk::Bytes;
using Tesk::Crypto::Blowfish;
using Tesk::Core::Logging::RecordCapture;

namespace {
// Same form as the program's built-in key: 56 raw bytes.
const unsigned char ProgramFormKey[56] = {
    0x3a, 0x91, 0x5c, 0x07, 0xe2, 0x48, 0xbd, 0x16, 0x7f, 0x20, 0xc4, 0x9b, 0x05, 0xd8, 0x63, 0xae,
    0x11, 0xf6, 0x8c, 0x42, 0x9d, 0x37, 0xea, 0x70, 0x2b, 0xc1, 0x5e, 0x04, 0xb8, 0x93, 0x6f, 0xd2,
    0x87, 0x1c, 0xa5, 0x3e, 0xf0, 0x69, 0x0d, 0xb4, 0x52, 0xcb, 0x28, 0x96, 0x7d, 0xe1, 0x4a, 0x35,
    0xdc, 0x80, 0x1f, 0x6b, 0xa7, 0x59, 0xce, 0x03};

// Mode 2 cipher text (IV first) of the configuration below, made once with this implementation;
// it pins the key schedule, the IV layout and the padding.
const char* const FrozenCipherText =
    "1afc20bd710d97719615a93ab238b78641380639282658382a063a1ef8c76fb0c915cc0df376188d9a9116c0f7"
    "1f0391a824eeb46d9a33e2c1680c46431753cc106087141abbe3c2";

Bytes programKey()
{
    return Bytes().Copy(ProgramFormKey, int(sizeof(ProgramFormKey)));
}

Bytes hex(const char* text)
{
    return Bytes(QByteArray::fromHex(text));
}
} // namespace

class TestBlowfish : public QObject
{
    Q_OBJECT

private slots:
    void roundTrip_data();
    void roundTrip();
    void frozenVectorMode2();
    void decryptsOtherImplementationsCbc();
    void keyLengths_data();
    void keyLengths();
    void rejectsBadInput_data();
    void rejectsBadInput();
    void wrongKeyFailsCleanly();
    void unknownModeLeavesNoKey();
};

void TestBlowfish::roundTrip_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("length");
    const QList<int> lengths{0, 1, 7, 8, 9, 1000};
    for (int mode : {int(Blowfish::ModeEcb), int(Blowfish::ModeCbc), int(Blowfish::ModeCfb)}) {
        for (int length : lengths)
            QTest::addRow("mode %d, %d bytes", mode, length) << mode << length;
    }
}

void TestBlowfish::roundTrip()
{
    QFETCH(int, mode);
    QFETCH(int, length);
    QByteArray plain(length, '\0');
    for (int index = 0; index < length; ++index)
        plain[index] = char(index * 7 + 3);

    Blowfish cipher;
    QVERIFY(cipher.Initialize(programKey(), mode));
    const Bytes encrypted = cipher.Encrypt(Bytes(plain));
    QVERIFY(!encrypted.isNull());
    const int iv = mode == Blowfish::ModeEcb ? 0 : 8;
    const int body = mode == Blowfish::ModeCfb ? length : (length / 8 + 1) * 8;
    QCOMPARE(encrypted.Length(), iv + body);
    QCOMPARE(cipher.Decrypt(encrypted).toByteArray(), plain);
}

void TestBlowfish::frozenVectorMode2()
{
    Blowfish cipher;
    QVERIFY(cipher.Initialize(programKey(), 2));
    const Bytes plain = cipher.Decrypt(hex(FrozenCipherText));
    QCOMPARE(plain.toByteArray(), QByteArray("<config name=\"Telvarion\"><item id=\"5\">true</item></config>"));
}

void TestBlowfish::decryptsOtherImplementationsCbc()
{
    // openssl enc -bf-cbc -K 000102030405060708090a0b0c0d0e0f -iv f0e1d2c3b4a59687 -nosalt
    // of "Telvarion configuration", prefixed with its IV.
    Blowfish cipher;
    QVERIFY(cipher.Initialize(hex("000102030405060708090a0b0c0d0e0f"), Blowfish::ModeCbc));
    QCOMPARE(cipher.Decrypt(hex("f0e1d2c3b4a59687e7ff00adf67c42a100fbb9c112ecb00cfe8d53ae55157a70")).toByteArray(),
             QByteArray("Telvarion configuration"));
}

void TestBlowfish::keyLengths_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("empty") << 0 << false;
    QTest::newRow("3 bytes") << 3 << false;
    QTest::newRow("4 bytes") << 4 << true;
    QTest::newRow("56 bytes") << 56 << true;
    QTest::newRow("57 bytes") << 57 << false;
}

void TestBlowfish::keyLengths()
{
    QFETCH(int, length);
    QFETCH(bool, accepted);
    RecordCapture capture;
    Blowfish cipher;
    QCOMPARE(cipher.Initialize(Bytes(QByteArray(length, 'k')), Blowfish::ModeCbc), accepted);
    QCOMPARE(cipher.isInitialized(), accepted);
    QCOMPARE(capture.contains(QStringLiteral("Unusable key length"), 4), !accepted);
}

void TestBlowfish::rejectsBadInput_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QByteArray>("input");
    QTest::newRow("cbc: empty") << int(Blowfish::ModeCbc) << QByteArray();
    QTest::newRow("cbc: IV only") << int(Blowfish::ModeCbc) << QByteArray(8, 'x');
    QTest::newRow("cbc: ragged") << int(Blowfish::ModeCbc) << QByteArray(8 + 13, 'x');
    QTest::newRow("ecb: ragged") << int(Blowfish::ModeEcb) << QByteArray(7, 'x');
    QTest::newRow("cfb: shorter than IV") << int(Blowfish::ModeCfb) << QByteArray(5, 'x');
}

void TestBlowfish::rejectsBadInput()
{
    QFETCH(int, mode);
    QFETCH(QByteArray, input);
    RecordCapture capture;
    Blowfish cipher;
    QVERIFY(cipher.Initialize(programKey(), mode));
    QVERIFY(cipher.Decrypt(Bytes(input)).isNull());
    QVERIFY(capture.contains(QStringLiteral("unusable length"), 4));
}

void TestBlowfish::wrongKeyFailsCleanly()
{
    RecordCapture capture;
    Blowfish unkeyed;
    QVERIFY(unkeyed.Decrypt(hex(FrozenCipherText)).isNull());
    QVERIFY(unkeyed.Encrypt(Bytes(QByteArray("x"))).isNull());
    QVERIFY(capture.contains(QStringLiteral("without a key"), 4));

    QByteArray otherKey = programKey().toByteArray();
    otherKey[0] = char(otherKey.at(0) ^ 0x01);
    Blowfish cipher;
    QVERIFY(cipher.Initialize(Bytes(otherKey), 2));
    QVERIFY(cipher.Decrypt(hex(FrozenCipherText)).isNull());
    QVERIFY(capture.contains(QStringLiteral("bad padding"), 4));
}

void TestBlowfish::unknownModeLeavesNoKey()
{
    Blowfish cipher;
    QVERIFY(cipher.Initialize(programKey(), Blowfish::ModeCbc));
    QVERIFY(!cipher.Initialize(programKey(), 7));
    QVERIFY(!cipher.isInitialized());
}

QTEST_GUILESS_MAIN(TestBlowfish)
#include "tst_blowfish.moc"
