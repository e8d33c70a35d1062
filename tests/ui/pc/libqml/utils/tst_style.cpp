#include "common/logging.h"
#include "libqml/utils/style.h"
#include "support/test_environment.h"

#include <QFile>
#include <QMetaMethod>
#include <QMetaProperty>
#include <QSignalSpy>
#include <QTest>

namespace {

QByteArray readFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

class StyleTest : public QObject
{
    Q_OBJECT

private slots:
    void defaults();
    void metaObjectOrder();
    void setColor_data();
    void setColor();
    void fontFamily();
    void setDefaultsRestores();
    void exportCsv_data();
    void exportCsv();
    void importCsv();
    void importMissingFileChangesNothing();
    void invertAll();
    void randomizeAll();
    void replaceCss_data();
    void replaceCss();
};

void StyleTest::defaults()
{
    TestSupport::Environment env;
    QCOMPARE(QML::Style::instance(), nullptr);
    {
        QML::Style style;
        QCOMPARE(QML::Style::instance(), &style);
        const QStringList names = style.colorNames();
        QCOMPARE(names.size(), 89);
        QStringList sorted = names;
        std::sort(sorted.begin(), sorted.end());
        QCOMPARE(names, sorted);

        QCOMPARE(style.colors().value("group1_color_hover").toString(), QStringLiteral("#f78f1e"));
        QCOMPARE(style.colors().value("mediumBackground").toString(), QStringLiteral("#FDFDFD"));
        QCOMPARE(style.colors().value("transparentBackground").toString(),
                 QStringLiteral("transparent"));
        QCOMPARE(style.colors().value("group1_color_normal").toString(), QStringLiteral("#757575"));
        QCOMPARE(style.color("errorText"), QColor(0xc0, 0, 0));
        QVERIFY(!style.color("noSuchColor").isValid());
        QCOMPARE(style.fontFamily().toString(), QStringLiteral("Arial"));
        QVERIFY(env.logs().records().isEmpty());
    }
    // A deleted style is no longer handed out.
    QCOMPARE(QML::Style::instance(), nullptr);
}

void StyleTest::metaObjectOrder()
{
    const QMetaObject& meta = QML::Style::staticMetaObject;
    QStringList methods;
    for (int i = meta.methodOffset(); i < meta.methodCount(); ++i)
        methods << QString::fromLatin1(meta.method(i).methodSignature());
    QCOMPARE(methods, QStringList({"colorsChanged()", "fontFamilyChanged()", "importCsv(QString)",
                                   "exportCsv(QString,bool)", "setColor(QString,QVariant)",
                                   "setDefaults()", "invertAll()", "randomizeAll()"}));

    QStringList properties;
    for (int i = meta.propertyOffset(); i < meta.propertyCount(); ++i)
        properties << QString::fromLatin1(meta.property(i).name());
    QCOMPARE(properties, QStringList({"colors", "colorNames", "fontFamily"}));
    QVERIFY(meta.property(meta.indexOfProperty("colorNames")).isConstant());
    QVERIFY(meta.property(meta.indexOfProperty("fontFamily")).isWritable());
}

void StyleTest::setColor_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("emissions");
    QTest::addColumn<bool>("refused");

    QTest::newRow("same text") << "errorText" << "#c00000" << "#c00000" << 0 << false;
    QTest::newRow("svg name") << "errorText" << "red" << "red" << 1 << false;
    QTest::newRow("short hex") << "errorText" << "#abc" << "#abc" << 1 << false;
    QTest::newRow("upper case hex") << "errorText" << "#ABCDEF" << "#ABCDEF" << 1 << false;
    QTest::newRow("transparent") << "errorText" << "transparent" << "transparent" << 1 << false;
    QTest::newRow("not a colour") << "errorText" << "blurple" << "#c00000" << 1 << true;
    QTest::newRow("alpha first") << "errorText" << "#80c00000" << "#c00000" << 1 << true;
    QTest::newRow("twelve digits") << "errorText" << "#c000c000c000" << "#c00000" << 1 << true;
    QTest::newRow("new name") << "brandNew" << "#123456" << "#123456" << 1 << false;
    // The name is kept even though its value is refused.
    QTest::newRow("new name alpha first") << "brandNew" << "#ff123456" << "" << 1 << true;
}

void StyleTest::setColor()
{
    QFETCH(QString, name);
    QFETCH(QString, value);
    QFETCH(QString, stored);
    QFETCH(int, emissions);
    QFETCH(bool, refused);
    TestSupport::Environment env;
    QML::Style style;
    QSignalSpy changed(&style, &QML::Style::colorsChanged);

    QVERIFY(QMetaObject::invokeMethod(&style, "setColor", Q_ARG(QString, name),
                                      Q_ARG(QVariant, QVariant(value))));

    QCOMPARE(changed.count(), emissions);
    QVERIFY(style.colorNames().contains(name));
    QCOMPARE(style.colors().value(name).toString(), stored);
    QCOMPARE(env.logs().contains("invalid color: " + value, Common::Logging::Debug), refused);
}

void StyleTest::fontFamily()
{
    TestSupport::Environment env;
    QML::Style style;
    QSignalSpy changed(&style, &QML::Style::fontFamilyChanged);

    QVERIFY(style.setProperty("fontFamily", QStringLiteral("Arial")));
    QCOMPARE(changed.count(), 0);
    style.setFontFamily(QStringLiteral("Arial"), true);
    QCOMPARE(changed.count(), 1);
    QVERIFY(style.setProperty("fontFamily", QStringLiteral("Verdana")));
    QCOMPARE(changed.count(), 2);
    QCOMPARE(style.fontFamily().toString(), QStringLiteral("Verdana"));
}

void StyleTest::setDefaultsRestores()
{
    TestSupport::Environment env;
    QML::Style style;
    const QVariantMap original = style.colors();
    style.setColor("errorText", "blue");
    style.setColor("extraName", "green");
    style.setFontFamily("Verdana");
    QSignalSpy colors(&style, &QML::Style::colorsChanged);
    QSignalSpy font(&style, &QML::Style::fontFamilyChanged);

    style.setDefaults();

    QCOMPARE(style.colors(), original);
    QCOMPARE(style.fontFamily().toString(), QStringLiteral("Arial"));
    QCOMPARE(colors.count(), 1);
    QCOMPARE(font.count(), 1);
}

void StyleTest::exportCsv_data()
{
    QTest::addColumn<bool>("withFont");
    QTest::newRow("colours only") << false;
    QTest::newRow("with font") << true;
}

void StyleTest::exportCsv()
{
    QFETCH(bool, withFont);
    TestSupport::Environment env;
    QML::Style style;
    style.setColor("\xc3\xa9quipe", "#010203"); // a non-ASCII name survives as UTF-8
    const QString path = env.dataPath() + "/style.csv";

    style.exportCsv(path, withFont);

    const QByteArray bytes = readFile(path);
    QVERIFY(bytes.endsWith("\r\n"));
    QCOMPARE(bytes.count("\r\n"), bytes.count('\n'));
    const QStringList lines =
        QString::fromUtf8(bytes).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 90 + (withFont ? 1 : 0));

    QStringList keys;
    for (const QString& line : lines)
        keys << line.section(',', 0, 0);
    QStringList sorted = keys;
    std::sort(sorted.begin(), sorted.end());
    QCOMPARE(keys, sorted);

    QVERIFY(lines.contains(QStringLiteral("group1_color_hover,#f78f1e")));
    QVERIFY(lines.contains(QStringLiteral("transparentBackground,transparent")));
    QVERIFY(lines.contains(QString::fromUtf8("\xc3\xa9quipe,#010203")));
    QCOMPARE(lines.contains(QStringLiteral("defaultFontFamily,Arial")), withFont);
    if (withFont) {
        const int font = lines.indexOf(QStringLiteral("defaultFontFamily,Arial"));
        QVERIFY(lines.value(font - 1).startsWith(QStringLiteral("defaultButton,")));
    }
}

void StyleTest::importCsv()
{
    TestSupport::Environment env;
    QML::Style style;
    QSignalSpy font(&style, &QML::Style::fontFamilyChanged);
    const QString path = env.dataPath() + "/import.csv";
    QVERIFY(writeFile(path, "errorText,#111111\r\n"
                            "\r\n"
                            "two,commas,#222222\n"
                            "no comma here\r"
                            "whiteText,#333333\n"
                            "whiteText,#444444\n"   // a later line wins
                            "darkText,#80ffffff\n"  // refused, old value kept
                            "newName,#555555\n"
                            "emptyValue,\n"
                            "defaultFontFamily,Arial\n"));

    style.importCsv(path);

    const QVariantMap colors = style.colors();
    QCOMPARE(colors.value("errorText").toString(), QStringLiteral("#111111"));
    QCOMPARE(colors.value("whiteText").toString(), QStringLiteral("#444444"));
    QCOMPARE(colors.value("darkText").toString(), QStringLiteral("#4E4E4E"));
    QCOMPARE(colors.value("newName").toString(), QStringLiteral("#555555"));
    QVERIFY(!colors.contains("two"));
    QVERIFY(!colors.contains("no comma here"));
    QVERIFY(style.colorNames().contains("emptyValue"));
    QVERIFY(env.logs().contains("invalid color: #80ffffff"));
    // The font key is forced: the same family still announces itself.
    QCOMPARE(font.count(), 1);
    QCOMPARE(style.fontFamily().toString(), QStringLiteral("Arial"));

    // What is exported comes back unchanged.
    const QString round = env.dataPath() + "/round.csv";
    style.setFontFamily("Tahoma");
    style.exportCsv(round, true);
    QML::Style other;
    other.importCsv(round);
    QCOMPARE(other.colors().value("newName").toString(), QStringLiteral("#555555"));
    QCOMPARE(other.fontFamily().toString(), QStringLiteral("Tahoma"));
}

void StyleTest::importMissingFileChangesNothing()
{
    TestSupport::Environment env;
    QML::Style style;
    QSignalSpy colors(&style, &QML::Style::colorsChanged);
    style.importCsv(env.dataPath() + "/does-not-exist.csv");
    style.exportCsv(env.dataPath() + "/no/such/folder.csv", true);
    QCOMPARE(colors.count(), 0);
    QVERIFY(!QFile::exists(env.dataPath() + "/no/such/folder.csv"));
}

void StyleTest::invertAll()
{
    TestSupport::Environment env;
    QML::Style style;
    style.setColor("refused", "#ff000000");
    QSignalSpy colors(&style, &QML::Style::colorsChanged);

    style.invertAll();

    QCOMPARE(colors.count(), 1);
    QCOMPARE(style.colors().value("group1_color_hover").toString(), QStringLiteral("#0870e1"));
    QCOMPARE(style.colors().value("whiteText").toString(), QStringLiteral("#000000"));
    QCOMPARE(style.colors().value("transparentBackground").toString(),
             QStringLiteral("transparent"));
    QCOMPARE(style.color("group1_color_hover"), QColor(0x08, 0x70, 0xe1));
    // An entry without a colour does not turn into one.
    QCOMPARE(style.colors().value("refused").toString(), QString());

    style.invertAll();
    QCOMPARE(style.colors().value("group1_color_hover").toString(), QStringLiteral("#f78f1e"));
}

void StyleTest::randomizeAll()
{
    TestSupport::Environment env;
    QML::Style style;
    QSignalSpy colors(&style, &QML::Style::colorsChanged);

    style.randomizeAll();

    QCOMPARE(colors.count(), 1);
    QSet<QString> seen;
    const QVariantMap map = style.colors();
    for (auto it = map.constBegin(); it != map.constEnd(); ++it) {
        if (it.key() == QLatin1String("transparentBackground")) {
            QCOMPARE(it.value().toString(), QStringLiteral("transparent"));
            continue;
        }
        const QColor color = style.color(it.key());
        QVERIFY(color.isValid());
        QCOMPARE(color.alpha(), 255);
        seen.insert(it.value().toString());
    }
    QCOMPARE(seen.size(), map.size() - 1);
}

void StyleTest::replaceCss_data()
{
    QTest::addColumn<QString>("css");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("result");
    QTest::addColumn<QString>("logged");

    QTest::newRow("colour and font")
        << "a{color:%%colors:errorText%%;font-family:%%font:defaultFontFamily%%}"
        << "a{color:#c00000;font-family:Arial}" << true << "";
    QTest::newRow("adjacent tokens") << "%%colors:whiteText%%%%colors:blackText%%"
                                     << "#FFFFFF#000000" << true << "";
    QTest::newRow("every font token") << "%%font:defaultFontFamily%%,%%font:defaultFontFamily%%"
                                      << "Arial,Arial" << true << "";
    QTest::newRow("unknown colour")
        << "b{color:%%colors:nope%%}" << "b{color:#ff0000}" << true
        << "!!!color %%colors:nope%% not found, using default";
    QTest::newRow("unclosed colour")
        << "%%colors:errorText%% %%font:defaultFontFamily%% %%colors:errorText"
        << "#c00000 %%font:defaultFontFamily%% %%colors:errorText" << false << "";
    QTest::newRow("prefix is case-sensitive") << "%%COLORS:errorText%%"
                                              << "%%COLORS:errorText%%" << true << "";
    QTest::newRow("no tokens") << "plain" << "plain" << true << "";
}

void StyleTest::replaceCss()
{
    QFETCH(QString, css);
    QFETCH(QString, expected);
    QFETCH(bool, result);
    QFETCH(QString, logged);
    TestSupport::Environment env;
    const QML::Style style;

    QCOMPARE(style.replaceCssWithStyle(css), result);
    QCOMPARE(css, expected);
    if (!logged.isEmpty())
        QVERIFY(env.logs().contains(logged, Common::Logging::Debug));
}

QTEST_MAIN(StyleTest)
#include "tst_style.moc"
