#include "libqml/items/qml_menu.h"
#include "libqml/items/qml_pixmap.h"
#include "libqml/items/qml_security_class_menu.h"
#include "libqml/items/qml_tool_tip.h"
#include "libqml/items/tool_tip_view.h"

#include "../qml_test_setup.h"
#include "support/test_environment.h"

#include <Kivo/Contacts/IContact.h>

#include <QImage>
#include <QPainter>
#include <QStandardItemModel>
#include <QtTest>

namespace {

QStandardItemModel* menuModel(const QList<QPair<QString, bool>>& entries, QObject* parent)
{
    auto* model = new QStandardItemModel(parent);
    for (const auto& entry : entries) {
        auto* item = new QStandardItem(entry.first);
        item->setData(entry.second, QML::QmlMenu::CheckedRole);
        model->appendRow(item);
    }
    return model;
}

QStringList texts(const QMenu& menu)
{
    QStringList result;
    for (const QAction* action : menu.actions())
        result << action->text();
    return result;
}

} // namespace

class QmlMenuItemsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void outsideMenuStaysUntilAModelIsSet();
    void fillsFromTheModel();
    void marksTheCurrentClassification();
    void pixmapSizes();
    void cropShowsTheMiddle();
    void emptyToolTipHides();
    void toolTipDuration_data();
    void toolTipDuration();
    void toolTipPlacement_data();
    void toolTipPlacement();
};

void QmlMenuItemsTest::initTestCase()
{
    QmlTestSetup::prepare();
}

void QmlMenuItemsTest::outsideMenuStaysUntilAModelIsSet()
{
    TestSupport::Environment env;
    QMenu presenceMenu;
    presenceMenu.addAction(QStringLiteral("Available"));
    QML::QmlMenu item;
    item.setMenu(&presenceMenu);
    QMetaObject::invokeMethod(&item, "dataChanged");
    QCOMPARE(texts(presenceMenu), QStringList{QStringLiteral("Available")});

    QSignalSpy triggered(&item, &QML::QmlMenu::triggered);
    presenceMenu.actions().first()->trigger();
    QCOMPARE(triggered.count(), 1);

    item.setModel(nullptr);
    QCOMPARE(texts(presenceMenu), QStringList{QStringLiteral("Available")});
    item.setModel(menuModel({}, this));
    item.setModel(nullptr);
    QVERIFY(presenceMenu.isEmpty());
}

void QmlMenuItemsTest::fillsFromTheModel()
{
    TestSupport::Environment env;
    QMenu menu;
    QML::QmlMenu item;
    item.setMenu(&menu);
    QStandardItemModel* model = menuModel({{QStringLiteral("Plain"), false}, {QStringLiteral("Number"), true}}, this);
    Kivo::Contacts::IContact contact(42, QStringLiteral("Anna Bell"));
    model->item(1)->setData(QVariant::fromValue<QObject*>(&contact), QML::QmlMenu::ContactRole);
    item.setUseUiName(true);
    item.setModel(model);

    QCOMPARE(texts(menu), (QStringList{QStringLiteral("Plain"), QStringLiteral("Anna Bell")}));
    const QAction* withContact = menu.actions().at(1);
    QVERIFY(withContact->isCheckable());
    QVERIFY(withContact->isChecked());
    QCOMPARE(withContact->data().toInt(), 42);

    model->item(0)->setText(QStringLiteral("Renamed"));
    QCOMPARE(menu.actions().first()->text(), QStringLiteral("Renamed"));
}

void QmlMenuItemsTest::marksTheCurrentClassification()
{
    TestSupport::Environment env;
    QMenu menu;
    QML::QmlSecurityClassMenu item;
    item.setMenu(&menu);
    item.setModel(menuModel({{QStringLiteral("Public"), false}, {QStringLiteral("Secret"), true}}, this));
    item.setInCallSecurityClassification(QStringLiteral("Secret"));

    QCOMPARE(texts(menu), (QStringList{QStringLiteral("Public"), QStringLiteral("Secret (Current Call)")}));
    QCOMPARE(menu.actions().at(1)->data().toString(), QStringLiteral("Secret"));
    QVERIFY(menu.actions().at(1)->isChecked());
    QVERIFY(!menu.actions().at(0)->isChecked());
}

void QmlMenuItemsTest::pixmapSizes()
{
    QML::QmlPixmap item;
    QSignalSpy sizeChanged(&item, &QML::QmlPixmap::sizeChanged);
    item.setPixmap(QPixmap(100, 50));
    QCOMPARE(item.size(), QSize(100, 50));
    QCOMPARE(sizeChanged.count(), 1);
    item.setPixmap(QPixmap(100, 50));
    QCOMPARE(sizeChanged.count(), 1);
    item.setMaxSize(QSize(40, 40));
    QCOMPARE(item.size(), QSize(40, 20));
    sizeChanged.clear();
    item.setCrop(true);
    QCOMPARE(item.size(), QSize(40, 40));
    QCOMPARE(sizeChanged.count(), 1);
}

void QmlMenuItemsTest::cropShowsTheMiddle()
{
    // Left quarter red, middle half green, right quarter blue.
    QImage avatar(100, 50, QImage::Format_ARGB32);
    avatar.fill(Qt::green);
    QPainter sides(&avatar);
    sides.fillRect(0, 0, 25, 50, Qt::red);
    sides.fillRect(75, 0, 25, 50, Qt::blue);
    sides.end();

    QML::QmlPixmap item;
    item.setSize(QSizeF(20, 20));
    item.setCrop(true);
    item.setPixmap(QPixmap::fromImage(avatar));
    QImage painted(20, 20, QImage::Format_ARGB32);
    painted.fill(Qt::transparent);
    QPainter painter(&painted);
    item.paint(&painter);
    painter.end();

    for (const QPoint& point : {QPoint(0, 0), QPoint(19, 10), QPoint(10, 19)})
        QCOMPARE(QColor(painted.pixel(point)), QColor(Qt::green));
}

void QmlMenuItemsTest::emptyToolTipHides()
{
    TestSupport::Environment env;
    QML::QmlToolTip tip;
    QVERIFY(tip.view()->errors().isEmpty());
    tip.view()->show();
    tip.showToolTip(QString());
    QVERIFY(!tip.view()->isVisible());
    QCOMPARE(tip.view()->pos(), QPoint(-10000, -10000));

    tip.showToolTip(QStringLiteral("Call"), 0, 5000);
    QTRY_VERIFY(tip.view()->isVisible());
    QCOMPARE(tip.view()->text(), QStringLiteral("Call"));
    tip.hideToolTip();
    QVERIFY(!tip.view()->isVisible());

    tip.showToolTip(QStringLiteral("Chat"), -1);
    QTRY_VERIFY(tip.view()->isVisible());
}

void QmlMenuItemsTest::toolTipDuration_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("duration");
    QTest::addColumn<int>("expected");
    QTest::newRow("short text") << 20 << 0 << 10000;
    QTest::newRow("100 characters") << 100 << 0 << 10000;
    QTest::newRow("150 characters") << 150 << 0 << 12000;
    QTest::newRow("given duration") << 150 << 700 << 700;
}

void QmlMenuItemsTest::toolTipDuration()
{
    QFETCH(int, length);
    QFETCH(int, duration);
    QFETCH(int, expected);
    QCOMPARE(QML::QmlToolTip::displayDuration(length, duration), expected);
}

void QmlMenuItemsTest::toolTipPlacement_data()
{
    QTest::addColumn<QPoint>("cursor");
    QTest::addColumn<QPoint>("expected");
    QTest::newRow("room below right") << QPoint(100, 100) << QPoint(102, 121);
    QTest::newRow("right edge") << QPoint(1000, 100) << QPoint(1000 - 2 - 80, 121);
    QTest::newRow("bottom edge") << QPoint(100, 750) << QPoint(102, 750 - 21 - 20);
}

void QmlMenuItemsTest::toolTipPlacement()
{
    QFETCH(QPoint, cursor);
    QFETCH(QPoint, expected);
    QCOMPARE(QML::QmlToolTip::placement(cursor, QRect(0, 0, 1024, 768), QSize(80, 20)), expected);
}

QTEST_MAIN(QmlMenuItemsTest)
#include "tst_qml_menu_items.moc"
