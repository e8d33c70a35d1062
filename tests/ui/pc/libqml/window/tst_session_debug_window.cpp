#include "libqml/window/session_debug_window.h"

#include "../qml_test_setup.h"
#include "../scene_items.h"
#include "libqml/window/qml_view.h"
#include "support/test_environment.h"

#include <Kivo/Models/SubSessionModel.h>
#include <Kivo/Sessions/SubSession.h>

#include <QPointer>
#include <QQuickItem>
#include <QtTest>

namespace {

void click(QML::View* view, const QString& text)
{
    QQuickItem* label = SceneItems::withText(view->rootObject(), text);
    QVERIFY2(label, qPrintable(text));
    QVERIFY(SceneItems::click(view, label));
}

} // namespace

class SessionDebugWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void showsAndSwitchesSubSessions();
    void dropsADestroyedModel();
};

void SessionDebugWindowTest::initTestCase()
{
    QmlTestSetup::prepare();
}

void SessionDebugWindowTest::showsAndSwitchesSubSessions()
{
    using Kivo::Sessions::SubSession;
    TestSupport::Environment env;
    QPointer<QML::SessionDebugWindow> window = new QML::SessionDebugWindow;
    Kivo::Models::SubSessionModel model;
    SubSession sip(SubSession::Sip, QStringLiteral("sip.example.org"));
    SubSession xmpp(SubSession::Xmpp, QStringLiteral("xmpp.example.org"));
    sip.start();
    model.addSubSession(&sip);
    model.addSubSession(&xmpp);
    window->setModel(&model);
    QVERIFY(window->loadScene());
    window->show();

    QQuickItem* root = window->view()->rootObject();
    QCOMPARE(root->property("sessionModel").value<QObject*>(), &model);
    QVERIFY(SceneItems::withText(root, QStringLiteral("Sessions: 2")));
    QVERIFY(SceneItems::withText(root, QStringLiteral("CurrentHost: xmpp.example.org")));

    click(window->view(), QStringLiteral("Stop"));
    QCOMPARE(sip.getState(), SubSession::Idle);
    QTRY_VERIFY(!SceneItems::withText(root, QStringLiteral("Stop")));
    click(window->view(), QStringLiteral("Start"));
    QCOMPARE(sip.getState(), SubSession::Connected);

    window->close();
    QTRY_VERIFY(window.isNull());
}

void SessionDebugWindowTest::dropsADestroyedModel()
{
    TestSupport::Environment env;
    QML::SessionDebugWindow window;
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    QVERIFY(window.loadScene());
    auto* model = new Kivo::Models::SubSessionModel;
    QSignalSpy changed(&window, &QML::SessionDebugWindow::modelChanged);
    window.setModel(model);
    window.setModel(model);
    QCOMPARE(changed.count(), 1);
    delete model;
    QCOMPARE(changed.count(), 2);
    QCOMPARE(window.sessionModel(), nullptr);
}

QTEST_MAIN(SessionDebugWindowTest)
#include "tst_session_debug_window.moc"
