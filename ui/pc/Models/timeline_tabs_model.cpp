#include "Models/timeline_tabs_model.h"

#include "common/constants.h"

#include <Kivo/Configuration/Config.h>
#include <Kivo/Models/TimelineFilter.h>
#include <Kivo/Settings.h>

namespace Models {

namespace {

using Filter = Kivo::Models::TimelineFilter;

struct TabKind
{
    const char* icon;
    const char* toolTip;
};

// By filter type: chat, calls, voice mail.
const TabKind Kinds[] = {
    {"qrc:/windows/MainWindow/History/timeline_chat_tab", QT_TRANSLATE_NOOP("Models::TimeLineTabsModel", "Chat")},
    {"qrc:/windows/MainWindow/History/timeline_call_tab", QT_TRANSLATE_NOOP("Models::TimeLineTabsModel", "Calls")},
    {"qrc:/windows/MainWindow/History/timeline_vm_tab", QT_TRANSLATE_NOOP("Models::TimeLineTabsModel", "VoiceMail")},
};
constexpr int KindCount = int(sizeof(Kinds) / sizeof(Kinds[0]));

const TabKind* kindOf(int type)
{
    return type >= 0 && type < KindCount ? &Kinds[type] : nullptr;
}

} // namespace

TimeLineTabsModel::TimeLineTabsModel(const Kivo::Configuration::Config* config, QObject* parent)
    : QAbstractListModel(parent)
{
    if (!config)
        return;
    m_Tabs = placeEntries(*config, {
                                       {Filter::Call, "calls", CallsPositionItem, true},
                                       {Filter::Chat, "chat", ChatPositionItem, config->value(ChatItem).toBool()},
                                       {Filter::VoiceMail, "voicemail", VoiceMailPositionItem,
                                        config->value(VoiceMailItem).toBool()},
                                   });
}

int TimeLineTabsModel::rowCount(const QModelIndex&) const
{
    return m_Tabs.size();
}

QVariant TimeLineTabsModel::data(const QModelIndex& index, int role) const
{
    if (index.row() < 0 || index.row() >= m_Tabs.size())
        return QVariant();
    const PositionedEntry& tab = m_Tabs.at(index.row());
    switch (role) {
    case Qt::DisplayRole: {
        const TabKind* kind = kindOf(tab.type);
        return kind ? QString::fromLatin1(kind->icon) : QString();
    }
    case FilterTypeRole:
        return tab.type;
    case PositionRole:
        return tab.position;
    default:
        return QVariant();
    }
}

QHash<int, QByteArray> TimeLineTabsModel::roleNames() const
{
    QHash<int, QByteArray> names = QAbstractListModel::roleNames();
    names.insert(FilterTypeRole, "filterType");
    return names;
}

QString TimeLineTabsModel::getToolTip(int row) const
{
    const TabKind* kind = kindOf(typeAt(row));
    return kind ? tr(kind->toolTip) : QString();
}

int TimeLineTabsModel::typeAt(int row) const
{
    if (row >= 0 && row < m_Tabs.size())
        return m_Tabs.at(row).type;
    return m_Tabs.isEmpty() ? 0 : m_Tabs.first().type;
}

QString TimeLineTabsModel::nameOfType(int type) const
{
    const PositionedEntry* tab = entryOfType(m_Tabs, type);
    return tab ? tab->name : QString();
}

int TimeLineTabsModel::initialFilterType() const
{
    const QString first = m_Tabs.isEmpty() ? QString() : m_Tabs.first().name;
    QString name = Kivo::Settings(Kivo::Settings::UserSettings)
                       .value(Constants::SettingsKey::TimelineFilterFlag, first)
                       .toString();
    if (!entryNamed(m_Tabs, name))
        name = first;
    const PositionedEntry* tab = entryNamed(m_Tabs, name);
    return tab ? tab->type : 0;
}

} // namespace Models
