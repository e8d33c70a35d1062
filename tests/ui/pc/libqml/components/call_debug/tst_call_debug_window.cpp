// The call debug window: the scene of the back-end the call runs on, bound to its debug
// object, changing the back-end from the scene and reading it again with F5.
#include "libqml/components/call_debug/call_debug_window.h"
#include "libqml/window/qml_view.h"
#include "../../qml_test_setup.h"
#include "../../scene_items.h"
#include "support/test_environment.h"

#include <Kivo/MediaEngine/CallBasePtr.h>
#include <Kivo/MediaEngine/CallDebugInfoBase.h>
#include <Kivo/MediaEngine/Spirit/MediaHandler.h>
#include <Kivo/MediaEngine/WebRTC/MediaHandler.h>

#include <QQuickItem>

class CallDebugWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QmlTestSetup::prepare(); }
    void sceneOfTheBackEndLoads_data();
    void sceneOfTheBackEndLoads();
    void sceneChangesTheBackEnd();
    void refusedChangeShowsWhy();
};

void CallDebugWindowTest::sceneOfTheBackEndLoads_data()
{
    QTest::addColumn<bool>("webRtc");
    QTest::addColumn<QString>("line");
    QTest::newRow("Spirit") << false << "OPUS";
    QTest::newRow("WebRTC") << true << "VP8";
}

void CallDebugWindowTest::sceneOfTheBackEndLoads()
{
    QFETCH(bool, webRtc);
    QFETCH(QString, line);
    TestSupport::Environment env;
    Kivo::MediaEngine::CallBasePtr call(nullptr, 1, QStringLiteral("bob@test.example"), false, false, false);
    std::unique_ptr<QObject> media(webRtc ? static_cast<QObject*>(new Kivo::MediaEngine::WebRTC::MediaHandler)
                                          : new Kivo::MediaEngine::Spirit::MediaHandler);
    call.setMediaHandler(media.get());
    QML::CallDebugWindow window(&call, nullptr);
    QCOMPARE(window.isWebRtc(), webRtc);
    QVERIFY(window.loadAndShow());
    QVERIFY(window.isVisible());
    QCOMPARE(window.windowTitle(), QString("Call debug"));
    QQuickItem* root = window.view()->rootObject();
    QVERIFY(SceneItems::withText(root, line));
    QVERIFY(SceneItems::named(root, "lastError")->property("text").toString().isEmpty());
}

void CallDebugWindowTest::sceneChangesTheBackEnd()
{
    TestSupport::Environment env;
    Kivo::MediaEngine::CallBasePtr call(nullptr, 1, QStringLiteral("bob@test.example"), false, false, false);
    Kivo::MediaEngine::Spirit::MediaHandler media;
    call.setMediaHandler(&media);
    QML::CallDebugWindow window(&call, nullptr);
    QVERIFY(window.loadAndShow());
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QQuickWidget* view = window.view();
    QQuickItem* root = view->rootObject();

    // A click on a level bar sets the level where it was clicked.
    QQuickItem* gain = SceneItems::named(root, "level_acMicGain");
    const QPointF at = gain->mapToScene(QPointF(25, gain->height() / 2));
    QTest::mouseClick(view, Qt::LeftButton, Qt::NoModifier, at.toPoint());
    QCOMPARE(media.value("acMicGain").toInt(), 25);

    // A switch goes to the back-end at once.
    SceneItems::click(view, SceneItems::named(root, "switch_aec"));
    QCOMPARE(media.value("aec").toBool(), false);

    // F5 reads the statistics again: they grow while the call runs.
    const qint64 before = window.debugInfo()->property("recvStreamPacketsReceived").toLongLong();
    QTest::qWait(60);
    root->forceActiveFocus();
    QTest::keyClick(view, Qt::Key_F5);
    QVERIFY(window.debugInfo()->property("recvStreamPacketsReceived").toLongLong() > before);
}

void CallDebugWindowTest::refusedChangeShowsWhy()
{
    TestSupport::Environment env;
    Kivo::MediaEngine::CallBasePtr call(nullptr, 1, QStringLiteral("bob@test.example"), false, false, false);
    Kivo::MediaEngine::WebRTC::MediaHandler media;
    call.setMediaHandler(&media);
    QML::CallDebugWindow window(&call, nullptr);
    QVERIFY(window.loadAndShow());
    QQuickWidget* view = window.view();
    QQuickItem* root = view->rootObject();
    QVERIFY(SceneItems::takeKeyboard(&window, view));
    const auto type = [view, root](const char* number) {
        SceneItems::click(view, SceneItems::named(root, "input_EcModes"));
        QTest::keyClick(view, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(view, number);
        QTest::keyClick(view, Qt::Key_Return);
    };
    type("3");
    QCOMPARE(media.value("EcModes").toInt(), 3);
    type("9");
    QCOMPARE(media.value("EcModes").toInt(), 3);
    QCOMPARE(SceneItems::named(root, "lastError")->property("text").toString(), QString("EcModes: 9 is out of range 0 to 4"));
    QCOMPARE(SceneItems::named(root, "input_EcModes")->property("text").toString(), QString("3"));
}

QTEST_MAIN(CallDebugWindowTest)
#include "tst_call_debug_window.moc"
