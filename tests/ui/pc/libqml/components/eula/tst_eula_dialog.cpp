#include "libqml/components/eula/eula_dialog.h"

#include "../../qml_test_setup.h"
#include "libqml/window/qml_view.h"
#include "support/test_environment.h"

#include <QCoreApplication>
#include <QPointer>
#include <QQuickItem>
#include <QTranslator>
#include <QtTest>

namespace {

// The agreement text arrives as the translation of "EULA".
class AgreementTranslator : public QTranslator
{
public:
    QString translate(const char*, const char* sourceText, const char*, int) const override
    {
        if (qstrcmp(sourceText, "EULA") != 0)
            return QString();
        QString text;
        for (int paragraph = 1; paragraph <= 60; ++paragraph)
            text += QStringLiteral("%1. The licensee shall read this paragraph.\n\n").arg(paragraph);
        return text;
    }

    bool isEmpty() const override { return false; }
};

} // namespace

// The agreement is a single window: every test starts with none.
class EulaDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void oneWindowWithItsTitle();
    void acceptsOnlyOnTheSecondAgree();
    void firstAgreeShowsTheEndOfTheAgreement();
    void cancelConfirmation_data();
    void cancelConfirmation();
    void closingFromTheFrameRefuses();

private:
    QQuickItem* scene() const { return m_Dialog->view()->rootObject(); }

    QScopedPointer<TestSupport::Environment> m_Env;
    QPointer<QML::EulaDialog> m_Dialog;
};

void EulaDialogTest::initTestCase()
{
    QmlTestSetup::prepare();
    QCoreApplication::setApplicationName("Telvarion");
}

void EulaDialogTest::init()
{
    m_Env.reset(new TestSupport::Environment);
    m_Dialog = QML::EulaDialog::instance();
    QVERIFY(m_Dialog->isLoaded());
    m_Dialog->show();
}

void EulaDialogTest::cleanup()
{
    delete m_Dialog.data();
    m_Env.reset();
}

void EulaDialogTest::oneWindowWithItsTitle()
{
    QCOMPARE(QML::EulaDialog::instance(), m_Dialog.data());
    QCOMPARE(m_Dialog->windowTitle(), QString("End User License Agreement"));
    QCOMPARE(m_Dialog->minimumSize(), QSize(625, 450));
    QCOMPARE(m_Dialog->productName(), QString("Telvarion"));
    delete m_Dialog.data();
    QML::EulaDialog* another = QML::EulaDialog::instance();
    QVERIFY(another);
    delete another;
}

void EulaDialogTest::acceptsOnlyOnTheSecondAgree()
{
    QSignalSpy answer(m_Dialog, &QML::EulaDialog::licenceAccepted);
    QMetaObject::invokeMethod(scene(), "agree");
    QCOMPARE(answer.count(), 0);
    QVERIFY(m_Dialog->isVisible());

    QMetaObject::invokeMethod(scene(), "agree");
    QCOMPARE(answer.count(), 1);
    QCOMPARE(answer.at(0).at(0).toBool(), true);
    QVERIFY(!m_Dialog->isVisible());
    // Closed already: a further close must not answer again.
    m_Dialog->close();
    QCOMPARE(answer.count(), 1);
}

void EulaDialogTest::firstAgreeShowsTheEndOfTheAgreement()
{
    delete m_Dialog.data();
    AgreementTranslator translator;
    QCoreApplication::installTranslator(&translator);
    m_Dialog = QML::EulaDialog::instance();
    m_Dialog->show();
    QCoreApplication::removeTranslator(&translator);

    auto* agreement = scene()->findChild<QQuickItem*>("agreement");
    QVERIFY(agreement);
    QVERIFY(agreement->property("contentHeight").toReal() > agreement->height());
    QVERIFY(!agreement->property("atYEnd").toBool());

    QSignalSpy answer(m_Dialog, &QML::EulaDialog::licenceAccepted);
    QMetaObject::invokeMethod(scene(), "agree");
    QVERIFY(agreement->property("atYEnd").toBool());
    QCOMPARE(answer.count(), 0);
}

void EulaDialogTest::cancelConfirmation_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<bool>("closes");

    QTest::newRow("Yes") << 0 << true;
    QTest::newRow("No") << 1 << false;
}

void EulaDialogTest::cancelConfirmation()
{
    QFETCH(int, button);
    QFETCH(bool, closes);

    QSignalSpy answer(m_Dialog, &QML::EulaDialog::licenceAccepted);
    QMetaObject::invokeMethod(scene(), "cancel");
    QVERIFY(scene()->property("confirming").toBool());

    QMetaObject::invokeMethod(scene(), "answerConfirmation", Q_ARG(QVariant, button));
    QVERIFY(!scene()->property("confirming").toBool());
    QCOMPARE(m_Dialog->isVisible(), !closes);
    QCOMPARE(answer.count(), closes ? 1 : 0);
    if (closes)
        QCOMPARE(answer.at(0).at(0).toBool(), false);
}

void EulaDialogTest::closingFromTheFrameRefuses()
{
    QSignalSpy answer(m_Dialog, &QML::EulaDialog::licenceAccepted);
    // One "I Agree" is not yet an acceptance.
    QMetaObject::invokeMethod(scene(), "agree");
    m_Dialog->close();
    QCOMPARE(answer.count(), 1);
    QCOMPARE(answer.at(0).at(0).toBool(), false);
}

QTEST_MAIN(EulaDialogTest)
#include "tst_eula_dialog.moc"
