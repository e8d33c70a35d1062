#pragma once

#include <QColor>
#include <QDateTime>
#include <QMap>
#include <QObject>
#include <QString>
#include <QTime>
#include <QVariant>

namespace QML {

// Formatting and icon look-ups for the QML scenes; every view publishes its own instance.
class QmlHelper : public QObject
{
    Q_OBJECT

public:
    explicit QmlHelper(QObject* parent = nullptr);

    Q_INVOKABLE bool checkResource(const QString& url) const;
    Q_INVOKABLE QString modifyStyle(const QString& text, const QString& searchText, const QString& style) const;
    Q_INVOKABLE QString formatTime(const QDateTime& dateTime) const;
    Q_INVOKABLE QString formatDateTime(const QDateTime& dateTime) const;
    Q_INVOKABLE QString formatHistoryEntryTime(const QDateTime& dateTime) const;
    Q_INVOKABLE QString formatSize(qlonglong bytes) const;
    Q_INVOKABLE QString formatActiveCommsEntryTime(const QTime& time) const;
    Q_INVOKABLE QString formatHistoryEntryDuration(const QTime& time) const;
    Q_INVOKABLE QString formatHistoryEntryDurationinMsecs(qlonglong milliseconds) const;
    Q_INVOKABLE QString getHistoryEntrySubTypeString(int subType) const;
    Q_INVOKABLE QString stripWhiteSpaceChars(const QString& text) const;
    Q_INVOKABLE QString getPresenceIcon(int presence, bool large, bool own) const;
    Q_INVOKABLE QString getPresenceIcon(int presence, bool large) const;
    Q_INVOKABLE QString getTooltip(int actionId, QObject* provider) const;
    Q_INVOKABLE QString getGroupName(const QVariant& group) const;
    Q_INVOKABLE QString formatXmlToTree(const QString& xml) const;
    Q_INVOKABLE QString getBlfIcon(int state) const;
    Q_INVOKABLE QColor getSaturatedColor(const QColor& color, double factor) const;
    Q_INVOKABLE QString getIconForPresenceRules(int ruleState) const;
    Q_INVOKABLE QString getTimelineStatusImageBase(QObject* entry) const;
    Q_INVOKABLE QString getVoicemailTypeIndicatorImage(QObject* entry) const;
    Q_INVOKABLE QString getSharePanelTooltip(bool panelVisible, bool panelOperational, bool viewing) const;

private:
    QMap<int, QString> m_SmallPresenceIcons;
    QMap<int, QString> m_LargePresenceIcons;
    QMap<int, QString> m_OwnPresenceIcons;
    QMap<int, QString> m_BlfIcons;
};

} // namespace QML
