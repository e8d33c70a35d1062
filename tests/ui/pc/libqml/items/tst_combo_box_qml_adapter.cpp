#include "libqml/items/combo_box.h"
#include "libqml/items/combo_box_qml_adapter.h"
#include "libqml/utils/style.h"
#include "libqml/window/qml_view.h"

#include "../qml_test_setup.h"
#include "support/test_environment.h"

#include <Kivo/Settings.h>

#include <QApplication>
#include <QCompleter>
#include <QFile>
#include <QRegularExpression>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QQuickItem>
#include <QTimer>
#include <QStringListModel>
#include <QtTest>

namespace {

QML::QComboBoxQmlAdapter* adapter(const QML::View& view, const char* name)
{
    return qobject_cast<QML::QComboBoxQmlAdapter*>(view.rootObject()->property(name).value<QObject*>());
}

void writeStyleSheets(const QString& folder)
{
    Kivo::Settings::setPath(Kivo::Settings::StyleSettings, folder);
    Kivo::Settings sheets(Kivo::Settings::StyleSettings);
    sheets.setValue(QML::QComboBoxQmlAdapter::CssKey, "QComboBox { color: %%colors:historyTabActive%%; }");
    sheets.setValue(QML::QLoginComboBoxQmlAdapter::CssKey, "QComboBox { font-family: %%font:defaultFontFamily%%; }");
    sheets.sync();
}

} // namespace

class ComboBoxQmlAdapterTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void styleSheets();
    void widgetFollowsTheItem();
    void findText_data();
    void findText();
    void setItemsKeepsTypedText();
    void rightClickAndFocusKeysStayInTheWidget();
    void emptyListHasNothingToDropDown();

private:
    QScopedPointer<TestSupport::Environment> m_Env;
    QScopedPointer<QML::View> m_View;
};

void ComboBoxQmlAdapterTest::initTestCase()
{
    QmlTestSetup::prepare();
}

void ComboBoxQmlAdapterTest::init()
{
    m_Env.reset(new TestSupport::Environment);
    writeStyleSheets(m_Env->dataPath());
    m_View.reset(new QML::View);
    m_View->setSource(QUrl(QStringLiteral("qrc:/qmlitems/combo_boxes.qml")));
    QVERIFY(m_View->rootObject());
    m_View->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_View.data()));
}

void ComboBoxQmlAdapterTest::cleanup()
{
    m_View.reset();
    QML::Style::instance()->setDefaults();
    m_Env.reset();
}

void ComboBoxQmlAdapterTest::styleSheets()
{
    QML::QComboBoxQmlAdapter* plain = adapter(*m_View, "plain");
    QML::QComboBoxQmlAdapter* login = adapter(*m_View, "login");
    QVERIFY(plain && login);

    // The plain box reads and fills in its sheet but keeps the platform look.
    QCOMPARE(plain->baseCss(), QStringLiteral("QComboBox { color: #f78f1e; }"));
    QVERIFY(plain->comboBox()->styleSheet().isEmpty());
    QCOMPARE(login->comboBox()->styleSheet(),
             QStringLiteral("QComboBox { color: #f78f1e; }QComboBox { font-family: Arial; }"));
    QCOMPARE(login->comboBox()->objectName(), QStringLiteral("userNameCombo"));
    QVERIFY(login->editable());
    QCOMPARE(login->comboBox()->completer()->caseSensitivity(), Qt::CaseSensitive);
    QVERIFY(!plain->editable());
    QVERIFY(plain->comboBox()->objectName().isEmpty());

    QML::Style::instance()->setColor(QStringLiteral("historyTabActive"), QStringLiteral("#123456"));
    QCOMPARE(login->comboBox()->styleSheet(),
             QStringLiteral("QComboBox { color: #123456; }QComboBox { font-family: Arial; }"));
    QML::Style::instance()->setFontFamily(QStringLiteral("Courier"));
    QVERIFY(login->comboBox()->styleSheet().endsWith(QStringLiteral("font-family: Courier; }")));
    QVERIFY(plain->comboBox()->styleSheet().isEmpty());
    QCOMPARE(plain->baseCss(), QStringLiteral("QComboBox { color: #123456; }"));

    // Without a sheet of the theme's own the user-name box still matches the login fields.
    {
        Kivo::Settings sheets(Kivo::Settings::StyleSettings);
        sheets.remove(QML::QLoginComboBoxQmlAdapter::CssKey);
    }
    login->loadCss();
    const QString fallback = login->comboBox()->styleSheet();
    QVERIFY(fallback.startsWith(QStringLiteral("QComboBox { color: #123456; }QComboBox {")));
    QVERIFY(fallback.contains(QStringLiteral("font-family: \"Courier\"")));
    QVERIFY(!fallback.contains(QStringLiteral("%%")));
    const QRegularExpression image(QStringLiteral("image: url\\((:[^)]+)\\)"));
    const QRegularExpressionMatch arrow = image.match(fallback);
    QVERIFY(arrow.hasMatch());
    QVERIFY(QFile::exists(arrow.captured(1)));

    // Reloading must not pile up pop-up views either.
    QML::QComboBoxQmlAdapter* commWin = adapter(*m_View, "commWin");
    QVERIFY(qobject_cast<QListView*>(commWin->comboBox()->view()));
    QCOMPARE(commWin->comboBox()->findChildren<QListView*>().size(), 1);
}

void ComboBoxQmlAdapterTest::widgetFollowsTheItem()
{
    QML::QComboBoxQmlAdapter* login = adapter(*m_View, "login");
    QML::ComboBox* box = login->comboBox();
    QCOMPARE(box->parentWidget(), m_View.data());
    QCOMPARE(box->geometry(), QRect(10, 60, 150, 24));
    QVERIFY(box->isVisible());

    login->setPosition(QPointF(40, 70));
    QCOMPARE(box->geometry(), QRect(40, 70, 150, 24));
    login->setVisible(false);
    QVERIFY(!box->isVisible());
    login->setVisible(true);
    QVERIFY(box->isVisible());

    QPointer<QML::ComboBox> guard(box);
    delete login;
    QTRY_VERIFY(guard.isNull());
}

void ComboBoxQmlAdapterTest::findText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("index");
    QTest::newRow("exact") << "Bob" << 2;
    QTest::newRow("other case") << "ALICE" << 0;
    QTest::newRow("prefix only") << "ali" << -1;
    QTest::newRow("longer text") << "alice smith" << 1;
    QTest::newRow("empty") << "" << -1;
}

void ComboBoxQmlAdapterTest::findText()
{
    QFETCH(QString, text);
    QFETCH(int, index);
    QML::QComboBoxQmlAdapter* plain = adapter(*m_View, "plain");
    plain->setItems({QStringLiteral("Alice"), QStringLiteral("Alice Smith"), QStringLiteral("bob")});
    QCOMPARE(plain->findText(text), index);
}

void ComboBoxQmlAdapterTest::setItemsKeepsTypedText()
{
    QML::QComboBoxQmlAdapter* login = adapter(*m_View, "login");
    QSignalSpy textChanged(login, &QML::QComboBoxQmlAdapter::textChanged);
    login->setItems({QStringLiteral("alice"), QStringLiteral("bob")});
    login->setText(QStringLiteral("car"));
    QCOMPARE(textChanged.last().first().toString(), QStringLiteral("car"));
    login->setItems({QStringLiteral("dave"), QStringLiteral("erin")});
    QCOMPARE(login->text(), QStringLiteral("car"));
    QCOMPARE(login->getCount(), 2);
    QCOMPARE(login->getItemText(1), QStringLiteral("erin"));
}

void ComboBoxQmlAdapterTest::rightClickAndFocusKeysStayInTheWidget()
{
    QML::QComboBoxQmlAdapter* login = adapter(*m_View, "login");
    QML::ComboBox* box = login->comboBox();
    bool menuShown = false;
    // A menu that did open would block in its own loop; close it and remember.
    QTimer closer;
    connect(&closer, &QTimer::timeout, this, [&menuShown] {
        if (QWidget* popup = QApplication::activePopupWidget()) {
            menuShown = true;
            popup->close();
        }
    });
    closer.start(0);
    for (QWidget* target : {static_cast<QWidget*>(box), static_cast<QWidget*>(box->lineEdit())}) {
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), target->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(target, &event);
    }
    QCoreApplication::processEvents();
    QVERIFY(!menuShown);

    QSignalSpy focus(login, &QML::QComboBoxQmlAdapter::focusChanged);
    QSignalSpy tab(login, &QML::QComboBoxQmlAdapter::keyTab);
    QSignalSpy backtab(login, &QML::QComboBoxQmlAdapter::keyBacktab);
    m_View->activateWindow();
    login->setProperty("focus", true);
    QVERIFY(box->hasFocus());
    QVERIFY(focus.count() >= 1);
    QCOMPARE(focus.last().first().toBool(), true);
    QTest::keyClick(box, Qt::Key_Tab);
    QTest::keyClick(box, Qt::Key_Backtab);
    QCOMPARE(tab.count(), 1);
    QCOMPARE(backtab.count(), 1);
    QVERIFY(box->hasFocus());
}

void ComboBoxQmlAdapterTest::emptyListHasNothingToDropDown()
{
    QML::QComboBoxQmlAdapter* login = adapter(*m_View, "login");
    QML::ComboBox* box = login->comboBox();
    QStringListModel names;
    login->setModel(&names);
    QCOMPARE(box->property("hasItems"), QVariant(false));
    box->showPopup();
    QVERIFY(!box->view()->isVisible());

    // A remembered name gives the list something to show.
    names.setStringList({"alice@demo.telvarion.net"});
    QCOMPARE(box->property("hasItems"), QVariant(true));
    box->showPopup();
    QTRY_VERIFY(box->view()->isVisible());
    QCOMPARE(box->view()->model()->index(0, 0).data().toString(), QString("alice@demo.telvarion.net"));
    box->hidePopup();
    names.setStringList({});
    QCOMPARE(box->property("hasItems"), QVariant(false));
}

QTEST_MAIN(ComboBoxQmlAdapterTest)
#include "tst_combo_box_qml_adapter.moc"
