#pragma once

#include "Models/positioned_entries.h"

#include <QAbstractListModel>
#include <QPointer>

namespace Models {

// The view buttons on the left edge of the main window: which exist and in which order
// the service configuration says; the view shown last is restored at the next sign-in.
class LeftPaneButtonsModel : public QAbstractListModel
{
    Q_OBJECT
    // Written by the scene whenever the user switches views; stored only when the model goes.
    Q_PROPERTY(int lastActiveView READ lastActiveView WRITE setLastActiveView)

public:
    enum LeftPaneButtonType
    {
        ContactsButton = 0,
        RoomsButton = 1,
        HistoryButton = 2,
        DialpadButton = 3,
        DirectoryButton = 4,
        WebButton = 5
    };
    Q_ENUM(LeftPaneButtonType)

    static constexpr int ButtonTypeRole = 291;
    static constexpr int PositionRole = 359;

    // Configuration items: the default view, the positions of the buttons (in type order)
    // and what offers the rooms, directory and web buttons.
    static constexpr int DefaultViewItem = 16;
    static constexpr int FirstPositionItem = 17;
    static constexpr int MyRoomItem = 62;
    static constexpr int ProjectRoomsItem = 63;
    static constexpr int DirectoryItem = 151;
    static constexpr int WebButtonItem = 411;

    explicit LeftPaneButtonsModel(const Kivo::Configuration::Config* config, QObject* parent = nullptr);
    ~LeftPaneButtonsModel() override;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    int lastActiveView() const { return m_LastActiveView; }
    void setLastActiveView(int type) { m_LastActiveView = type; }

    Q_INVOKABLE QString getToolTip(Models::LeftPaneButtonsModel::LeftPaneButtonType type) const;
    Q_INVOKABLE QString getConfDefaultButtonAsString() const;
    // 0 (contacts) when no button has the name.
    Q_INVOKABLE int confNameToButtonType(const QString& name) const;

private:
    QString initialViewName() const;

    QPointer<const Kivo::Configuration::Config> m_Config;
    QVector<PositionedEntry> m_Buttons;
    int m_LastActiveView = ContactsButton;
};

} // namespace Models
