#include "libqml/items/item_widget_host.h"
#include "libqml/items/viewshare.h"
#include "libqml/items/viewsharezyn.h"
#include "libqml/window/qml_view.h"

#include "../qml_test_setup.h"
#include "support/test_environment.h"

#include <Kivo/Webcollab/TAppShare.h>
#include <Kivo/Webcollab/TAppShareMgr.h>
#include <Kivo/Webcollab/TFrameViewer.h>
#include <Kivo/Webcollab/TSessionMgr.h>
#include <Kivo/Webcollab/WebcollabControllerOld.h>
#include <Kivo/Webcollab/WebcollabZyn.h>

#include <QPainter>
#include <QQuickItem>
#include <QtTest>

using namespace Kivo::Webcollab;

namespace {

const QString LocalUser = QStringLiteral("me");
const QString OtherUser = QStringLiteral("alice");

// One collaboration of the older service with a share of context "ctx".
struct OldCollaboration
{
    explicit OldCollaboration(const QString& presenter)
        : session(TSessionUser(LocalUser))
        , content(QStringLiteral("content-1"), QStringLiteral("ctx"), presenter)
    {
        controller.addContentItem(content);
        controller.setCurrentViewId(content.id());
        share = controller.shareManager()->startShare(content.contextId(), QStringLiteral("share-1"), presenter);
    }

    TSessionMgr session;
    WebcollabControllerOld controller;
    TContentItem content;
    QPointer<TAppShare> share;
};

} // namespace

class ShareViewersTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void zynWithoutCollaborationStops();
    void zynStartsOnTheFirstFrameOnly();
    void zynResizeReportsTheViewSize();
    void zynFramePlacement_data();
    void zynFramePlacement();
    void othersShareGetsAViewer();
    void ownShareGetsNoViewer();
    void pendingContentWaitsForTheSession();
    void closingEndsTheSessionOfOthersOnly_data();
    void closingEndsTheSessionOfOthersOnly();

private:
    QML::ViewShare* showViewShare();

    QScopedPointer<TestSupport::Environment> m_Env;
    QScopedPointer<QML::View> m_View;
};

void ShareViewersTest::initTestCase()
{
    QmlTestSetup::prepare();
}

void ShareViewersTest::init()
{
    m_Env.reset(new TestSupport::Environment);
    m_View.reset(new QML::View);
    m_View->setSource(QUrl(QStringLiteral("qrc:/qmlitems/share_viewers.qml")));
    QVERIFY(m_View->rootObject());
    m_View->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_View.data()));
}

void ShareViewersTest::cleanup()
{
    m_View.reset();
    m_Env.reset();
}

QML::ViewShare* ShareViewersTest::showViewShare()
{
    auto* view = new QML::ViewShare(m_View->rootObject());
    view->setSize(QSizeF(200, 100));
    return view;
}

void ShareViewersTest::zynWithoutCollaborationStops()
{
    QML::ViewShareZyn viewer;
    QSignalSpy stopped(&viewer, &QML::ViewShareZyn::shareStopped);
    viewer.setWebCollab(nullptr);
    QCOMPARE(stopped.count(), 1);
    QObject notACollaboration;
    viewer.setWebCollab(&notACollaboration);
    QCOMPARE(stopped.count(), 2);
    QVERIFY(!viewer.webcollab());
}

void ShareViewersTest::zynStartsOnTheFirstFrameOnly()
{
    QObject* scene = m_View->rootObject()->property("zyn").value<QObject*>();
    auto* viewer = qobject_cast<QML::ViewShareZyn*>(scene);
    QVERIFY(viewer);
    WebcollabZyn collaboration;
    QSignalSpy started(viewer, &QML::ViewShareZyn::shareStarted);
    QSignalSpy stopped(viewer, &QML::ViewShareZyn::shareStopped);
    viewer->setWebCollab(&collaboration);
    QCOMPARE(stopped.count(), 0);

    QImage frame(10, 10, QImage::Format_RGB32);
    frame.fill(Qt::red);
    collaboration.deliverFrame(frame);
    frame.fill(Qt::blue);
    collaboration.deliverFrame(frame);
    QCOMPARE(started.count(), 1);
    QCOMPARE(viewer->frame().pixelColor(0, 0), QColor(Qt::blue));
    QCOMPARE(m_View->rootObject()->property("starts").toInt(), 1);

    collaboration.stop();
    QCOMPARE(stopped.count(), 1);
}

void ShareViewersTest::zynResizeReportsTheViewSize()
{
    QML::ViewShareZyn viewer;
    WebcollabZyn collaboration;
    viewer.setWebCollab(&collaboration);
    QSignalSpy ratio(&viewer, &QML::ViewShareZyn::aspectRatioChanged);
    viewer.resizeViewShare(640, 480);
    QCOMPARE(collaboration.viewSize(), QSize(640, 480));
    QCOMPARE(qRound(viewer.aspectRatio() * 10000), 13333);
    viewer.resizeViewShare(320, 240);
    QCOMPARE(ratio.count(), 1);
    QCOMPARE(collaboration.viewSize(), QSize(320, 240));

    // A collapsed view has no ratio to speak of.
    viewer.resizeViewShare(320, 0);
    QCOMPARE(qRound(viewer.aspectRatio() * 10000), 13333);
    QCOMPARE(collaboration.viewSize(), QSize(320, 240));
}

void ShareViewersTest::zynFramePlacement_data()
{
    QTest::addColumn<QSize>("frame");
    QTest::addColumn<QPoint>("origin");
    QTest::addColumn<QPoint>("framePixel");
    QTest::newRow("smaller is centred") << QSize(50, 21) << QPoint(25, 39) << QPoint(50, 50);
    QTest::newRow("larger is clipped") << QSize(300, 300) << QPoint(0, 0) << QPoint(99, 99);
    QTest::newRow("wider only") << QSize(150, 50) << QPoint(0, 25) << QPoint(0, 25);
}

void ShareViewersTest::zynFramePlacement()
{
    QFETCH(QSize, frame);
    QFETCH(QPoint, origin);
    QFETCH(QPoint, framePixel);
    QCOMPARE(QML::ViewShareZyn::frameOrigin(frame, QSizeF(100, 100)), origin);

    QML::ViewShareZyn viewer;
    viewer.setSize(QSizeF(100, 100));
    QImage image(frame, QImage::Format_RGB32);
    image.fill(Qt::green);
    viewer.shareImageReady(image);
    QImage canvas(100, 100, QImage::Format_ARGB32);
    canvas.fill(Qt::transparent);
    QPainter painter(&canvas);
    viewer.paint(&painter);
    painter.end();
    QCOMPARE(canvas.pixelColor(framePixel), QColor(Qt::green));
    if (origin.x() > 0)
        QCOMPARE(canvas.pixelColor(origin.x() - 1, framePixel.y()).alpha(), 0);
    if (origin.y() > 0)
        QCOMPARE(canvas.pixelColor(framePixel.x(), origin.y() - 1).alpha(), 0);
}

void ShareViewersTest::othersShareGetsAViewer()
{
    OldCollaboration collaboration(OtherUser);
    collaboration.session.setHoldsFloor(true);
    QML::ViewShare* view = showViewShare();
    QSignalSpy started(view, &QML::ViewShare::shareStarted);
    QVERIFY(started.wait(5000));

    TFrameViewer* viewer = view->viewer();
    QVERIFY(viewer);
    QCOMPARE(viewer->objectName(), QStringLiteral("MyShare"));
    QCOMPARE(viewer->shareId(), QStringLiteral("share-1"));
    QCOMPARE(viewer->zoomMode(), 1);
    QVERIFY(viewer->isActive());
    QCOMPARE(viewer->parentWidget(), m_View.data());
    QCOMPARE(viewer->size(), QSize(200, 100));
    QCOMPARE(collaboration.share->baselineRequests(), 1);
    QCOMPARE(collaboration.session.activeContent().id(), collaboration.content.id());

    QSignalSpy ratio(view, &QML::ViewShare::aspectRatioChanged);
    view->resizeViewShare(300, 150);
    QCOMPARE(ratio.count(), 1);
    QCOMPARE(view->aspectRatio(), 2.0);

    // Going away stops the share it showed.
    QPointer<TFrameViewer> guard(viewer);
    delete view;
    QVERIFY(guard.isNull());
    QVERIFY(collaboration.share.isNull());
    QVERIFY(!collaboration.controller.shareManager()->isRunning());
}

void ShareViewersTest::ownShareGetsNoViewer()
{
    OldCollaboration collaboration(LocalUser);
    QML::ViewShare* view = showViewShare();
    QSignalSpy started(view, &QML::ViewShare::shareStarted);
    // The item looks for its content once the event loop turns.
    QCoreApplication::processEvents();
    QCOMPARE(started.count(), 0);
    QVERIFY(!view->viewer());
    QCOMPARE(collaboration.share->baselineRequests(), 0);

    QSignalSpy ratio(view, &QML::ViewShare::aspectRatioChanged);
    view->resizeViewShare(300, 150);
    QCOMPARE(ratio.count(), 0);
    QCOMPARE(view->aspectRatio(), 0.0);
}

void ShareViewersTest::pendingContentWaitsForTheSession()
{
    OldCollaboration collaboration(OtherUser);
    collaboration.controller.setCurrentViewId(QString());
    QML::ViewShare* view = showViewShare();
    QSignalSpy started(view, &QML::ViewShare::shareStarted);
    QCoreApplication::processEvents();
    QCOMPARE(started.count(), 0);

    collaboration.session.openContent(collaboration.content);
    QCOMPARE(started.count(), 1);
    QVERIFY(view->viewer());
}

void ShareViewersTest::closingEndsTheSessionOfOthersOnly_data()
{
    QTest::addColumn<QString>("closedBy");
    QTest::addColumn<int>("endSessions");
    QTest::newRow("other presenter") << OtherUser << 1;
    QTest::newRow("local presenter") << LocalUser << 0;
}

void ShareViewersTest::closingEndsTheSessionOfOthersOnly()
{
    QFETCH(QString, closedBy);
    QFETCH(int, endSessions);
    OldCollaboration collaboration(OtherUser);
    QML::ViewShare* view = showViewShare();
    QSignalSpy started(view, &QML::ViewShare::shareStarted);
    QVERIFY(started.wait(5000));
    QSignalSpy stopped(view, &QML::ViewShare::shareStopped);
    QSignalSpy ended(view, &QML::ViewShare::endSession);

    collaboration.session.closeContent(TContentItem(QStringLiteral("content-1"), QStringLiteral("ctx"), closedBy));
    QCOMPARE(stopped.count(), 1);
    QCOMPARE(ended.count(), endSessions);
    QVERIFY(!view->viewer()->isActive());

    collaboration.controller.stopShare();
    QCOMPARE(stopped.count(), 2);
}

QTEST_MAIN(ShareViewersTest)
#include "tst_share_viewers.moc"
