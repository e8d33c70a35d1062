#include "libqml/window/qml_window.h"

#include "../qml_test_setup.h"
#include "../scene_items.h"
#include "libqml/window/qml_view.h"
#include "libqml/window/qt_caches.h"
#include "support/test_environment.h"

#include <QAbstractEventDispatcher>
#include <QMenu>
#include <QQmlContext>
#include <QQmlEngine>
#include <QPointer>
#include <QQuickItem>
#include <QSGTexture>
#include <QSGTextureProvider>
#include <QFontInfo>
#include <QtGui/private/qfont_p.h>
#include <QtQuick/private/qquickpixmapcache_p.h>
#include <QtTest>

#include <cmath>
#include <memory>
#include <vector>
#include <limits>

namespace {

class LimitedWindow : public QML::Window
{
public:
    QSize minimumWindowSize() const override { return QSize(300, 200); }
    QSize maximumWindowSize() const override { return QSize(800, 600); }
};

} // namespace

class QmlWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void sizesFromTheScene_data();
    void sizesFromTheScene();
    void fixedWindowKeepsItsSize();
    void missingSceneFailsToLoad();
    void frameIconClick_data();
    void frameIconClick();
    void aspectRatio();
    void fullScreenKeepsTheRatioWithoutResizing();
    void openMenu();
    void publishesItselfToTheScene();
    void viewsShareOneEngineButNotWhatTheyPublish();
    void viewsOutlivingTheEngineLoseOnlyTheirScenes();
    void closedViewsFreeTheTexturesOfTheirImages();
    void closedScenesLeaveNoFontTrimmingBehind();
    void closedScenesLeaveNoImageExpiryBehind();
    void mouseActivityEndsIdleness();
    void sceneGoesWithAStyleThatGoesFirst();
    void scenesDrawWithTheStylesFontOrItsMetricTwin();

private:
    QString writeScene(const QString& rootProperties) const;

    QScopedPointer<TestSupport::Environment> m_Env;
    QPointer<LimitedWindow> m_Window;
};

void QmlWindowTest::initTestCase()
{
    QmlTestSetup::prepare();
}

void QmlWindowTest::init()
{
    m_Env.reset(new TestSupport::Environment);
    m_Window = new LimitedWindow;
}

void QmlWindowTest::cleanup()
{
    delete m_Window;
    m_Env.reset();
}

QString QmlWindowTest::writeScene(const QString& rootProperties) const
{
    QFile file(m_Env->dataPath() + QStringLiteral("/Scene.qml"));
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write the scene");
    file.write(QStringLiteral("import QtQuick 2.15\nItem { %1 }\n").arg(rootProperties).toUtf8());
    return QUrl::fromLocalFile(file.fileName()).toString();
}

void QmlWindowTest::sizesFromTheScene_data()
{
    QTest::addColumn<QString>("rootProperties");
    QTest::addColumn<QSize>("size");
    QTest::newRow("no size: the minimum") << "" << QSize(300, 200);
    QTest::newRow("width only: height from the minimum") << "width: 450" << QSize(450, 200);
    QTest::newRow("both") << "width: 500; height: 400" << QSize(500, 400);
    QTest::newRow("bounded by the maximum") << "width: 900; height: 700" << QSize(800, 600);
}

void QmlWindowTest::sizesFromTheScene()
{
    QFETCH(QString, rootProperties);
    QFETCH(QSize, size);
    QVERIFY(m_Window->loadQML(writeScene(rootProperties)));
    m_Window->show();
    QCOMPARE(m_Window->size(), size);
    QCOMPARE(m_Window->minimumSize(), QSize(300, 200));
    QCOMPARE(m_Window->maximumSize(), QSize(800, 600));
    QCOMPARE(m_Window->view()->size(), size);
}

void QmlWindowTest::fixedWindowKeepsItsSize()
{
    QVERIFY(m_Window->loadQML(writeScene(QStringLiteral("width: 500; height: 400"))));
    m_Window->show();
    m_Window->setResizable(false);
    QVERIFY(m_Window->isVisible());
    QCOMPARE(m_Window->minimumSize(), QSize(500, 400));
    QCOMPARE(m_Window->maximumSize(), QSize(500, 400));
    QVERIFY(!(m_Window->windowFlags() & Qt::WindowMaximizeButtonHint));

    emit m_Window->maximizableChanged();
    QCOMPARE(m_Window->maximumSize(), QSize(500, 400));

    QVERIFY(m_Window->loadQML(writeScene(QStringLiteral("width: 350; height: 250"))));
    QCOMPARE(m_Window->minimumSize(), QSize(300, 200));
    QCOMPARE(m_Window->maximumSize(), QSize(800, 600));
}

void QmlWindowTest::missingSceneFailsToLoad()
{
    const QString missing = QUrl::fromLocalFile(m_Env->dataPath() + QStringLiteral("/Missing.qml")).toString();
    m_Env->expectQmlWarning(QRegularExpression(QStringLiteral("Missing\\.qml")));
    QVERIFY(!m_Window->loadQML(missing));
    QVERIFY(m_Env->logs().contains(
        QStringLiteral("m_DeclarativeView->rootObject() failed. Returning from failed assertion with return value"), 4));
}

void QmlWindowTest::frameIconClick_data()
{
    QTest::addColumn<QPoint>("offset");
    QTest::addColumn<int>("button");
    QTest::addColumn<bool>("onIcon");
    QTest::newRow("corner of the icon") << QPoint(50, 30) << int(Qt::LeftButton) << true;
    QTest::newRow("one pixel right of it") << QPoint(51, 10) << int(Qt::LeftButton) << false;
    QTest::newRow("one pixel below it") << QPoint(10, 31) << int(Qt::LeftButton) << false;
    QTest::newRow("right button") << QPoint(10, 10) << int(Qt::RightButton) << false;
}

void QmlWindowTest::frameIconClick()
{
    QFETCH(QPoint, offset);
    QFETCH(int, button);
    QFETCH(bool, onIcon);
    m_Window->move(100, 80);
    QSignalSpy clicked(m_Window.data(), &QML::Window::windowFrameIconClicked);
    const QPoint global = m_Window->pos() + offset;
    QMouseEvent press(QEvent::NonClientAreaMouseButtonPress, m_Window->mapFromGlobal(global), global,
                      Qt::MouseButton(button), Qt::MouseButton(button), Qt::NoModifier);
    const bool handled = m_Window->event(&press);
    QCOMPARE(clicked.count(), onIcon ? 1 : 0);
    QCOMPARE(handled, onIcon);
}

void QmlWindowTest::aspectRatio()
{
    m_Window->resize(400, 300);
    QSignalSpy changed(m_Window.data(), &QML::Window::aspectRatioChanged);
    m_Window->setAspectRatio(1.5);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(m_Window->size(), QSize(450, 300));
    m_Window->setAspectRatio(1.5);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(m_Window->aspectRatio(), 1.5);

    // Ratios that give no width are stored but leave the size alone.
    for (const double ratio : {std::nan(""), -1.0, 0.0, std::numeric_limits<double>::infinity()}) {
        m_Window->setAspectRatio(ratio);
        QCOMPARE(m_Window->size(), QSize(450, 300));
    }
    QCOMPARE(changed.count(), 5);
    m_Window->setAspectRatio(std::nan(""));
    QCOMPARE(changed.count(), 6);
}

void QmlWindowTest::fullScreenKeepsTheRatioWithoutResizing()
{
    QSignalSpy fullscreen(m_Window.data(), &QML::Window::isFullscreenChanged);
    m_Window->setWantsFullscreen(true);
    QVERIFY(m_Window->wantsFullscreen());
    QVERIFY(m_Window->isFullscreen());
    QCOMPARE(fullscreen.count(), 1);
    const QSize before = m_Window->size();
    m_Window->setAspectRatio(0.25);
    QCOMPARE(m_Window->aspectRatio(), 0.25);
    QCOMPARE(m_Window->size(), before);

    m_Window->setWantsFullscreen(false);
    QVERIFY(!m_Window->wantsFullscreen());
    QVERIFY(!m_Window->isFullscreen());
    QCOMPARE(fullscreen.count(), 2);
}

void QmlWindowTest::openMenu()
{
    QPointer<QMenu> empty = new QMenu;
    m_Window->openMenu(empty);
    QVERIFY(!empty->isVisible());
    QTRY_VERIFY(empty.isNull());

    QPointer<QMenu> menu = new QMenu;
    menu->addAction(QStringLiteral("Entry"));
    m_Window->openMenu(menu);
    QVERIFY(menu->isVisible());
    menu->hide();
    QTRY_VERIFY(menu.isNull());

    m_Window->openMenu(nullptr);
    QVERIFY(m_Env->logs().contains(QStringLiteral("no menu to open"), 4));
}

void QmlWindowTest::publishesItselfToTheScene()
{
    QVERIFY(m_Window->loadQML(writeScene(QStringLiteral(
        "width: 320; height: 240\n"
        "property bool complete: rootWindow.view === rootView && qomxStyle.colorNames.length > 0\n"
        "    && qmlHelper.getPresenceIcon(7, false) !== \"\""))));
    QVERIFY(m_Window->view()->rootObject()->property("complete").toBool());
    QVERIFY(m_Window->testAttribute(Qt::WA_DeleteOnClose));
}

void QmlWindowTest::viewsShareOneEngineButNotWhatTheyPublish()
{
    const QString scene = writeScene(QStringLiteral("width: 320; height: 240\n"
                                                    "property string said: label\n"
                                                    "property bool ownWindow: rootWindow.view === rootView"));
    LimitedWindow other;
    m_Window->view()->rootContext()->setContextProperty(QStringLiteral("label"), QStringLiteral("first"));
    other.view()->rootContext()->setContextProperty(QStringLiteral("label"), QStringLiteral("second"));
    QVERIFY(m_Window->loadQML(scene));
    QVERIFY(other.loadQML(scene));
    QCOMPARE(m_Window->view()->engine(), other.view()->engine());
    QCOMPARE(m_Window->view()->engine(), QML::View::sharedEngine());
    const auto said = [](const QML::Window& window) { return window.view()->rootObject()->property("said").toString(); };
    QCOMPARE(said(*m_Window), QStringLiteral("first"));
    QCOMPARE(said(other), QStringLiteral("second"));
    QVERIFY(m_Window->view()->rootObject()->property("ownWindow").toBool());
    QVERIFY(other.view()->rootObject()->property("ownWindow").toBool());

    // Published later, it still reaches its own scene only.
    other.view()->rootContext()->setContextProperty(QStringLiteral("label"), QStringLiteral("changed"));
    QCOMPARE(said(*m_Window), QStringLiteral("first"));
    QCOMPARE(said(other), QStringLiteral("changed"));
    QVERIFY(!QML::View::sharedEngine()->rootContext()->contextProperty(QStringLiteral("label")).isValid());
}

void QmlWindowTest::viewsOutlivingTheEngineLoseOnlyTheirScenes()
{
    QVERIFY(m_Window->loadQML(QStringLiteral("qrc:/controls/TextButton.qml")));
    {
        // Many views come and go around it.
        std::vector<std::unique_ptr<LimitedWindow>> windows;
        for (int i = 0; i < 10; ++i) {
            windows.push_back(std::make_unique<LimitedWindow>());
            QVERIFY(windows.back()->loadQML(QStringLiteral("qrc:/controls/TextButton.qml")));
        }
        windows.erase(windows.begin(), windows.begin() + 5);
        QVERIFY(m_Window->view()->rootObject());
        QML::View::releaseSharedEngine();
        for (const auto& window : windows)
            QVERIFY(!window->view()->rootObject());
    }
    QVERIFY(!m_Window->view()->rootObject());
    // The next view makes the engine again.
    LimitedWindow next;
    QVERIFY(next.loadQML(QStringLiteral("qrc:/controls/TextButton.qml")));
    QVERIFY(next.view()->rootObject());
    QCOMPARE(next.view()->engine(), QML::View::sharedEngine());
}

void QmlWindowTest::closedViewsFreeTheTexturesOfTheirImages()
{
    const QString scene = writeScene(QStringLiteral(
        "width: 320; height: 240\n"
        "Image { objectName: \"picture\"; source: \"qrc:/windows/section_open.png\" }"));
    // The texture a view draws its image with, once the image is on the screen.
    const auto textureOf = [](QML::Window& window) -> QSGTexture* {
        auto* image = window.view()->rootObject()->findChild<QQuickItem*>(QStringLiteral("picture"));
        QSGTextureProvider* provider = image ? image->textureProvider() : nullptr;
        return provider ? provider->texture() : nullptr;
    };
    auto closing = std::make_unique<LimitedWindow>();
    for (QML::Window* window : {static_cast<QML::Window*>(closing.get()), static_cast<QML::Window*>(m_Window.data())}) {
        QVERIFY(window->loadQML(scene));
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QTRY_VERIFY(textureOf(*window));
    }
    QPointer<QSGTexture> closingTexture = textureOf(*closing);
    QPointer<QSGTexture> stayingTexture = textureOf(*m_Window);
    QVERIFY(closingTexture != stayingTexture);

    // The image itself stays cached for the window still showing it.
    closing.reset();
    QVERIFY(closingTexture.isNull());
    QVERIFY(!stayingTexture.isNull());
    m_Window->view()->update();
    QTRY_COMPARE(textureOf(*m_Window), stayingTexture.data());
}

void QmlWindowTest::closedScenesLeaveNoFontTrimmingBehind()
{
    // Enough sizes of one font to take Qt's font cache past what it keeps without trimming.
    const QString scene = writeScene(QStringLiteral(
        "width: 320; height: 240\n"
        "Column { Repeater { model: 60; Text { text: \"Aa\"; renderType: Text.NativeRendering; font.pixelSize: 6 + index } } }"));
    const auto trimmingFonts = [] {
        const auto timers = QAbstractEventDispatcher::instance()->registeredTimers(QFontCache::instance());
        return !timers.isEmpty() && timers.first().interval <= 10000;
    };
    // From an empty cache, once what earlier cases closed is collected.
    QCoreApplication::processEvents();
    QFontCache::instance()->clear();
    auto window = std::make_unique<LimitedWindow>();
    QVERIFY(window->loadQML(scene));
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QTRY_VERIFY(trimmingFonts());

    // Gone within a turn of the event loop, not in ten-second steps.
    window.reset();
    QTRY_VERIFY_WITH_TIMEOUT(!trimmingFonts(), 2000);
}

void QmlWindowTest::closedScenesLeaveNoImageExpiryBehind()
{
    const QString file = m_Env->dataPath() + QStringLiteral("/only_here.png");
    QImage picture(8, 8, QImage::Format_ARGB32);
    picture.fill(Qt::darkCyan);
    QVERIFY(picture.save(file));
    const QUrl url = QUrl::fromLocalFile(file);
    const QString scene = writeScene(QStringLiteral("width: 32; height: 32\nImage { source: \"%1\" }").arg(url.toString()));
    const auto cached = [&url] { return QQuickPixmap::isCached(url, QRect(), QSize(), 0, QQuickImageProviderOptions()); };
    QObject* images = QML::imageCache();
    QVERIFY(images);
    const auto expiring = [images] { return !QAbstractEventDispatcher::instance()->registeredTimers(images).isEmpty(); };

    auto window = std::make_unique<LimitedWindow>();
    QVERIFY(window->loadQML(scene));
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QTRY_VERIFY(cached());

    // Gone with the scene, and nothing left to expire half a minute later.
    window.reset();
    QTRY_VERIFY_WITH_TIMEOUT(!cached(), 2000);
    QTRY_VERIFY_WITH_TIMEOUT(!expiring(), 2000);
}

void QmlWindowTest::mouseActivityEndsIdleness()
{
    QML::View* view = m_Window->view();
    QCOMPARE(view->idleTimeout(), 5000);
    view->timeout();
    view->idleOnMoveTimeout();
    QVERIFY(view->idle());
    QVERIFY(view->idleOnMove());

    QSignalSpy posX(view, &QML::View::windowPosXChanged);
    QMouseEvent move(QEvent::MouseMove, QPointF(12, 34), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(view, &move);
    QVERIFY(!view->idle());
    QVERIFY(!view->idleOnMove());
    QCOMPARE(view->windowPosX(), 12);
    QCOMPARE(view->windowPosY(), 34);
    QCOMPARE(posX.count(), 1);

    view->setIdleTimeout(0);
    view->timeout();
    view->setIdleTimeout(-1);
    QVERIFY(!view->idle());
}

void QmlWindowTest::sceneGoesWithAStyleThatGoesFirst()
{
    // The program's style goes at exit, where a window may still be there.
    auto* leaving = new QML::Style(nullptr);
    {
        LimitedWindow window;
        QVERIFY(window.loadQML(QStringLiteral("qrc:/controls/TextButton.qml")));
        QVERIFY(window.view()->rootObject());
        delete leaving;
        // The guard of the environment fails the test on a binding that read the style from null.
        QVERIFY(!window.view()->rootObject());
    }
    new QML::Style(nullptr);
}

void QmlWindowTest::scenesDrawWithTheStylesFontOrItsMetricTwin()
{
    // The style asks for Arial; where the system lacks it, the family of the same metrics
    // (scripts/packages.txt installs it) must stand in, not whatever font comes first.
    QVERIFY(m_Window->loadQML(QStringLiteral("qrc:/controls/TextButton.qml")));
    const QQuickItem* label = SceneItems::ofClass(m_Window->view()->rootObject(), "QQuickText");
    QVERIFY(label);
    const QFont font = label->property("font").value<QFont>();
    QCOMPARE(font.family(), QML::Style::instance()->fontFamily().toString());
    const QString drawnWith = QFontInfo(font).family();
    QVERIFY2(drawnWith == "Arial" || drawnWith == "Liberation Sans", qPrintable(drawnWith));
}

QTEST_MAIN(QmlWindowTest)
#include "tst_qml_window.moc"
