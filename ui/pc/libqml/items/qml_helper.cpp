#include "libqml/items/qml_helper.h"

#include "Utils/actions_helper.h"
#include "Utils/string_helper.h"

#include <Kivo/Actions/Provider.h>
#include <Kivo/Contacts/IGroup.h>
#include <Kivo/Models/TimelineEntry.h>
#include <Kivo/Services/PresenceRulesData.h>

#include <QDomDocument>
#include <QFile>
#include <QLocale>
#include <QMetaEnum>
#include <QRegularExpression>
#include <QTextDocument>

#include <algorithm>
#include <cmath>

namespace QML {

namespace {

const QString PresencePath = QStringLiteral("qrc:/presence/");
const QString BlfPath = QStringLiteral("qrc:/windows/TeamTelephony/");
const QString HistoryPath = QStringLiteral("qrc:/windows/MainWindow/History/");

// Engine values the helper relies on.
constexpr int BusyForDoNotDisturb = 17;
constexpr int DoNotDisturbBusy = 18;
constexpr int CallEntry = 0;
constexpr int VoiceMailEntry = 2;
constexpr int IncomingDirection = 1;

void fillContactIcons(QMap<int, QString>& icons, const QString& size)
{
    const auto icon = [&size](const char* name) {
        return PresencePath + QStringLiteral("presence_%1_%2.png").arg(QLatin1String(name), size);
    };
    icons.insert(1, icon("pending"));
    for (int value : {2, 3})
        icons.insert(value, icon("inactive"));
    for (int value : {4, 5, 6})
        icons.insert(value, icon("away"));
    icons.insert(7, icon("present"));
    icons.insert(8, icon("ondesk"));
    icons.insert(9, icon("onmobile"));
    icons.insert(10, icon("present"));
    icons.insert(11, icon("busy"));
    for (int value : {12, 13})
        icons.insert(value, icon("inmeeting"));
    for (int value : {14, 15})
        icons.insert(value, icon("incall"));
    for (int value : {16, 17, 18})
        icons.insert(value, icon("busy"));
    icons.insert(19, icon("dnd"));
}

void fillOwnIcons(QMap<int, QString>& icons)
{
    const auto icon = [](const char* name) {
        return PresencePath + QStringLiteral("ownpresence_%1.png").arg(QLatin1String(name));
    };
    for (int value : {0, 2, 3})
        icons.insert(value, icon("offline"));
    for (int value : {4, 5, 6})
        icons.insert(value, icon("away"));
    icons.insert(7, icon("online"));
    icons.insert(8, icon("onlineondesk"));
    icons.insert(9, icon("onlineonmobile"));
    icons.insert(10, icon("online"));
    icons.insert(11, icon("busy"));
    for (int value : {12, 13})
        icons.insert(value, icon("busyinmeeting"));
    for (int value : {14, 15})
        icons.insert(value, icon("busyincall"));
    for (int value : {16, 17, 18, 19})
        icons.insert(value, icon("busy"));
}

QString formatDuration(const QTime& time)
{
    if (!time.isValid())
        return QString();
    if (time.hour() == 0)
        return time.toString(QStringLiteral("mm:ss"));
    return time.toString(Qt::TextDate);
}

} // namespace

QmlHelper::QmlHelper(QObject* parent)
    : QObject(parent)
{
    fillContactIcons(m_SmallPresenceIcons, QStringLiteral("small"));
    fillContactIcons(m_LargePresenceIcons, QStringLiteral("large"));
    fillOwnIcons(m_OwnPresenceIcons);
    m_BlfIcons.insert(1, BlfPath + QStringLiteral("blf_offline.png"));
    m_BlfIcons.insert(2, BlfPath + QStringLiteral("blf_available.png"));
    m_BlfIcons.insert(3, BlfPath + QStringLiteral("blf_ringing.png"));
    m_BlfIcons.insert(4, BlfPath + QStringLiteral("blf_ringing.png"));
    m_BlfIcons.insert(5, BlfPath + QStringLiteral("blf_incall.png"));
}

bool QmlHelper::checkResource(const QString& url) const
{
    if (url.startsWith(QLatin1String("qrc:/")))
        return QFile::exists(url.mid(3));
    return QFile::exists(url);
}

QString QmlHelper::modifyStyle(const QString& text, const QString& searchText, const QString& style) const
{
    const bool rich = Qt::mightBeRichText(text);
    const auto escaped = [rich](const QString& part) { return rich ? part.toHtmlEscaped() : part; };
    if (searchText.isEmpty() || !text.contains(searchText, Qt::CaseInsensitive))
        return escaped(text);

    // Matches are found in the plain text and escaped piece by piece: a search for "t" must
    // not land inside the "&lt;" of an escaped name. Every match shows as the first one does.
    int at = text.indexOf(searchText, 0, Qt::CaseInsensitive);
    const QString highlighted =
        QStringLiteral("<span style=\"%1\">%2</span>").arg(style, escaped(text.mid(at, searchText.length())));
    QString result;
    int from = 0;
    for (; at >= 0; at = text.indexOf(searchText, from, Qt::CaseInsensitive)) {
        result += escaped(text.mid(from, at - from)) + highlighted;
        from = at + searchText.length();
    }
    return result + escaped(text.mid(from));
}

QString QmlHelper::formatTime(const QDateTime& dateTime) const
{
    return Utils::StringHelper::timeToString(dateTime.time());
}

QString QmlHelper::formatDateTime(const QDateTime& dateTime) const
{
    if (!dateTime.isValid())
        return QString();
    return tr("%1 %2", "Date and time")
        .arg(QLocale().toString(dateTime.date(), QLocale::NarrowFormat), formatTime(dateTime));
}

QString QmlHelper::formatHistoryEntryTime(const QDateTime& dateTime) const
{
    if (!dateTime.isValid())
        return QString();
    // The day as the user's clock has it, whatever zone the service gave the time in.
    const QDateTime local = dateTime.toLocalTime();
    const QDate today = QDate::currentDate();
    if (local.date() == today)
        return tr("Today, %1").arg(formatTime(local));
    if (local.date() == today.addDays(-1))
        return tr("Yesterday, %1").arg(formatTime(local));
    return tr("%1, %2", "History date and time")
        .arg(QLocale().toString(local.date(), QLocale::NarrowFormat), formatTime(local));
}

QString QmlHelper::formatSize(qlonglong bytes) const
{
    return Utils::StringHelper::sizeText(bytes);
}

QString QmlHelper::formatActiveCommsEntryTime(const QTime& time) const
{
    return formatDuration(time);
}

QString QmlHelper::formatHistoryEntryDuration(const QTime& time) const
{
    return formatDuration(time);
}

QString QmlHelper::formatHistoryEntryDurationinMsecs(qlonglong milliseconds) const
{
    return formatDuration(QTime(0, 0).addMSecs(static_cast<int>(milliseconds % (24LL * 3600 * 1000))));
}

QString QmlHelper::getHistoryEntrySubTypeString(int subType) const
{
    const QMetaObject& metaObject = Kivo::Models::TimelineEntry::staticMetaObject;
    const QMetaEnum subTypes = metaObject.enumerator(metaObject.indexOfEnumerator("SubType"));
    const char* key = subTypes.valueToKey(subType);
    return key ? tr(key) : QString();
}

QString QmlHelper::stripWhiteSpaceChars(const QString& text) const
{
    static const QRegularExpression whiteSpace(QStringLiteral("[\f|\n|\r|\t|\v]"));
    QString result = text;
    return result.replace(whiteSpace, QStringLiteral(" ")).trimmed();
}

QString QmlHelper::getPresenceIcon(int presence, bool large, bool own) const
{
    if (own)
        return m_OwnPresenceIcons.value(presence);
    if (presence == DoNotDisturbBusy)
        presence = BusyForDoNotDisturb;
    return (large ? m_LargePresenceIcons : m_SmallPresenceIcons).value(presence);
}

QString QmlHelper::getPresenceIcon(int presence, bool large) const
{
    return getPresenceIcon(presence, large, false);
}

QString QmlHelper::getTooltip(int actionId, QObject* provider) const
{
    return Utils::ActionsHelper::actionText(actionId, qobject_cast<Kivo::Actions::Provider*>(provider), false);
}

QString QmlHelper::getGroupName(const QVariant& group) const
{
    const auto* contactGroup = qobject_cast<const Kivo::Contacts::IGroup*>(group.value<QObject*>());
    if (!contactGroup)
        return QString();
    switch (contactGroup->getId()) {
    case Kivo::Contacts::IGroup::AllContactsId:
        return tr("All Contacts");
    case Kivo::Contacts::IGroup::FavoritesId:
        return tr("Favorites");
    default:
        return contactGroup->getName();
    }
}

QString QmlHelper::formatXmlToTree(const QString& xml) const
{
    QDomDocument document(QStringLiteral("data"));
    document.setContent(xml);
    return document.toString(4);
}

QString QmlHelper::getBlfIcon(int state) const
{
    return m_BlfIcons.value(state);
}

QColor QmlHelper::getSaturatedColor(const QColor& color, double factor) const
{
    int hue = 0;
    int saturation = 0;
    int value = 0;
    int alpha = 0;
    color.getHsv(&hue, &saturation, &value, &alpha);
    // A negative or NaN factor would give no valid colour at all; keep the saturation in range.
    const double scaled = saturation * factor;
    const int saturated = std::isnan(scaled) ? saturation : static_cast<int>(std::clamp(scaled, 0.0, 255.0));
    return QColor::fromHsv(hue, saturated, value, alpha);
}

QString QmlHelper::getIconForPresenceRules(int ruleState) const
{
    int presence = Kivo::Services::PresenceRulesData::PresenceStateToIMPState(ruleState);
    // Do not disturb wears the busy icon there, as in the user's own presence menu.
    if (presence == DoNotDisturbBusy + 1)
        presence = DoNotDisturbBusy;
    return getPresenceIcon(presence, false, false);
}

QString QmlHelper::getTimelineStatusImageBase(QObject* entry) const
{
    const auto* timelineEntry = qobject_cast<const Kivo::Models::TimelineEntry*>(entry);
    if (!timelineEntry)
        return QString();
    switch (timelineEntry->getType()) {
    case CallEntry:
        if (timelineEntry->getDirection() == IncomingDirection) {
            return HistoryPath + (timelineEntry->isMissed() ? QStringLiteral("history_missed")
                                                            : QStringLiteral("history_incoming"));
        }
        return HistoryPath + QStringLiteral("history_outgoing");
    case VoiceMailEntry:
        return QStringLiteral("qrc:/windows/options_dotted");
    default:
        return QString();
    }
}

QString QmlHelper::getVoicemailTypeIndicatorImage(QObject* entry) const
{
    const auto* timelineEntry = qobject_cast<const Kivo::Models::TimelineEntry*>(entry);
    if (!timelineEntry || timelineEntry->getType() != VoiceMailEntry)
        return QString();
    switch (timelineEntry->getSubType()) {
    case 0:
        return HistoryPath + QStringLiteral("vm_audio.png");
    case 1:
        return HistoryPath + QStringLiteral("vm_video.png");
    default:
        return HistoryPath + QStringLiteral("vm_fax.png");
    }
}

QString QmlHelper::getSharePanelTooltip(bool panelVisible, bool panelOperational, bool viewing) const
{
    if (panelOperational)
        return panelVisible ? tr("Hide Share Panel") : tr("Show Share Panel");
    return viewing ? tr("Share Active") : tr("Share is View-only");
}

} // namespace QML
