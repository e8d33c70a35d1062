#include "libqml/items/qml_logger.h"

#include "common/assertions.h"
#include "common/logging.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QVariantMap>

namespace QML {

const QString Logger::Marker = QStringLiteral("5SKawX38bP");

namespace {

const QString LevelKey = QStringLiteral("Level");
const QString MessageKey = QStringLiteral("Message");
const QString FileKey = QStringLiteral("File");
const QString LineKey = QStringLiteral("Line");
const QString FunctionKey = QStringLiteral("Function");

QString encodeRecord(const QVariantMap& record)
{
    return Logger::Marker
        + QString::fromUtf8(QJsonDocument(QJsonObject::fromVariantMap(record)).toJson(QJsonDocument::Compact));
}

} // namespace

void Logger::Context::fill(const QMessageLogContext* ctx)
{
    ASSERT_RETURN(ctx);
    if (file.isEmpty())
        file = QByteArray(ctx->file);
    if (line == 0)
        line = ctx->line;
    if (function.isEmpty())
        function = QByteArray(ctx->function);
}

int Logger::Context::getLevel() const
{
    ASSERT_RETURN_VALUE(m_Level != Logger::EUndefined, EInfo);
    return m_Level;
}

void Logger::Context::setLevel(int level)
{
    if (level == Logger::EUndefined)
        LOG_ERROR << "level != Logger::EUndefined" << " failed";
    m_Level = level;
}

Logger::Logger(QQuickItem* parent)
    : QQuickItem(parent)
{
}

QString Logger::encode(Level level, const QString& message) const
{
    return encodeRecord({{LevelKey, static_cast<int>(level)}, {MessageKey, message}});
}

QString Logger::encode(Level level, const QString& message, const QString& file, int line,
                       const QString& function) const
{
    return encodeRecord({{LevelKey, static_cast<int>(level)},
                         {MessageKey, message},
                         {FileKey, file},
                         {LineKey, line},
                         {FunctionKey, function}});
}

bool Logger::canDecode(const QString& message)
{
    return message.startsWith(Marker);
}

Logger::Context Logger::decode(const QString& message)
{
    Context context;
    ASSERT_RETURN_VALUE(canDecode( message ), context);

    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(message.toUtf8().mid(Marker.toUtf8().size()), &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return context;

    const QVariantMap record = document.object().toVariantMap();
    if (record.contains(LevelKey))
        context.setLevel(record.value(LevelKey).toInt());
    if (record.contains(MessageKey))
        context.message = record.value(MessageKey).toString();
    if (record.contains(FileKey))
        context.file = record.value(FileKey).toString().toLatin1();
    if (record.contains(LineKey))
        context.line = record.value(LineKey).toInt();
    if (record.contains(FunctionKey))
        context.function = record.value(FunctionKey).toString().toLatin1();
    return context;
}

bool Logger::handleMessage(const QMessageLogContext* qtContext, const QString& message)
{
    if (!canDecode(message))
        return false;
    Context context = decode(message);
    if (qtContext)
        context.fill(qtContext);
    Tesk::Core::Logging::ApacheLogger(context.file.constData(), context.line, context.function.constData(),
                                      static_cast<unsigned short>(context.getLevel()),
                                      Common::Logging::QtLogger)
        << context.message;
    return true;
}

} // namespace QML
