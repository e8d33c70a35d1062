#include "libqml/items/centered_flow.h"

#include "../qml_test_setup.h"
#include "support/test_environment.h"

#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QtTest>

namespace {

QString scene(int flowWidth, int spacing, const QList<QSizeF>& children)
{
    QString items;
    for (int i = 0; i < children.size(); ++i) {
        items += QStringLiteral("        Item { objectName: \"c%1\"; width: %2; height: %3 }\n")
                     .arg(i)
                     .arg(children.at(i).width())
                     .arg(children.at(i).height());
    }
    return QStringLiteral("import QtQuick 2.15\nimport Torvex 1.0\n"
                          "CenteredFlow {\n    width: %1\n    spacing: %2\n%3}\n")
        .arg(flowWidth)
        .arg(spacing)
        .arg(items);
}

} // namespace

class CenteredFlowTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void placesChildren_data();
    void placesChildren();
    void emptyFlowHasNoHeight();
    void childrenLeaveTheLayout();
    void rowHeightRoundsUp();

private:
    QQuickItem* create(const QString& source);
    QQuickItem* child(int index) const;

    QScopedPointer<TestSupport::Environment> m_Env;
    QScopedPointer<QQmlEngine> m_Engine;
    QScopedPointer<QQuickItem> m_Flow;
};

void CenteredFlowTest::initTestCase()
{
    QmlTestSetup::prepare();
}

void CenteredFlowTest::init()
{
    m_Env.reset(new TestSupport::Environment);
    m_Engine.reset(new QQmlEngine);
}

void CenteredFlowTest::cleanup()
{
    m_Flow.reset();
    m_Engine.reset();
    m_Env.reset();
}

QQuickItem* CenteredFlowTest::create(const QString& source)
{
    QQmlComponent component(m_Engine.data());
    component.setData(source.toUtf8(), QUrl(QStringLiteral("qrc:/tests/Flow.qml")));
    m_Flow.reset(qobject_cast<QQuickItem*>(component.create()));
    if (!m_Flow)
        qWarning("%s", qPrintable(component.errorString()));
    return m_Flow.data();
}

QQuickItem* CenteredFlowTest::child(int index) const
{
    return m_Flow->findChild<QQuickItem*>(QStringLiteral("c%1").arg(index));
}

void CenteredFlowTest::placesChildren_data()
{
    QTest::addColumn<int>("flowWidth");
    QTest::addColumn<QList<QSizeF>>("children");
    QTest::addColumn<QList<QPointF>>("positions");
    QTest::newRow("one centred row") << 200 << QList<QSizeF>{{30, 10}, {30, 10}, {30, 10}}
                                     << QList<QPointF>{{45, 0}, {85, 0}, {125, 0}};
    QTest::newRow("wraps and centres each row")
        << 100 << QList<QSizeF>{{40, 10}, {40, 10}, {40, 20}}
        << QList<QPointF>{{5, 0}, {55, 0}, {30, 20}};
    QTest::newRow("wide first child stays at 0") << 100 << QList<QSizeF>{{150, 10}, {20, 10}}
                                                 << QList<QPointF>{{0, 0}, {40, 20}};
}

void CenteredFlowTest::placesChildren()
{
    QFETCH(int, flowWidth);
    QFETCH(QList<QSizeF>, children);
    QFETCH(QList<QPointF>, positions);
    QVERIFY(create(scene(flowWidth, 10, children)));
    for (int i = 0; i < positions.size(); ++i)
        QCOMPARE(child(i)->position(), positions.at(i));
}

void CenteredFlowTest::emptyFlowHasNoHeight()
{
    QVERIFY(create(scene(120, 10, {{0, 10}})));
    QCOMPARE(m_Flow->implicitHeight(), -1.0);
    QCOMPARE(m_Flow->implicitWidth(), 120.0);
}

void CenteredFlowTest::childrenLeaveTheLayout()
{
    QVERIFY(create(scene(200, 10, {{30, 10}, {30, 10}, {30, 10}})));
    child(1)->setOpacity(0);
    QCOMPARE(child(0)->x(), 65.0);
    QCOMPARE(child(2)->x(), 105.0);
    child(1)->setOpacity(1);
    QCOMPARE(child(0)->x(), 45.0);
    QCOMPARE(child(1)->x(), 85.0);
    QCOMPARE(child(2)->x(), 125.0);

    child(1)->setVisible(false);
    QCOMPARE(child(0)->x(), 65.0);
    QCOMPARE(child(2)->x(), 105.0);
    child(1)->setVisible(true);
    QCOMPARE(child(1)->x(), 85.0);
    // Hiding the whole flow hides every child with it; nobody leaves the layout.
    m_Flow->setVisible(false);
    QCOMPARE(child(0)->x(), 45.0);
    QCOMPARE(child(2)->x(), 125.0);
    m_Flow->setVisible(true);

    delete child(1);
    QCOMPARE(child(0)->x(), 65.0);
    QCOMPARE(child(2)->x(), 105.0);
}

void CenteredFlowTest::rowHeightRoundsUp()
{
    QVERIFY(create(scene(60, 5, {{20, 10.2}, {20, 9}, {40, 5}})));
    QCOMPARE(child(2)->y(), 16.0);
    QCOMPARE(m_Flow->implicitHeight(), 21.0);
}

QTEST_MAIN(CenteredFlowTest)
#include "tst_centered_flow.moc"
