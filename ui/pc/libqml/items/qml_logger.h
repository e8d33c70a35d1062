#pragma once

#include <QByteArray>
#include <QQuickItem>
#include <QString>

class QMessageLogContext;

namespace QML {

// Gives QML log records the program's shape: scenes log the text that encode() builds,
// and the Qt message handler hands every message to handleMessage().
class Logger : public QQuickItem
{
    Q_OBJECT

public:
    enum Level { ETrace = 0, EDebug = 1, EInfo = 2, EWarning = 3, EError = 4, EFatal = 5, EUndefined = 6 };
    Q_ENUM(Level)

    // One decoded record.
    class Context
    {
    public:
        void fill(const QMessageLogContext* ctx);
        int getLevel() const;
        void setLevel(int level);

        QString message;
        QByteArray file;
        int line = 0;
        QByteArray function;

    private:
        int m_Level = EUndefined;
    };

    static const QString Marker;

    explicit Logger(QQuickItem* parent = nullptr);

    Q_INVOKABLE QString encode(QML::Logger::Level level, const QString& message) const;
    Q_INVOKABLE QString encode(QML::Logger::Level level, const QString& message, const QString& file, int line,
                               const QString& function) const;

    static bool canDecode(const QString& message);
    static Context decode(const QString& message);
    // True when the message was a record; it has then been logged.
    static bool handleMessage(const QMessageLogContext* qtContext, const QString& message);
};

} // namespace QML
