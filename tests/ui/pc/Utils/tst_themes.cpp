#include "Utils/file_utils.h"
#include "Utils/themes.h"
#include "common/constants.h"
#include "support/test_environment.h"

#include <Kivo/Settings.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

void touch(const QString& path, const QByteArray& content = "x")
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

} // namespace

class ThemesTest : public QObject
{
    Q_OBJECT

private slots:
    void themeNameFromPath_data();
    void themeNameFromPath();
    void defaultsWhenNothingStored();
    void findsThemeInDataFolderOnly();
    void cpDirSkipsExcludedNames();
    void cpDirFailsOnlyForUncreatableFolder();
    void findsProfileFolderBesideDataFolder();
};

void ThemesTest::themeNameFromPath_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("name");
    QTest::newRow("resources file") << "/opt/app/themes/dark/resources.rcc" << "dark";
    QTest::newRow("description file") << "C:/app/themes/blue/description.xml" << "blue";
    QTest::newRow("plain name") << "dark" << "dark";
    QTest::newRow("other file in theme") << "/opt/app/themes/dark/other.rcc" << "/opt/app/themes/dark/other.rcc";
    QTest::newRow("no themes folder") << "/opt/app/dark/resources.rcc" << "/opt/app/dark/resources.rcc";
}

void ThemesTest::themeNameFromPath()
{
    QFETCH(QString, stored);
    QFETCH(QString, name);
    QCOMPARE(Utils::Themes::themeNameFromPath(stored), name);
}

void ThemesTest::defaultsWhenNothingStored()
{
    TestSupport::Environment env;
    QTemporaryDir defaults;
    Kivo::Settings::setPath(Kivo::Settings::DefaultSettings, defaults.path());
    QCOMPARE(Utils::Themes::defaultTheme(), QString("default"));
    QCOMPARE(Utils::Themes::activeTheme(), QString("default"));

    Kivo::Settings(Kivo::Settings::DefaultSettings).setValue(Constants::SettingsKey::DefaultsTheme, "brand");
    QCOMPARE(Utils::Themes::activeTheme(), QString("brand"));
    Utils::Themes::setActiveTheme("dark");
    QCOMPARE(Utils::Themes::activeTheme(), QString("dark"));
}

void ThemesTest::findsThemeInDataFolderOnly()
{
    TestSupport::Environment env;
    const QString file = env.dataPath() + "/themes/mine/resources.rcc";
    QVERIFY(Utils::Themes::themeResourcesPath("mine").isEmpty());
    touch(file);
    QCOMPARE(Utils::Themes::themeResourcesPath("mine"), QFileInfo(file).canonicalFilePath());
    QVERIFY(Utils::Themes::themeResourcesPath("").isEmpty());
    QCOMPARE(Utils::Themes::themeFolders("", true).last(), env.dataPath() + "/themes");
}

void ThemesTest::cpDirSkipsExcludedNames()
{
    QTemporaryDir root;
    const QString source = root.filePath("old");
    touch(source + "/credentials.dat");
    touch(source + "/notes.txt");
    touch(source + "/a.txt.bak");
    touch(source + "/logs/app.log");
    touch(source + "/logs/readme.txt");
    touch(root.filePath("new/existing.ini"), "mine");
    touch(source + "/existing.ini", "theirs");
    // A link back to the folder itself must not make the copy run away.
    QVERIFY(QFile::link(source, source + "/loop"));

    QVERIFY(Utils::File::cpDir(source, root.filePath("new"), {".txt"}));

    QDir target(root.filePath("new"));
    QVERIFY(target.exists("credentials.dat"));
    QVERIFY(target.exists("logs/app.log"));
    QVERIFY(!target.exists("notes.txt"));
    QVERIFY(!target.exists("a.txt.bak"));
    QVERIFY(!target.exists("logs/readme.txt"));
    QVERIFY(!target.exists("loop"));
    QFile existing(target.filePath("existing.ini"));
    QVERIFY(existing.open(QIODevice::ReadOnly));
    QCOMPARE(existing.readAll(), QByteArray("mine"));
}

void ThemesTest::cpDirFailsOnlyForUncreatableFolder()
{
    QTemporaryDir root;
    touch(root.filePath("blocker"));
    QVERIFY(!Utils::File::cpDir(root.filePath("missing-source"), root.filePath("blocker/target"), {}));
    QVERIFY(Utils::File::cpDir(root.filePath("missing-source"), root.filePath("made"), {}));
    QVERIFY(QDir(root.filePath("made")).exists());
}

void ThemesTest::findsProfileFolderBesideDataFolder()
{
    QTemporaryDir root;
    touch(root.filePath("Telvarion/credentials.dat"));
    touch(root.filePath("Other/settings.ini"));
    touch(root.filePath("Old Name/credentials.dat"));
    touch(root.filePath("plain-file"));

    QCOMPARE(Utils::File::findProfileFolder(root.path(), "credentials.dat", {"Telvarion"}),
             root.filePath("Old Name"));
    QVERIFY(Utils::File::findProfileFolder(root.path(), "credentials.dat", {"Telvarion", "Old Name"}).isEmpty());
    QVERIFY(Utils::File::findProfileFolder(root.filePath("plain-file"), "credentials.dat", {}).isEmpty());
}

QTEST_GUILESS_MAIN(ThemesTest)
#include "tst_themes.moc"
