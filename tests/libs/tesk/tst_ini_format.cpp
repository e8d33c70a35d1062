// The settings files' format: what Qt's own INI format writes is read back the same, and
// what this one writes Qt's reads, so that files from before and other readers keep working.

#include <Tesk/IniFormat.h>

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QTemporaryDir>
#include <QtTest>

class IniFormatTest : public QObject
{
    Q_OBJECT

private slots:
    void sameAsQtsOwnFormat_data();
    void sameAsQtsOwnFormat();
    void readsWhatPeopleWrite_data();
    void readsWhatPeopleWrite();
};

void IniFormatTest::sameAsQtsOwnFormat_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QVariant>("value");
    QTest::newRow("text") << "settings/name" << QVariant("Alice");
    QTest::newRow("top-level key") << "loggingenabled" << QVariant(true);
    QTest::newRow("number") << "window/x" << QVariant(-42);
    QTest::newRow("deep key") << "a/b/c/d" << QVariant("deep");
    QTest::newRow("key with odd characters") << "grp/Sp ace=;%é€" << QVariant("x");
    QTest::newRow("section named general") << "General/x" << QVariant("y");
    QTest::newRow("separators and quotes") << "s/v" << QVariant("a, b; c = \"d\" \\ e");
    QTest::newRow("spaces around") << "s/v" << QVariant("  padded  ");
    QTest::newRow("control characters") << "s/v" << QVariant(QString("tab\there\nnew\rline\a\b\f\v") + QChar(1));
    QTest::newRow("not ASCII") << "s/v" << QVariant("Zoë 日本 €1a");
    QTest::newRow("starts with @") << "s/v" << QVariant("@ByteArray(not one)");
    QTest::newRow("nul") << "s/v" << QVariant(QString("a") + QChar(0) + "b");
    QTest::newRow("bytes") << "s/geometry" << QVariant(QByteArray("\x01\xd9\xd0\xcb\x00\x03)\n", 8));
    QTest::newRow("list") << "s/list" << QVariant(QStringList{"one", "two, three", "", "@four"});
    QTest::newRow("empty list") << "s/list" << QVariant(QStringList());
    QTest::newRow("variant list") << "s/mixed" << QVariant(QVariantList{QByteArray("b"), QString("t"), 3});
    QTest::newRow("rect") << "s/r" << QVariant(QRect(1, -2, 30, 40));
    QTest::newRow("size") << "s/sz" << QVariant(QSize(640, 480));
    QTest::newRow("point") << "s/p" << QVariant(QPoint(-5, 7));
    QTest::newRow("other type") << "s/date" << QVariant(QDate(2024, 2, 29));
    QTest::newRow("map") << "s/map" << QVariant(QVariantMap{{"k", 1}});
    QTest::newRow("empty") << "s/empty" << QVariant(QString(""));
}

void IniFormatTest::sameAsQtsOwnFormat()
{
    QFETCH(QString, key);
    QFETCH(QVariant, value);
    QTemporaryDir folder;
    const QString qtFile = folder.filePath("qt.ini");
    const QString ourFile = folder.filePath("ours.ini");
    {
        QSettings qt(qtFile, QSettings::IniFormat);
        qt.setValue(key, value);
        qt.setValue("other/neighbour", "kept");
        QSettings ours(ourFile, Tesk::IniFormat::format());
        ours.setValue(key, value);
        ours.setValue("other/neighbour", "kept");
    }
    // Read from copies: QSettings keeps what a file held by its name, and would not read it.
    QVERIFY(QFile::copy(qtFile, folder.filePath("qt-copy.ini")) && QFile::copy(ourFile, folder.filePath("ours-copy.ini")));
    const QVariant qtReadsQt = QSettings(folder.filePath("qt-copy.ini"), QSettings::IniFormat).value(key);
    const QSettings qtReadsOurs(folder.filePath("ours-copy.ini"), QSettings::IniFormat);
    QCOMPARE(qtReadsOurs.status(), QSettings::NoError);
    QCOMPARE(qtReadsOurs.value(key), qtReadsQt);
    QCOMPARE(qtReadsOurs.value("other/neighbour").toString(), QString("kept"));

    QFile written(qtFile);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QSettings::SettingsMap decoded;
    QVERIFY(Tesk::IniFormat::decode(written.readAll(), decoded));
    QCOMPARE(decoded.value(key), qtReadsQt);
    QCOMPARE(decoded.value("other/neighbour").toString(), QString("kept"));
}

void IniFormatTest::readsWhatPeopleWrite_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<bool>("wellFormed");
    QTest::newRow("comment lines") << QByteArray("; note\n[s]\n; more\nk=v\n") << "s/k" << QVariant("v") << true;
    QTest::newRow("comment after value") << QByteArray("[s]\nk=v ; why\n") << "s/k" << QVariant("v") << true;
    QTest::newRow("spaces around =") << QByteArray("[s]\n  k \t=  v  \n") << "s/k" << QVariant("v") << true;
    QTest::newRow("windows line ends") << QByteArray("[s]\r\nk=v\r\n") << "s/k" << QVariant("v") << true;
    QTest::newRow("continued line") << QByteArray("[s]\nk=a\\\nb\n") << "s/k" << QVariant("ab") << true;
    QTest::newRow("quoted") << QByteArray("[s]\nk=\" a;b \"\n") << "s/k" << QVariant(" a;b ") << true;
    QTest::newRow("octal and hex") << QByteArray("[s]\nk=\\101\\x42\n") << "s/k" << QVariant("AB") << true;
    QTest::newRow("endless hex") << QByteArray("[s]\nk=\\x") + QByteArray(5000, 'f') << "s/k"
                                 << QVariant(QString(QChar(0xffff))) << true;
    QTest::newRow("later wins") << QByteArray("[s]\nk=1\n[t]\nx=0\n[s]\nk=2\n") << "s/k" << QVariant("2") << true;
    QTest::newRow("byte order mark") << QByteArray("\xEF\xBB\xBF[s]\nk=v\n") << "s/k" << QVariant("v") << true;
    QTest::newRow("line without =") << QByteArray("[s]\nnonsense\nk=v\n") << "s/k" << QVariant("v") << false;
    QTest::newRow("unclosed section") << QByteArray("[s\nk=v\n") << "s/k" << QVariant("v") << false;
    QTest::newRow("cut variant") << QByteArray("[s]\nk=@Variant(\\0\\0)\n") << "s/k" << QVariant() << true;
    QTest::newRow("cut quote") << QByteArray("[s]\nk=\"open\n") << "s/k" << QVariant("open\n") << true;
}

void IniFormatTest::readsWhatPeopleWrite()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, key);
    QFETCH(QVariant, value);
    QFETCH(bool, wellFormed);
    QSettings::SettingsMap decoded;
    QCOMPARE(Tesk::IniFormat::decode(file, decoded), wellFormed);
    QCOMPARE(decoded.value(key), value);

    QTemporaryDir folder;
    QFile written(folder.filePath("people.ini"));
    QVERIFY(written.open(QIODevice::WriteOnly));
    written.write(file);
    written.close();
    QCOMPARE(decoded.value(key), QSettings(written.fileName(), QSettings::IniFormat).value(key));
}

QTEST_GUILESS_MAIN(IniFormatTest)

#include "tst_ini_format.moc"
