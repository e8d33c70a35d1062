#include "Models/left_pane_buttons_model.h"

#include "common/constants.h"

#include <Kivo/Configuration/Config.h>
#include <Kivo/Settings.h>

namespace Models {

namespace {

using Model = LeftPaneButtonsModel;

struct ButtonKind
{
    const char* name;
    const char* icon;
    const char* toolTip;
};

// By button type.
const ButtonKind Kinds[] = {
    {"contacts", "qrc:/windows/MainWindow/lp_contacts", QT_TRANSLATE_NOOP("Models::LeftPaneButtonsModel", "Contacts")},
    {"rooms", "qrc:/windows/MainWindow/lp_ownroom", nullptr},
    {"history", "qrc:/windows/MainWindow/lp_history",
     QT_TRANSLATE_NOOP("Models::LeftPaneButtonsModel", "Communication History")},
    {"dialpad", "qrc:/windows/MainWindow/lp_dialpad", QT_TRANSLATE_NOOP("Models::LeftPaneButtonsModel", "Dialpad")},
    {"directory", "qrc:/windows/MainWindow/lp_directory",
     QT_TRANSLATE_NOOP("Models::LeftPaneButtonsModel", "Directory")},
    {"web-button", "qrc:/windows/MainWindow/lp_extapp", nullptr},
};
constexpr int KindCount = int(sizeof(Kinds) / sizeof(Kinds[0]));

const ButtonKind* kindOf(int type)
{
    return type >= 0 && type < KindCount ? &Kinds[type] : nullptr;
}

} // namespace

LeftPaneButtonsModel::LeftPaneButtonsModel(const Kivo::Configuration::Config* config, QObject* parent)
    : QAbstractListModel(parent)
    , m_Config(config)
{
    if (!config)
        return;
    const auto on = [config](int item) { return config->value(item).toBool(); };
    QVector<PositionCandidate> candidates;
    const bool offered[KindCount] = {true, on(MyRoomItem) || on(ProjectRoomsItem), true, true, on(DirectoryItem),
                                     on(WebButtonItem)};
    for (int type = 0; type < KindCount; ++type)
        candidates.append({type, Kinds[type].name, FirstPositionItem + type, offered[type]});
    m_Buttons = placeEntries(*config, candidates);
    if (!m_Buttons.isEmpty())
        m_LastActiveView = confNameToButtonType(initialViewName());
}

LeftPaneButtonsModel::~LeftPaneButtonsModel()
{
    const PositionedEntry* last = entryOfType(m_Buttons, m_LastActiveView);
    Kivo::Settings(Kivo::Settings::UserSettings)
        .setValue(Constants::SettingsKey::MainWindowLeftPane, last ? last->name : QString());
}

QString LeftPaneButtonsModel::initialViewName() const
{
    const QString configured = getConfDefaultButtonAsString();
    QString name = Kivo::Settings(Kivo::Settings::UserSettings)
                       .value(Constants::SettingsKey::MainWindowLeftPane)
                       .toString();
    if (name.isEmpty())
        name = configured;
    if (!entryNamed(m_Buttons, name))
        name = m_Buttons.first().name;
    // Without project rooms the rooms button starts My Room instead of showing a view.
    const PositionedEntry* named = entryNamed(m_Buttons, name);
    if (named && named->type == RoomsButton && !m_Config->value(ProjectRoomsItem).toBool()) {
        if (configured != name && entryNamed(m_Buttons, configured)) {
            name = configured;
        } else {
            for (const PositionedEntry& button : m_Buttons) {
                if (button.name != name) {
                    name = button.name;
                    break;
                }
            }
        }
    }
    return name;
}

int LeftPaneButtonsModel::rowCount(const QModelIndex&) const
{
    return m_Buttons.size();
}

QVariant LeftPaneButtonsModel::data(const QModelIndex& index, int role) const
{
    if (index.row() < 0 || index.row() >= m_Buttons.size())
        return QVariant();
    const PositionedEntry& button = m_Buttons.at(index.row());
    switch (role) {
    case Qt::DisplayRole: {
        const ButtonKind* kind = kindOf(button.type);
        return kind ? QString::fromLatin1(kind->icon) : QString();
    }
    case Qt::ToolTipRole:
        return getToolTip(LeftPaneButtonType(button.type));
    case ButtonTypeRole:
        return button.type;
    case PositionRole:
        return button.position;
    default:
        return QVariant();
    }
}

QHash<int, QByteArray> LeftPaneButtonsModel::roleNames() const
{
    QHash<int, QByteArray> names = QAbstractListModel::roleNames();
    names.insert(ButtonTypeRole, "buttonType");
    return names;
}

QString LeftPaneButtonsModel::getToolTip(LeftPaneButtonType type) const
{
    const ButtonKind* kind = kindOf(type);
    return kind && kind->toolTip ? tr(kind->toolTip) : QString();
}

QString LeftPaneButtonsModel::getConfDefaultButtonAsString() const
{
    return m_Config ? m_Config->value(DefaultViewItem).toString() : QString();
}

int LeftPaneButtonsModel::confNameToButtonType(const QString& name) const
{
    const PositionedEntry* button = entryNamed(m_Buttons, name);
    return button ? button->type : ContactsButton;
}

} // namespace Models
