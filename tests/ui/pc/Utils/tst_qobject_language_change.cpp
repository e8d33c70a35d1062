#include "Utils/qobject_language_change.h"
#include "support/test_environment.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QTest>
#include <QTranslator>

namespace {

// Counts the language changes that reach it; may delete a neighbour on the way.
class Receiver : public QObject
{
public:
    bool event(QEvent* event) override
    {
        if (event->type() == QEvent::LanguageChange) {
            ++languageChanges;
            delete victim;
        }
        return QObject::event(event);
    }

    int languageChanges = 0;
    QPointer<QObject> victim;
};

// The smallest translation file that QTranslator takes as not empty: the magic
// number and a messages block holding one end tag.
const uchar TranslationFile[] = {0x3c, 0xb8, 0x64, 0x18, 0xca, 0xef, 0x9c, 0x95, 0xcd, 0x21, 0x1c,
                                 0xbf, 0x60, 0xa1, 0xbd, 0xdd, 0x69, 0x00, 0x00, 0x00, 0x01, 0x01};

} // namespace

class QObjectLanguageChangeTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void deliversOnceAfterTranslatorInstalled();
    void deletedObjectsAreDropped();
};

void QObjectLanguageChangeTest::cleanup()
{
    Utils::QObjectLanguageChange::destroy();
}

void QObjectLanguageChangeTest::deliversOnceAfterTranslatorInstalled()
{
    TestSupport::Environment env;
    Receiver first;
    Receiver second;
    Utils::QObjectLanguageChange::registerObject(&first);
    Utils::QObjectLanguageChange::registerObject(&first);
    Utils::QObjectLanguageChange::registerObject(&second);

    QTranslator translator;
    QVERIFY(translator.load(TranslationFile, sizeof TranslationFile));
    QVERIFY(!translator.isEmpty());
    QVERIFY(QCoreApplication::installTranslator(&translator));

    QTRY_COMPARE(second.languageChanges, 1);
    QCOMPARE(first.languageChanges, 1);
    QCoreApplication::removeTranslator(&translator);
    QTRY_COMPARE(second.languageChanges, 2);
    QCOMPARE(first.languageChanges, 2);
}

void QObjectLanguageChangeTest::deletedObjectsAreDropped()
{
    TestSupport::Environment env;
    Receiver first;
    auto* second = new Receiver;
    auto* third = new Receiver;
    Utils::QObjectLanguageChange::registerObject(&first);
    Utils::QObjectLanguageChange::registerObject(second);
    Utils::QObjectLanguageChange::registerObject(third);
    delete second;
    // Deleted by an earlier receiver during the very change that would reach it.
    first.victim = third;

    QEvent change(QEvent::LanguageChange);
    QCoreApplication::sendEvent(qApp, &change);
    QTRY_COMPARE(first.languageChanges, 1);
    QVERIFY(first.victim.isNull());

    // A registry made anew after destroy() works the same.
    Utils::QObjectLanguageChange::destroy();
    Utils::QObjectLanguageChange::registerObject(&first);
    QCoreApplication::sendEvent(qApp, &change);
    QTRY_COMPARE(first.languageChanges, 2);
}

QTEST_MAIN(QObjectLanguageChangeTest)
#include "tst_qobject_language_change.moc"
