#include "Widgets/cutting_label.h"

#include <Kivo/Settings.h>

#include <QFontMetrics>
#include <QTemporaryDir>
#include <QtTest>

using Widgets::CuttingLabel;

class TestCuttingLabel : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void longTextElided();
    void toolTipLimit_data();
    void toolTipLimit();
    void secondLineCut();
    void richTextNeverShowsBrokenTag();
    void imagesCutByDeclaredWidth_data();
    void imagesCutByDeclaredWidth();
    void toolTipWrapping();
    void fixedHeightSizeHint();

private:
    QTemporaryDir m_Dir;
};

void TestCuttingLabel::initTestCase()
{
    QVERIFY(m_Dir.isValid());
    Kivo::Settings::setPath(Kivo::Settings::DefaultSettings, m_Dir.path());
}

void TestCuttingLabel::init()
{
    Kivo::Settings(Kivo::Settings::DefaultSettings).clear();
}

void TestCuttingLabel::longTextElided()
{
    const QString text = "A queue name too long for the label";
    CuttingLabel label(text);
    label.resize(120, 20);
    label.show();
    QVERIFY(label.text().endsWith(QChar(0x2026)));
    QVERIFY(text.startsWith(label.text().chopped(1)));
    QVERIFY(QFontMetrics(label.font()).horizontalAdvance(label.text()) <= 120);
    QCOMPARE(label.toolTip(), text);
    QCOMPARE(label.fullText(), text);
    QCOMPARE(label.minimumSizeHint(), QSize(40, 20));

    label.resize(2000, 20);
    QCOMPARE(label.text(), text);
}

void TestCuttingLabel::toolTipLimit_data()
{
    QTest::addColumn<int>("limit");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("toolTip");
    QTest::newRow("cut, trailing blank dropped") << 10 << "Hello big world and more text!" << "Hello big...";
    QTest::newRow("short text kept") << 10 << "Short" << "Short";
    QTest::newRow("only blanks kept nothing") << 3 << "   and then" << "";
    QTest::newRow("no limit") << 0 << "Hello big world and more text!" << "Hello big world and more text!";
}

void TestCuttingLabel::toolTipLimit()
{
    QFETCH(int, limit);
    QFETCH(QString, text);
    QFETCH(QString, toolTip);
    Kivo::Settings(Kivo::Settings::DefaultSettings).setValue("widgets/cuttingLabel/maxTooltipTextLength", limit);
    CuttingLabel label(text);
    QCOMPARE(label.toolTip(), toolTip);
}

void TestCuttingLabel::secondLineCut()
{
    CuttingLabel label("First line\nSecond line");
    label.resize(400, 20);
    label.show();
    QCOMPARE(label.text(), QString("First line..."));
}

void TestCuttingLabel::richTextNeverShowsBrokenTag()
{
    const QString text = "Status <img src=\":/icons/online.png\" width=\"16\"> online <b>since</b> <img src=\":/a.png\"> noon";
    CuttingLabel label;
    label.setText(text);
    label.show();
    for (int width = 40; width <= 500; width += 3) {
        label.resize(width, 20);
        const QString shown = label.text();
        const int open = shown.lastIndexOf('<');
        QVERIFY2(open < 0 || shown.indexOf('>', open) > open, qPrintable(QString("%1: %2").arg(width).arg(shown)));
        QCOMPARE(shown.count('<'), shown.count('>'));
    }
    QVERIFY(!label.toolTip().isEmpty());
}

void TestCuttingLabel::imagesCutByDeclaredWidth_data()
{
    QTest::addColumn<int>("imageWidth");
    QTest::addColumn<bool>("imageShown");
    QTest::newRow("image fits") << 5 << true;
    QTest::newRow("image too wide") << 50 << false;
}

void TestCuttingLabel::imagesCutByDeclaredWidth()
{
    QFETCH(int, imageWidth);
    QFETCH(bool, imageShown);
    CuttingLabel label;
    const QFontMetrics metrics(label.font());
    const QString tag = QString("<img src='x.png' width='%1'>").arg(imageWidth);
    label.setText("ab" + tag + "cd");
    label.show();
    label.resize(metrics.horizontalAdvance("ab") + metrics.horizontalAdvance("...") + 20, 20);
    if (imageShown) {
        QVERIFY(label.text().startsWith("ab" + tag));
    } else {
        QCOMPARE(label.text(), QString("ab..."));
    }
}

void TestCuttingLabel::toolTipWrapping()
{
    const QFontMetrics metrics(QGuiApplication::font());
    const QString line = QString("word ").repeated(40).trimmed();
    const int limit = metrics.horizontalAdvance(line) / 3;

    const QString wrapped = CuttingLabel::wrapToolTip(line + "\n\nshort", metrics, limit);
    QVERIFY(wrapped.count('\n') > 2);
    QCOMPARE(QString(wrapped).remove('\n'), QString(line + "short").remove('\n'));
    QVERIFY(wrapped.endsWith("\n\nshort"));

    // Without a screen the limit is 0: still ends, one character a line at most.
    const QString narrow = CuttingLabel::wrapToolTip("abc", metrics, 0);
    QCOMPARE(QString(narrow).remove('\n'), QString("abc"));
}

void TestCuttingLabel::fixedHeightSizeHint()
{
    CuttingLabel label("Some text that is long enough to be cut somewhere");
    label.setRichTextWithImages(true);
    label.setFixedHeightSizing(true);
    label.show();
    label.resize(100, 30);
    const QFontMetrics metrics(label.font());
    QCOMPARE(label.sizeHint(), QSize(100, metrics.height()));
}

QTEST_MAIN(TestCuttingLabel)
#include "tst_cutting_label.moc"
