#include "Utils/windowmanager.h"

#include <QPointer>
#include <QWidget>
#include <QtTest>

#include <memory>
#include <vector>

namespace {

// Shown and frameless, so that frame and client sizes agree on the offscreen platform.
class CascadeWindow : public QWidget
{
    Q_OBJECT
public:
    explicit CascadeWindow(const QRect& geometry = QRect(0, 0, 100, 80))
        : QWidget(nullptr, Qt::FramelessWindowHint)
    {
        setGeometry(geometry);
        show();
    }
};

class OtherWindow : public CascadeWindow
{
    Q_OBJECT
public:
    using CascadeWindow::CascadeWindow;
};

class Probe : public QWidget
{
    Q_OBJECT
};

} // namespace

namespace QML {
class Probe : public QWidget
{
    Q_OBJECT
};
} // namespace QML

using Utils::WindowManager;

class TestWindowManager : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void centredBox_data();
    void centredBox();
    void cascade_data();
    void cascade();
    void cascadeSteps();
    void kindIgnoresQmlNamespace();
    void keepOnScreen_data();
    void keepOnScreen();
    void restoreSavedGeometry_data();
    void restoreSavedGeometry();
    void nonWindowsAreNotManaged();
    void placeWindowUsesScreenArea();
};

void TestWindowManager::cleanup()
{
    WindowManager::setMainWindow(nullptr);
}

void TestWindowManager::centredBox_data()
{
    QTest::addColumn<QRect>("area");
    QTest::addColumn<QSize>("frame");
    QTest::addColumn<QRect>("wanted");
    QTest::addColumn<QPoint>("origin");
    QTest::addColumn<QSize>("box");
    // (0 + 1919) / 2 - 640 / 2 = 639; (0 + 1039) / 2 - 346 / 2 = 346.
    QTest::newRow("small window: third of the area") << QRect(0, 0, 1920, 1040) << QSize(300, 200) << QRect()
                                                     << QPoint(639, 346) << QSize(640, 346);
    QTest::newRow("large window centred") << QRect(0, 0, 1920, 1040) << QSize(1000, 800) << QRect()
                                          << QPoint(459, 119) << QSize(1000, 800);
    QTest::newRow("wanted size wins") << QRect(0, 0, 1920, 1040) << QSize(300, 200) << QRect(10, 10, 900, 500)
                                      << QPoint(509, 269) << QSize(900, 500);
    QTest::newRow("area off the origin") << QRect(1920, 100, 1200, 900) << QSize(100, 100) << QRect()
                                         << QPoint(2319, 399) << QSize(400, 300);
}

void TestWindowManager::centredBox()
{
    QFETCH(QRect, area);
    QFETCH(QSize, frame);
    QFETCH(QRect, wanted);
    QFETCH(QPoint, origin);
    QFETCH(QSize, box);
    QSize size;
    QCOMPARE(WindowManager::centredBox(area, frame, wanted, &size), origin);
    QCOMPARE(size, box);
}

void TestWindowManager::cascade_data()
{
    QTest::addColumn<QRect>("area");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QList<QPoint>>("others");
    QTest::addColumn<bool>("firstIsMain");
    QTest::addColumn<QPoint>("expected");

    // Area 300 x 580, window 280 x 100: box 280 x 193 starting at (9, 193); probe square
    // (4, 188)-(13, 197) whose centre is one pixel up and left of the start.
    const QRect narrow(0, 0, 300, 580);
    const QSize wide(280, 100);
    QTest::newRow("alone") << narrow << wide << QList<QPoint>() << false << QPoint(8, 192);
    QTest::newRow("other kinds do not count") << narrow << wide << QList<QPoint>() << false << QPoint(8, 192);
    QTest::newRow("main window does not count") << narrow << wide << QList<QPoint>{{9, 193}} << true << QPoint(8, 192);
    // The next step would cross the right edge: start again at the area's left + 20, top + 20.
    QTest::newRow("past the right edge") << narrow << wide << QList<QPoint>{{9, 193}} << false << QPoint(19, 19);
    // That place is taken too and the step from it crosses again: the next row is 20 lower.
    QTest::newRow("next row") << narrow << wide << QList<QPoint>{{9, 193}, {20, 20}} << false << QPoint(19, 39);
    // Area 780 x 580, window 100 x 80: start (259, 193); a like window there sends the new
    // one 20 right and down.
    QTest::newRow("one like window at the start")
        << QRect(0, 0, 780, 580) << QSize(100, 80) << QList<QPoint>{{258, 192}} << false << QPoint(278, 212);
}

void TestWindowManager::cascade()
{
    QFETCH(QRect, area);
    QFETCH(QSize, size);
    QFETCH(QList<QPoint>, others);
    QFETCH(bool, firstIsMain);
    QFETCH(QPoint, expected);

    std::vector<std::unique_ptr<QWidget>> windows;
    for (const QPoint& point : others) {
        windows.push_back(std::make_unique<CascadeWindow>(QRect(point, size)));
    }
    // A different kind at the start position is ignored.
    OtherWindow unrelated(QRect(QPoint(9, 193), size));
    if (firstIsMain)
        WindowManager::setMainWindow(windows.front().get());

    CascadeWindow window(QRect(QPoint(0, 0), size));
    WindowManager::positionCascadingWindow(&window, area, 0);
    QCOMPARE(window.pos(), expected);
}

void TestWindowManager::cascadeSteps()
{
    // Windows opened one after another step down and right by 20 pixels each.
    const QRect area(0, 0, 780, 580);
    std::vector<std::unique_ptr<CascadeWindow>> windows;
    for (int i = 0; i < 3; ++i) {
        windows.push_back(std::make_unique<CascadeWindow>());
        WindowManager::positionCascadingWindow(windows.back().get(), area, 0);
    }
    QCOMPARE(windows[0]->pos(), QPoint(258, 192));
    QCOMPARE(windows[1]->pos(), QPoint(278, 212));
    QCOMPARE(windows[2]->pos(), QPoint(298, 232));
}

void TestWindowManager::kindIgnoresQmlNamespace()
{
    Probe plain;
    plain.move(40, 50);
    QML::Probe scene;
    QPoint frameExtra(-1, -1);
    const QList<QPoint> positions = Utils::windowPositions(&scene, 0, &frameExtra);
    QCOMPARE(positions, QList<QPoint>{QPoint(40, 50)});
    QVERIFY(Utils::windowPositions(nullptr, 0, &frameExtra).isEmpty());
}

void TestWindowManager::keepOnScreen_data()
{
    QTest::addColumn<QPoint>("position");
    QTest::addColumn<QSize>("newSize");
    QTest::addColumn<QPoint>("expected");
    // Area (0, 0) to (999, 799); the window is 200 x 100 before it grows.
    QTest::newRow("still fits") << QPoint(100, 100) << QSize(300, 200) << QPoint(100, 100);
    QTest::newRow("past the right edge") << QPoint(700, 100) << QSize(400, 100) << QPoint(595, 100);
    QTest::newRow("past the bottom edge") << QPoint(100, 650) << QSize(200, 200) << QPoint(100, 595);
    QTest::newRow("left of the area") << QPoint(-50, 100) << QSize(200, 100) << QPoint(5, 100);
    QTest::newRow("above the area") << QPoint(100, -20) << QSize(200, 100) << QPoint(100, 5);
    QTest::newRow("exactly the area") << QPoint(0, 0) << QSize(1000, 800) << QPoint(0, 0);
}

void TestWindowManager::keepOnScreen()
{
    QFETCH(QPoint, position);
    QFETCH(QSize, newSize);
    QFETCH(QPoint, expected);
    QWidget window(nullptr, Qt::FramelessWindowHint);
    window.setGeometry(QRect(position, QSize(200, 100)));
    WindowManager::keepOnScreen(&window, newSize.width(), newSize.height(), QRect(0, 0, 1000, 800));
    QCOMPARE(window.pos(), position); // a hidden window is left alone
    window.show();
    WindowManager::keepOnScreen(&window, newSize.width(), newSize.height(), QRect(0, 0, 1000, 800));
    QCOMPARE(window.pos(), expected);
    QCOMPARE(window.size(), QSize(200, 100));
}

void TestWindowManager::restoreSavedGeometry_data()
{
    QTest::addColumn<QRect>("saved");
    QTest::addColumn<QRect>("expected");
    // Two screens side by side, 1000 x 800 each; the first is the primary one.
    QTest::newRow("inside the second screen") << QRect(1100, 100, 300, 200) << QRect(1100, 100, 300, 200);
    // Centred box on the primary screen: 333 x 266 at (333, 266); the saved size fits there.
    QTest::newRow("straddling, resized") << QRect(900, 100, 300, 200) << QRect(333, 266, 300, 200);
    // Too large for the primary screen: centred, and the size is kept.
    QTest::newRow("straddling, too large") << QRect(500, 0, 1000, 900) << QRect(-1, -51, 200, 100);
    QTest::newRow("nothing saved") << QRect() << QRect(333, 266, 200, 100);
    // At the primary screen's corner: resized where the window is, not moved.
    QTest::newRow("at 0,0") << QRect(0, 0, 300, 200) << QRect(0, 0, 300, 200);
}

void TestWindowManager::restoreSavedGeometry()
{
    QFETCH(QRect, saved);
    QFETCH(QRect, expected);
    QWidget window;
    window.resize(200, 100);
    WindowManager::centerOnPrimaryScreen(&window, saved, {QRect(0, 0, 1000, 800), QRect(1000, 0, 1000, 800)}, 0);
    QCOMPARE(window.geometry(), expected);
}

void TestWindowManager::nonWindowsAreNotManaged()
{
    WindowManager manager;
    QWidget parent;
    QPointer<QWidget> child = new QWidget(&parent);
    QPointer<QWidget> window = new QWidget;
    manager.registerWindow(child);
    manager.registerWindow(window);
    manager.registerWindow(nullptr);
    QCOMPARE(WindowManager::instance(), &manager);

    manager.cbSessionClosed();
    QTRY_VERIFY(window.isNull());
    QVERIFY(!child.isNull());
}

void TestWindowManager::placeWindowUsesScreenArea()
{
    QWidget window;
    window.resize(100, 50);
    int screen = -1;
    const QRect area = WindowManager::availableGeometry(&screen);
    QCOMPARE(screen, 0);
    WindowManager::placeWindow(&window);
    QCOMPARE(window.pos(), WindowManager::centredBox(area, window.frameSize(), QRect()));
    WindowManager::placeWindow(nullptr);
}

QTEST_MAIN(TestWindowManager)
#include "tst_windowmanager.moc"
