#include "libqml/utils/qml_clipboard_adapter.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QtTest>

class TestQmlClipboardAdapter : public QObject
{
    Q_OBJECT

private slots:
    void dialpadText_data();
    void dialpadText();
    void numberOrUri_data();
    void numberOrUri();
    void clipboardRoundTrip();
};

void TestQmlClipboardAdapter::dialpadText_data()
{
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("withoutDtmf");
    QTest::addColumn<QString>("withDtmf");
    QTest::newRow("spoken number") << "Call +1 (555) 010-99#" << "+155501099" << "+155501099#";
    QTest::newRow("inner plus dropped") << "+1+2" << "+12" << "+12";
    QTest::newRow("double leading plus") << "++1" << "+1" << "+1";
    QTest::newRow("plus after digits") << "00+49" << "0049" << "0049";
    QTest::newRow("pause and star") << "123,*45" << "12345" << "123,*45";
    QTest::newRow("nothing dialable") << "hello" << "" << "";
    QTest::newRow("empty") << "" << "" << "";
}

void TestQmlClipboardAdapter::dialpadText()
{
    QFETCH(QString, clipboard);
    QFETCH(QString, withoutDtmf);
    QFETCH(QString, withDtmf);
    QmlClipboardAdapter adapter;
    adapter.setText(clipboard);
    QCOMPARE(adapter.getDialpadText(false), withoutDtmf);
    QCOMPARE(adapter.getDialpadText(true), withDtmf);
    QCOMPARE(adapter.getDialpadText(), withDtmf);
}

void TestQmlClipboardAdapter::numberOrUri_data()
{
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("expected");
    QTest::newRow("sip uri trimmed") << "  sip:anna.berg@example.com;transport=tls \n"
                                     << "sip:anna.berg@example.com;transport=tls";
    QTest::newRow("uri loses foreign characters") << "sips:anna berg@example.com/x?" << "sips:annaberg@example.comx";
    QTest::newRow("tel uri keeps every plus") << "tel:+1-555+2" << "tel:+1-555+2";
    QTest::newRow("number") << "+1 555-0100" << "+1555-0100";
    QTest::newRow("number inner plus") << "+49+30 1234#" << "+49301234#";
    QTest::newRow("capital scheme is a number") << "SIP:+1 555" << "+1555";
    QTest::newRow("scheme not at start") << "x sip:100" << "100";
}

void TestQmlClipboardAdapter::numberOrUri()
{
    QFETCH(QString, clipboard);
    QFETCH(QString, expected);
    QmlClipboardAdapter adapter;
    adapter.setText(clipboard);
    QCOMPARE(adapter.getPhoneNumberOrTelUri(), expected);
}

void TestQmlClipboardAdapter::clipboardRoundTrip()
{
    QmlClipboardAdapter adapter;
    adapter.setText("Call me at +1 555");
    QCOMPARE(QGuiApplication::clipboard()->text(), QString("Call me at +1 555"));
    QCOMPARE(adapter.getText(), QString("Call me at +1 555"));
    QGuiApplication::clipboard()->setText("changed elsewhere");
    QCOMPARE(adapter.getText(), QString("changed elsewhere"));
}

QTEST_MAIN(TestQmlClipboardAdapter)
#include "tst_qml_clipboard_adapter.moc"
