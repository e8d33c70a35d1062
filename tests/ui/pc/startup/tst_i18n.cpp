#include "i18n.h"
#include "support/test_environment.h"

#include "Utils/registry.h"

#include <QCoreApplication>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>

class I18nTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void loadsAllowedCompleteEntries();
    void brokenListChangesNothing();
    void installerLanguage();
    void formatsFollowTheLanguage_data();
    void formatsFollowTheLanguage();

private:
    QString writeList(const QByteArray& json);

    QTemporaryDir m_Folder;
};

void I18nTest::initTestCase()
{
    qputenv("TELVARION_REGISTRY_FILE", m_Folder.filePath("registry.ini").toUtf8());
    QCoreApplication::setOrganizationName("Marlowane");
    QCoreApplication::setApplicationName("Telvarion");
}

void I18nTest::cleanupTestCase()
{
    qunsetenv("TELVARION_REGISTRY_FILE");
}

QString I18nTest::writeList(const QByteArray& json)
{
    static int count = 0;
    const QString path = m_Folder.filePath(QString("languages%1.json").arg(++count));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(json);
    return path;
}

void I18nTest::loadsAllowedCompleteEntries()
{
    TestSupport::Environment env;
    I18N::loadLanguages(writeList(R"({
        "de": ["1031", "Deutsch", "extra"],
        "en": ["1033", "English"],
        "pt": ["1046", "Português"],
        "EN": ["9", "Wrong case"],
        "ja": ["1041"],
        "ko": [],
        "fr": "not a list",
        "zh_CN": ["2052", "简体中文"]
    })"));

    const QMap<QString, QString> languages = I18N::languages();
    QCOMPARE(languages.keys(), QStringList({"de", "en", "zh_CN"}));
    QCOMPARE(languages.value("zh_CN"), QString::fromUtf8("简体中文"));
    QCOMPARE(env.logs().count("Skipping the language", 3), 3);
}

void I18nTest::brokenListChangesNothing()
{
    TestSupport::Environment env;
    const QMap<QString, QString> before = I18N::languages();
    I18N::loadLanguages(writeList("{ \"de\": [\"1031\", "));
    I18N::loadLanguages(m_Folder.filePath("missing.json"));
    QCOMPARE(I18N::languages(), before);
    QVERIFY(env.logs().contains("is no JSON object", 4));
}

void I18nTest::installerLanguage()
{
    TestSupport::Environment env;
    I18N::loadLanguages(writeList(R"({"de": ["1031", "Deutsch"], "en": ["1033", "English"]})"));
    const Utils::Registry key(I18N::installerRegistryPath());
    QCOMPARE(I18N::installerRegistryPath(), QString("HKEY_CURRENT_USER\\Software\\Marlowane\\Telvarion"));

    QVERIFY(I18N::getInstallerLanguage().isEmpty());
    I18N::setInstallerLanguage("de");
    QCOMPARE(key.value("Installer Language"), QString("1031"));
    QCOMPARE(I18N::getInstallerLanguage(), QString("de"));
    QVERIFY(env.logs().contains("Registry path for installer is: HKEY_CURRENT_USER\\Software\\Marlowane\\Telvarion "
                                "lang: de code: 1031"));

    I18N::setInstallerLanguage("pt");
    QVERIFY(key.contains("Installer Language"));
    QCOMPARE(key.value("Installer Language"), QString());
    QVERIFY(I18N::getInstallerLanguage().isEmpty());

    Utils::Registry(I18N::installerRegistryPath()).setValue("Installer Language", "4242");
    QVERIFY(I18N::getInstallerLanguage().isEmpty());
}

QTEST_GUILESS_MAIN(I18nTest)
void I18nTest::formatsFollowTheLanguage_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("locale");
    const QLocale system = QLocale::system();
    const QString own = system.language() == QLocale::C ? QString("en") : system.name().left(2);
    QTest::newRow("the system's own language keeps its country") << own << system.name();
    const QString other = system.language() == QLocale::German ? "fr" : "de";
    QTest::newRow("another language brings its own") << other << QLocale(other).name();
}

void I18nTest::formatsFollowTheLanguage()
{
    QFETCH(QString, code);
    QFETCH(QString, locale);
    I18N::useLocaleOf(code);
    const QLocale chosen;
    QLocale::setDefault(QLocale::system());
    QCOMPARE(chosen.name(), locale);
}

#include "tst_i18n.moc"
