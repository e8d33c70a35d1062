#include "libqml/window/style_view.h"

#include "../qml_test_setup.h"
#include "../scene_items.h"
#include "libqml/window/qml_view.h"
#include "support/test_environment.h"

#include <QApplication>
#include <QFileDialog>
#include <QPointer>
#include <QQuickItem>
#include <QtTest>

namespace {

void pressStyleShortcut(QML::View& view, Qt::Key first, Qt::Key second)
{
    const Qt::KeyboardModifiers modifiers = Qt::ControlModifier | Qt::ShiftModifier;
    QTest::keyPress(&view, first, modifiers);
    QTest::keyPress(&view, second, modifiers);
    QTest::keyRelease(&view, second, modifiers);
    QTest::keyRelease(&view, first, modifiers);
}

QFileDialog* openChooser()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* chooser = qobject_cast<QFileDialog*>(widget); chooser && chooser->isVisible())
            return chooser;
    }
    return nullptr;
}

} // namespace

class StyleViewTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void shortcutOpensOneStyleView_data();
    void shortcutOpensOneStyleView();
    void releasingAKeyForgetsHeldLetters();
    void escapeClosesAndTheNextShortcutOpensANewOne();
    void cancelledChooserEmitsNothing();
    void fontChangeShowsTheSelector();
    void editingAValueChangesTheStyle();
};

void StyleViewTest::initTestCase()
{
    QmlTestSetup::prepare();
}

void StyleViewTest::cleanup()
{
    delete QML::StyleView::instance();
}

void StyleViewTest::shortcutOpensOneStyleView_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::newRow("C then S") << int(Qt::Key_C) << int(Qt::Key_S);
    QTest::newRow("S then C") << int(Qt::Key_S) << int(Qt::Key_C);
}

void StyleViewTest::shortcutOpensOneStyleView()
{
    QFETCH(int, first);
    QFETCH(int, second);
    TestSupport::Environment env;
    QML::View view;
    QVERIFY(!QML::StyleView::instance());

    pressStyleShortcut(view, Qt::Key(first), Qt::Key(second));
    QPointer<QML::StyleView> styleView = QML::StyleView::instance();
    QVERIFY(styleView);
    QVERIFY(styleView->isVisible());
    QCOMPARE(styleView->windowTitle(), QStringLiteral("Style view"));
    QVERIFY(styleView->view()->errors().isEmpty());
    QCOMPARE(styleView->minimumSize(), QSize(375, 400));

    pressStyleShortcut(view, Qt::Key(first), Qt::Key(second));
    QCOMPARE(QML::StyleView::instance(), styleView.data());
    int styleViews = 0;
    for (QWidget* widget : QApplication::topLevelWidgets())
        styleViews += qobject_cast<QML::StyleView*>(widget) ? 1 : 0;
    QCOMPARE(styleViews, 1);
}

void StyleViewTest::releasingAKeyForgetsHeldLetters()
{
    TestSupport::Environment env;
    QML::View view;
    const Qt::KeyboardModifiers modifiers = Qt::ControlModifier | Qt::ShiftModifier;
    QTest::keyPress(&view, Qt::Key_C, modifiers);
    QTest::keyRelease(&view, Qt::Key_C, modifiers);
    QTest::keyPress(&view, Qt::Key_S, modifiers);
    QVERIFY(!QML::StyleView::instance());

    QTest::keyPress(&view, Qt::Key_C, Qt::ControlModifier);
    QVERIFY(!QML::StyleView::instance());
}

void StyleViewTest::escapeClosesAndTheNextShortcutOpensANewOne()
{
    TestSupport::Environment env;
    QML::View view;
    pressStyleShortcut(view, Qt::Key_C, Qt::Key_S);
    QPointer<QML::StyleView> first = QML::StyleView::instance();
    QVERIFY(first);

    QTest::keyClick(first->view(), Qt::Key_Escape);
    QTRY_VERIFY(first.isNull());
    QVERIFY(!QML::StyleView::instance());

    pressStyleShortcut(view, Qt::Key_C, Qt::Key_S);
    QVERIFY(QML::StyleView::instance());
}

void StyleViewTest::cancelledChooserEmitsNothing()
{
    TestSupport::Environment env;
    QML::StyleView styleView;
    styleView.setAttribute(Qt::WA_DeleteOnClose, false);
    QVERIFY(styleView.loadScene());
    QSignalSpy imported(&styleView, qOverload<const QString&>(&QML::StyleView::importCsv));
    QSignalSpy exported(&styleView, qOverload<const QString&, bool>(&QML::StyleView::exportCsv));

    styleView.importCsv();
    QTRY_VERIFY(openChooser());
    openChooser()->reject();
    QTRY_VERIFY(!openChooser());
    QCoreApplication::processEvents();
    QCOMPARE(imported.count(), 0);

    const QString target = env.dataPath() + QStringLiteral("/style.csv");
    styleView.exportCsv(true);
    QTRY_VERIFY(openChooser());
    QCOMPARE(openChooser()->selectedFiles().value(0).section(QLatin1Char('/'), -1), QStringLiteral("style.csv"));
    openChooser()->selectFile(target);
    QMetaObject::invokeMethod(openChooser(), "accept");
    QTRY_COMPARE(exported.count(), 1);
    QCOMPARE(exported.first().at(0).toString(), target);
    QCOMPARE(exported.first().at(1).toBool(), true);
    QVERIFY(QFile::exists(target));
}

void StyleViewTest::fontChangeShowsTheSelector()
{
    TestSupport::Environment env;
    QML::StyleView styleView;
    styleView.setAttribute(Qt::WA_DeleteOnClose, false);
    QVERIFY(styleView.loadScene());
    QVERIFY(!styleView.view()->rootObject()->property("fontSelectorVisible").toBool());
    QML::Style::instance()->setFontFamily(QStringLiteral("DejaVu Sans"));
    QVERIFY(styleView.view()->rootObject()->property("fontSelectorVisible").toBool());
    QML::Style::instance()->setDefaults();
}

void StyleViewTest::editingAValueChangesTheStyle()
{
    TestSupport::Environment env;
    QML::StyleView styleView;
    styleView.setAttribute(Qt::WA_DeleteOnClose, false);
    QVERIFY(styleView.loadScene());
    styleView.show();

    QQuickItem* name = nullptr;
    QTRY_VERIFY((name = SceneItems::withText(styleView.view()->rootObject(), QStringLiteral("darkText"))));
    QQuickItem* row = name->parentItem();
    QQuickItem* value = SceneItems::ofClass(row, "QQuickTextInput");
    QVERIFY(value);
    value->setProperty("text", QStringLiteral("#123456"));
    QVERIFY(QMetaObject::invokeMethod(value, "editingFinished"));

    QCOMPARE(QML::Style::instance()->colors().value(QStringLiteral("darkText")).toString(), QStringLiteral("#123456"));
    QCOMPARE(SceneItems::ofClass(row, "QQuickRectangle")->property("color").value<QColor>(), QColor(0x12, 0x34, 0x56));
    QML::Style::instance()->setDefaults();
}

QTEST_MAIN(StyleViewTest)
#include "tst_style_view.moc"
