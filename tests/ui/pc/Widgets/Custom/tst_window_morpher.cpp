#include "Widgets/Custom/window_morpher.h"

#include <QPointer>
#include <QtTest>

using Widgets::RotatingWindowMorpher;
using Widgets::WindowMorpher;

class TestWindowMorpher : public QObject
{
    Q_OBJECT

private slots:
    void replacesWindow_data();
    void replacesWindow();
    void rotationEndsWithNewWindowInPlace();
};

void TestWindowMorpher::replacesWindow_data()
{
    QTest::addColumn<bool>("deleteOld");
    QTest::newRow("old window kept") << false;
    QTest::newRow("old window deleted") << true;
}

void TestWindowMorpher::replacesWindow()
{
    QFETCH(bool, deleteOld);
    QPointer<QWidget> oldWindow = new QWidget;
    QPointer<QWidget> newWindow = new QWidget;
    oldWindow->show();
    QPointer<WindowMorpher> morpher = WindowMorpher::create(oldWindow, newWindow);
    morpher->setDeleteOldWindow(deleteOld);
    morpher->Start();

    QVERIFY(newWindow->isVisible());
    QTRY_VERIFY(morpher.isNull());
    if (deleteOld) {
        QTRY_VERIFY(oldWindow.isNull());
    } else {
        QVERIFY(oldWindow->isVisible());
        delete oldWindow;
    }
    delete newWindow;
}

void TestWindowMorpher::rotationEndsWithNewWindowInPlace()
{
    QPointer<QWidget> oldWindow = new QWidget;
    oldWindow->setGeometry(120, 80, 300, 200);
    oldWindow->show();
    QPointer<QWidget> newWindow = new QWidget;
    newWindow->resize(250, 150);

    QPointer<RotatingWindowMorpher> morpher = new RotatingWindowMorpher(oldWindow, newWindow);
    morpher->setDeleteOldWindow(true);
    morpher->Start();
    QVERIFY(morpher->isVisible());
    QCOMPARE(morpher->geometry(), QRect(120, 80, 300, 200));
    QVERIFY(!morpher->grab().isNull());

    QTRY_VERIFY(morpher.isNull());
    QTRY_VERIFY(oldWindow.isNull());
    QVERIFY(newWindow->isVisible());
    QCOMPARE(newWindow->geometry(), QRect(120, 80, 300, 200));
    delete newWindow;
}

QTEST_MAIN(TestWindowMorpher)
#include "tst_window_morpher.moc"
