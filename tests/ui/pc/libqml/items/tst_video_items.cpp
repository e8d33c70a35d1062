#include "libqml/items/full_screen_video.h"
#include "libqml/items/video_frame_item.h"
#include "libqml/items/voice_mail_video.h"
#include "libqml/window/qml_view.h"

#include "../qml_test_setup.h"
#include "support/test_environment.h"

#include <QAbstractVideoSurface>
#include <QPainter>
#include <QVideoSurfaceFormat>
#include <QtTest>

class VideoItemsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void playerTakesBothOutputs();
    void aspectRatioFollowsTheVideo_data();
    void aspectRatioFollowsTheVideo();
    void framesArePaintedKeepingTheirShape();
    void playbackEndLeavesFullScreenOnce();
    void keysLeaveFullScreen_data();
    void keysLeaveFullScreen();

private:
    QML::VoiceMailVideo* voiceMail() const;

    QScopedPointer<TestSupport::Environment> m_Env;
    QScopedPointer<QML::View> m_View;
};

void VideoItemsTest::initTestCase()
{
    QmlTestSetup::prepare();
}

void VideoItemsTest::init()
{
    m_Env.reset(new TestSupport::Environment);
    m_View.reset(new QML::View);
    m_View->setSource(QUrl(QStringLiteral("qrc:/qmlitems/voice_mail_video.qml")));
    QVERIFY(m_View->rootObject());
}

void VideoItemsTest::cleanup()
{
    m_View.reset();
    m_Env.reset();
}

QML::VoiceMailVideo* VideoItemsTest::voiceMail() const
{
    return qobject_cast<QML::VoiceMailVideo*>(m_View->rootObject()->property("voiceMail").value<QObject*>());
}

void VideoItemsTest::playerTakesBothOutputs()
{
    QML::VoiceMailVideo* video = voiceMail();
    QVERIFY(video);
    QObject* player = m_View->rootObject()->property("player").value<QObject*>();
    QVERIFY(player);
    QCOMPARE(player->property("videoOutput").value<QObject*>(), static_cast<QObject*>(video->video()));
    QVERIFY(player->setProperty("videoOutput", QVariant::fromValue<QObject*>(video->fullScreenVideo())));
    QVERIFY(video->fullScreenVideo()->property("videoSurface").value<QAbstractVideoSurface*>());
    QCOMPARE(video->video()->size(), QSizeF(320, 240));
}

void VideoItemsTest::aspectRatioFollowsTheVideo_data()
{
    QTest::addColumn<QSize>("frameSize");
    QTest::addColumn<double>("aspectRatio");
    QTest::newRow("4:3") << QSize(640, 480) << 1.3333;
    QTest::newRow("16:9") << QSize(1280, 720) << 1.7778;
    QTest::newRow("portrait") << QSize(480, 640) << 0.75;
}

void VideoItemsTest::aspectRatioFollowsTheVideo()
{
    QFETCH(QSize, frameSize);
    QFETCH(double, aspectRatio);
    QML::VoiceMailVideo* video = voiceMail();
    QSignalSpy changed(video, &QML::VoiceMailVideo::aspectRatioChanged);
    QAbstractVideoSurface* surface = video->video()->videoSurface();
    QVERIFY(surface->start(QVideoSurfaceFormat(frameSize, QVideoFrame::Format_RGB32)));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(qRound(video->aspectRatio() * 10000), qRound(aspectRatio * 10000));

    // A stopped video has no size.
    surface->stop();
    QCOMPARE(video->aspectRatio(), -1.0);
    QCOMPARE(changed.count(), 2);
}

void VideoItemsTest::framesArePaintedKeepingTheirShape()
{
    QML::VideoFrameItem* output = voiceMail()->video();
    output->setSize(QSizeF(200, 100));
    QAbstractVideoSurface* surface = output->videoSurface();
    QVERIFY(surface->start(QVideoSurfaceFormat(QSize(4, 4), QVideoFrame::Format_RGB32)));
    QImage frameImage(4, 4, QImage::Format_RGB32);
    frameImage.fill(Qt::blue);
    QVERIFY(surface->present(QVideoFrame(frameImage)));

    QImage canvas(200, 100, QImage::Format_ARGB32);
    canvas.fill(Qt::transparent);
    QPainter painter(&canvas);
    output->paint(&painter);
    painter.end();
    // A square frame in a wide item is centred with empty bands on both sides.
    QCOMPARE(canvas.pixelColor(100, 50), QColor(Qt::blue));
    QCOMPARE(canvas.pixelColor(20, 50).alpha(), 0);
    QCOMPARE(canvas.pixelColor(180, 50).alpha(), 0);
}

void VideoItemsTest::playbackEndLeavesFullScreenOnce()
{
    QML::VoiceMailVideo* video = voiceMail();
    QSignalSpy exited(video, &QML::VoiceMailVideo::exitFullScreen);
    QVERIFY(video->video()->videoSurface()->start(QVideoSurfaceFormat(QSize(640, 480), QVideoFrame::Format_RGB32)));
    video->enterFullScreen();
    QVERIFY(video->fullScreenVideo()->isVisible());
    QVERIFY(video->fullScreenVideo()->isFullScreen());

    video->videoPlaybackEnded();
    QCOMPARE(exited.count(), 1);
    QVERIFY(!video->fullScreenVideo()->isVisible());
    QCOMPARE(video->aspectRatio(), -1.0);

    // Ending again while not full screen reports nothing.
    video->videoPlaybackEnded();
    QCOMPARE(exited.count(), 1);
}

void VideoItemsTest::keysLeaveFullScreen_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("exits");
    QTest::addColumn<int>("spaces");
    QTest::newRow("escape") << int(Qt::Key_Escape) << 1 << 0;
    QTest::newRow("F11") << int(Qt::Key_F11) << 1 << 0;
    QTest::newRow("space") << int(Qt::Key_Space) << 0 << 1;
    QTest::newRow("other") << int(Qt::Key_A) << 0 << 0;
}

void VideoItemsTest::keysLeaveFullScreen()
{
    QFETCH(int, key);
    QFETCH(int, exits);
    QFETCH(int, spaces);
    QML::VoiceMailVideo* video = voiceMail();
    QSignalSpy exited(video, &QML::VoiceMailVideo::exitFullScreen);
    QSignalSpy spacePressed(video, &QML::VoiceMailVideo::spacePressed);
    video->enterFullScreen();
    QTest::keyClick(video->fullScreenVideo(), Qt::Key(key));
    QCOMPARE(exited.count(), exits);
    QCOMPARE(spacePressed.count(), spaces);
    QCOMPARE(video->fullScreenVideo()->isVisible(), exits == 0);
}

QTEST_MAIN(VideoItemsTest)
#include "tst_video_items.moc"
