#include "libqml/items/declarative_drag_area.h"
#include "libqml/items/declarative_drag_drop_event.h"
#include "libqml/items/declarative_drop_area.h"
#include "libqml/items/declarative_mime_data.h"
#include "libqml/window/qml_view.h"

#include "../qml_test_setup.h"
#include "common/constants.h"
#include "support/test_environment.h"

#include <QApplication>
#include <QMimeData>
#include <QMouseEvent>
#include <QQuickItem>
#include <QtTest>

namespace {

const QString ContactType = QString::fromLatin1(Constants::MimeType::Contact);
const QString ActiveCommType = QString::fromLatin1(Constants::MimeType::ActiveCommContact);

// Stands in for the application object, which runs the platform drag.
class DragTestApplication : public QApplication
{
    Q_OBJECT

public:
    using QApplication::QApplication;

    QStringList requestedTypes;

public slots:
    void startDrag(const QString& mimeType, const QByteArray& data, const QPixmap& pixmap)
    {
        Q_UNUSED(data)
        Q_UNUSED(pixmap)
        requestedTypes << mimeType;
    }
};

} // namespace

class DragDropItemsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void dragStartsOncePastTheDistance();
    void dragRequestReachesTheApplicationQueued();
    void disabledAreaStillClicks();
    void hoverFollowsTheSwitch_data();
    void hoverFollowsTheSwitch();
    void dropAreaOffersListedFormats_data();
    void dropAreaOffersListedFormats();
    void acceptedDragDropsThroughTheScene();
    void mimeDataCopiesAndNotifiesChanges();

private:
    DeclarativeDragArea* dragArea() const;
    DeclarativeDropArea* dropArea() const;
    void sendMouse(QEvent::Type type, const QPoint& pos, Qt::MouseButton button, Qt::MouseButtons buttons);

    QScopedPointer<TestSupport::Environment> m_Env;
    QScopedPointer<QML::View> m_View;
};

void DragDropItemsTest::initTestCase()
{
    QmlTestSetup::prepare();
}

void DragDropItemsTest::init()
{
    m_Env.reset(new TestSupport::Environment);
    m_View.reset(new QML::View);
    m_View->setSource(QUrl(QStringLiteral("qrc:/qmlitems/drag_drop.qml")));
    QVERIFY(m_View->rootObject());
    m_View->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_View.data()));
}

void DragDropItemsTest::cleanup()
{
    m_View.reset();
    m_Env.reset();
}

DeclarativeDragArea* DragDropItemsTest::dragArea() const
{
    return qobject_cast<DeclarativeDragArea*>(m_View->rootObject()->property("dragArea").value<QObject*>());
}

DeclarativeDropArea* DragDropItemsTest::dropArea() const
{
    return qobject_cast<DeclarativeDropArea*>(m_View->rootObject()->property("dropArea").value<QObject*>());
}

void DragDropItemsTest::sendMouse(QEvent::Type type, const QPoint& pos, Qt::MouseButton button,
                                  Qt::MouseButtons buttons)
{
    QMouseEvent event(type, pos, m_View->mapToGlobal(pos), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(m_View.data(), &event);
}

void DragDropItemsTest::dragStartsOncePastTheDistance()
{
    DeclarativeDragArea* area = dragArea();
    area->setData("contact:7");
    QSignalSpy started(area, &DeclarativeDragArea::startDrag);
    QSignalSpy pressed(area, &DeclarativeDragArea::pressed);
    const int distance = QApplication::startDragDistance();
    const QPoint start(20, 20);

    sendMouse(QEvent::MouseButtonPress, start, Qt::LeftButton, Qt::LeftButton);
    QCOMPARE(pressed.count(), 1);
    QCOMPARE(pressed.first().at(0).toInt(), int(Qt::LeftButton));
    sendMouse(QEvent::MouseMove, start + QPoint(distance - 1, 0), Qt::NoButton, Qt::LeftButton);
    QCOMPARE(started.count(), 0);
    sendMouse(QEvent::MouseMove, start + QPoint(distance, 0), Qt::NoButton, Qt::LeftButton);
    QCOMPARE(started.count(), 1);
    // Further moves of the same press ask for no second drag.
    sendMouse(QEvent::MouseMove, start + QPoint(distance + 10, 5), Qt::NoButton, Qt::LeftButton);
    QCOMPARE(started.count(), 1);

    const QList<QVariant> request = started.first();
    QCOMPARE(request.at(0).toString(), ContactType);
    QCOMPARE(request.at(1).toByteArray(), QByteArray("contact:7"));
    const QImage image = request.at(2).value<QPixmap>().toImage();
    QCOMPARE(image.size(), QSize(30, 20));
    QCOMPARE(image.pixelColor(15, 10), QColor(0, 255, 0));

    sendMouse(QEvent::MouseButtonRelease, start + QPoint(distance + 10, 5), Qt::LeftButton, Qt::NoButton);
    sendMouse(QEvent::MouseButtonPress, start, Qt::LeftButton, Qt::LeftButton);
    sendMouse(QEvent::MouseMove, start + QPoint(0, distance), Qt::NoButton, Qt::LeftButton);
    QCOMPARE(started.count(), 2);
    sendMouse(QEvent::MouseButtonRelease, start, Qt::LeftButton, Qt::NoButton);

    // Without a delegate the drag carries an empty image.
    area->setDelegate(nullptr);
    sendMouse(QEvent::MouseButtonPress, start, Qt::LeftButton, Qt::LeftButton);
    sendMouse(QEvent::MouseMove, start + QPoint(distance, distance), Qt::NoButton, Qt::LeftButton);
    QCOMPARE(started.count(), 3);
    QVERIFY(started.last().at(2).value<QPixmap>().isNull());
}

void DragDropItemsTest::dragRequestReachesTheApplicationQueued()
{
    auto* app = static_cast<DragTestApplication*>(QCoreApplication::instance());
    app->requestedTypes.clear();
    dragArea()->setData("contact:7");
    const QPoint start(20, 20);

    sendMouse(QEvent::MouseButtonPress, start, Qt::LeftButton, Qt::LeftButton);
    sendMouse(QEvent::MouseMove, start + QPoint(QApplication::startDragDistance(), 0), Qt::NoButton, Qt::LeftButton);
    // Not from inside the move handler: the drag loop must not run under it.
    QVERIFY(app->requestedTypes.isEmpty());
    QTRY_COMPARE(app->requestedTypes, QStringList{ContactType});
    sendMouse(QEvent::MouseButtonRelease, start, Qt::LeftButton, Qt::NoButton);
}

void DragDropItemsTest::disabledAreaStillClicks()
{
    DeclarativeDragArea* area = dragArea();
    QSignalSpy enabledChanged(area, &DeclarativeDragArea::enabledChanged);
    area->setProperty("enabled", false);
    area->setProperty("enabled", false);
    QCOMPARE(enabledChanged.count(), 1);

    QSignalSpy started(area, &DeclarativeDragArea::startDrag);
    QSignalSpy pressed(area, &DeclarativeDragArea::pressed);
    QSignalSpy clicked(area, &DeclarativeDragArea::clicked);
    sendMouse(QEvent::MouseButtonPress, QPoint(20, 20), Qt::LeftButton, Qt::LeftButton);
    sendMouse(QEvent::MouseMove, QPoint(80, 80), Qt::NoButton, Qt::LeftButton);
    sendMouse(QEvent::MouseButtonRelease, QPoint(80, 80), Qt::LeftButton, Qt::NoButton);
    QCOMPARE(started.count(), 0);
    QCOMPARE(pressed.count(), 1);
    QCOMPARE(clicked.count(), 1);
}

void DragDropItemsTest::hoverFollowsTheSwitch_data()
{
    QTest::addColumn<bool>("hoverEnabled");
    QTest::newRow("on") << true;
    QTest::newRow("off") << false;
}

void DragDropItemsTest::hoverFollowsTheSwitch()
{
    QFETCH(bool, hoverEnabled);
    DeclarativeDragArea* area = dragArea();
    area->setHoverEnabled(hoverEnabled);
    QSignalSpy changed(area, &DeclarativeDragArea::containsMouseChanged);
    sendMouse(QEvent::MouseMove, QPoint(20, 20), Qt::NoButton, Qt::NoButton);
    QCOMPARE(area->containsMouse(), hoverEnabled);
    sendMouse(QEvent::MouseMove, QPoint(280, 180), Qt::NoButton, Qt::NoButton);
    QVERIFY(!area->containsMouse());
    QCOMPARE(changed.count(), hoverEnabled ? 2 : 0);
}

void DragDropItemsTest::dropAreaOffersListedFormats_data()
{
    QTest::addColumn<QStringList>("mimeTypes");
    QTest::addColumn<int>("enters");
    QTest::newRow("empty list") << QStringList() << 0;
    QTest::newRow("listed") << QStringList{ContactType} << 1;
    QTest::newRow("listed second") << QStringList{ActiveCommType, ContactType} << 1;
    QTest::newRow("not listed") << QStringList{ActiveCommType} << 0;
}

void DragDropItemsTest::dropAreaOffersListedFormats()
{
    QFETCH(QStringList, mimeTypes);
    QFETCH(int, enters);
    DeclarativeDropArea* area = dropArea();
    area->setMimeTypes(mimeTypes);
    QSignalSpy entered(area, &DeclarativeDropArea::dragEnter);
    QSignalSpy dropped(area, &DeclarativeDropArea::drop);

    QMimeData data;
    data.setData(ContactType, "7");
    data.setText(QStringLiteral("Alice"));
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(area, &enter);
    QCOMPARE(entered.count(), enters);
    QCOMPARE(enter.isAccepted(), enters == 1);

    // A drop that reaches the area is always offered, whatever the list says.
    QDropEvent drop(QPointF(12, 15), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(area, &drop);
    QCOMPARE(dropped.count(), 1);
    QCOMPARE(m_View->rootObject()->property("dropped").toString(), QStringLiteral("Alice"));
}

void DragDropItemsTest::acceptedDragDropsThroughTheScene()
{
    QMimeData data;
    data.setData(ContactType, "7");
    data.setText(QStringLiteral("Bob"));
    const QPoint over(200, 50);
    QDragEnterEvent enter(over, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(m_View.data(), &enter);
    QCOMPARE(m_View->rootObject()->property("enters").toInt(), 1);
    QVERIFY(enter.isAccepted());

    QDragMoveEvent move(over + QPoint(5, 5), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(m_View.data(), &move);
    QVERIFY(move.isAccepted());
    QCOMPARE(move.dropAction(), Qt::CopyAction);

    QDropEvent drop(over + QPoint(5, 5), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(m_View.data(), &drop);
    QCOMPARE(m_View->rootObject()->property("dropped").toString(), QStringLiteral("Bob"));
}

void DragDropItemsTest::mimeDataCopiesAndNotifiesChanges()
{
    QQuickItem source;
    DeclarativeMimeData original;
    original.setData(ContactType, "7");
    original.setSource(&source);
    const DeclarativeMimeData copy(&original);
    QVERIFY(copy.hasFormat(ContactType));
    QCOMPARE(copy.source(), &source);

    DeclarativeMimeData data;
    QSignalSpy urlChanged(&data, &DeclarativeMimeData::urlChanged);
    QSignalSpy colorChanged(&data, &DeclarativeMimeData::colorChanged);
    QVERIFY(!data.url().isValid());
    QVERIFY(!data.color().isValid());
    data.setUrl(QUrl(QStringLiteral("http://example.com/a")));
    data.setUrl(QUrl(QStringLiteral("http://example.com/a")));
    data.setColor(Qt::red);
    data.setColor(Qt::red);
    QCOMPARE(urlChanged.count(), 1);
    QCOMPARE(colorChanged.count(), 1);
    QCOMPARE(data.color(), QColor(Qt::red));
}

int main(int argc, char** argv)
{
    DragTestApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    DragDropItemsTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_drag_drop_items.moc"
