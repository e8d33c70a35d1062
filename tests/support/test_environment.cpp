#include "support/test_environment.h"

#include <Kivo/Settings.h>
#include <Kivo/Utils/Path.h>

#include <QRegularExpression>
#include <QTest>

namespace TestSupport {

namespace {

QtMessageHandler previousHandler = nullptr;
QList<QRegularExpression> expectedWarnings;

bool takeExpectation(const QString& message)
{
    for (int i = 0; i < expectedWarnings.size(); ++i) {
        if (expectedWarnings.at(i).match(message).hasMatch()) {
            expectedWarnings.removeAt(i);
            return true;
        }
    }
    return false;
}

void failOnQmlWarning(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    // QtTest's own handler first: it prints the message and knows about ignoreMessage().
    if (previousHandler)
        previousHandler(type, context, message);
    if (!QmlWarningGuard::isQmlWarning(type, context, message) || takeExpectation(message))
        return;
    if (QTest::currentTestFunction()) {
        const QByteArray text = "QML warning: " + message.toUtf8();
        QTest::qFail(text.constData(), context.file ? context.file : __FILE__,
                     context.file ? context.line : __LINE__);
    }
}

void resetSettingsPaths()
{
    for (int type = 0; type < Kivo::Settings::SettingsTypeCount; ++type)
        Kivo::Settings::setPath(static_cast<Kivo::Settings::SettingsType>(type), QString());
}

} // namespace

QmlWarningGuard::QmlWarningGuard()
    : m_Previous(qInstallMessageHandler(failOnQmlWarning))
{
    // Guards may nest; only the outermost one remembers the handler to chain to.
    if (m_Previous != failOnQmlWarning)
        previousHandler = m_Previous;
}

QmlWarningGuard::~QmlWarningGuard()
{
    qInstallMessageHandler(m_Previous);
    if (m_Previous == failOnQmlWarning)
        return;
    previousHandler = nullptr;
    for (const QRegularExpression& pattern : qAsConst(expectedWarnings)) {
        const QByteArray text = "expected QML warning did not come: " + pattern.pattern().toUtf8();
        QTest::qFail(text.constData(), __FILE__, __LINE__);
    }
    expectedWarnings.clear();
}

void QmlWarningGuard::expect(const QRegularExpression& pattern)
{
    expectedWarnings.append(pattern);
}

bool QmlWarningGuard::isQmlWarning(QtMsgType type, const QMessageLogContext& context,
                                   const QString& message)
{
    if (type != QtWarningMsg && type != QtCriticalMsg)
        return false;
    if (context.file && QByteArray(context.file).endsWith(".qml"))
        return true;
    static const QRegularExpression qmlLocation(
        QStringLiteral("(qrc:/|file:/\\S*\\.qml|\\.qml:\\d+|\\.js:\\d+)"));
    static const QRegularExpression qmlError(QStringLiteral(
        "^QML |QQmlComponent|QDeclarativeComponent|Component is not ready|ReferenceError|"
        "TypeError|Cannot assign|Unable to assign|is not a type|module \".*\" is not installed"));
    return qmlLocation.match(message).hasMatch() || qmlError.match(message).hasMatch();
}

Environment::Environment()
    : Environment(QString())
{
}

Environment::Environment(const QString& dataPath)
    : m_DataPath(dataPath)
    , m_PreviousDataPath(qgetenv(Kivo::Utils::Path::DataPathVariable))
    , m_HadDataPath(qEnvironmentVariableIsSet(Kivo::Utils::Path::DataPathVariable))
{
    if (m_DataPath.isEmpty()) {
        m_DataFolder = std::make_unique<QTemporaryDir>();
        if (!m_DataFolder->isValid())
            qFatal("no temporary data folder: %s", qPrintable(m_DataFolder->errorString()));
        m_DataPath = m_DataFolder->path();
    }
    qputenv(Kivo::Utils::Path::DataPathVariable, m_DataPath.toUtf8());
    resetSettingsPaths();
}

Environment::~Environment()
{
    resetSettingsPaths();
    if (m_HadDataPath)
        qputenv(Kivo::Utils::Path::DataPathVariable, m_PreviousDataPath);
    else
        qunsetenv(Kivo::Utils::Path::DataPathVariable);
}

QString Environment::dataPath() const
{
    return m_DataPath;
}

Tesk::Core::Logging::RecordCapture& Environment::logs()
{
    return m_Logs;
}

void Environment::expectQmlWarning(const QRegularExpression& pattern)
{
    QmlWarningGuard::expect(pattern);
}

} // namespace TestSupport
