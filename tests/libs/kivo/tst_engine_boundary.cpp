// Product code reaches the engine only through its public faces: no source of the program
// or of the connector includes the simulated service.
#include <QDirIterator>
#include <QRegularExpression>
#include <QtTest>

class EngineBoundaryTest : public QObject
{
    Q_OBJECT

private slots:
    void productCodeIncludesNoSimulationHeader_data();
    void productCodeIncludesNoSimulationHeader();
};

void EngineBoundaryTest::productCodeIncludesNoSimulationHeader_data()
{
    QTest::addColumn<QString>("folder");
    QTest::newRow("program") << QStringLiteral(TELVARION_SOURCE_DIR "/ui");
    QTest::newRow("connector") << QStringLiteral(TELVARION_SOURCE_DIR "/connectors");
}

void EngineBoundaryTest::productCodeIncludesNoSimulationHeader()
{
    QFETCH(QString, folder);
    static const QRegularExpression include(QStringLiteral("^\\s*#\\s*include\\s*[<\"]Kivo/Simulation/"),
                                            QRegularExpression::MultilineOption);
    QStringList offenders;
    int files = 0;
    QDirIterator it(folder, {"*.h", "*.hpp", "*.cpp", "*.cc"}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
        ++files;
        if (include.match(QString::fromUtf8(file.readAll())).hasMatch())
            offenders.append(file.fileName());
    }
    QVERIFY(files > 0);
    QVERIFY2(offenders.isEmpty(), qPrintable(offenders.join(", ")));
}

QTEST_GUILESS_MAIN(EngineBoundaryTest)
#include "tst_engine_boundary.moc"
