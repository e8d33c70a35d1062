#pragma once

#include "libqml/window/qml_window.h"

#include <QPointer>
#include <QRect>

class QAbstractItemModel;
class QItemSelectionModel;

namespace Dialogs {
class TeamTelephonyCloseDialog;
}
namespace Kivo {
namespace Models {
class BlfContactsSort;
class SelectionHandler;
} // namespace Models
namespace Sessions {
class SessionManagerBase;
}
} // namespace Kivo
namespace Providers {
class Factory;
}
namespace Utils {
class BlfCallAlertHandler;
class BlfContactsDragDropHandler;
class BlfSelectionHandler;
class CommunicationsWindowManager;
} // namespace Utils

namespace QML {

// The "Team Telephony" window: a narrow list of the team members whose lines the user
// monitors, each with its line's state; a ringing line blinks, can be picked up, rings the
// team alert and brings the window forward. Calls dragged onto a member are transferred.
// Closing only hides it (after a confirmation the user can switch off).
class BlfWindow : public Window
{
    Q_OBJECT
    Q_PROPERTY(QObject* menuHandler READ menuHandler CONSTANT)
    Q_PROPERTY(bool allowPickup READ allowPickup CONSTANT)

public:
    static constexpr const char* Scene = "qrc:/windows/MainWindow/Blf/BlfContainer.qml";
    static constexpr int WindowWidth = 250;
    static constexpr int RowHeight = 26;
    static constexpr int MinimumRows = 6;
    static constexpr int MaximumRows = 20;
    // Configuration items: transfer by drag and drop, the caller's name on a ringing line,
    // pick-up from the window.
    static constexpr int TransferByDragItem = 74;
    static constexpr int CallerNameItem = 154;
    static constexpr int PickupItem = 155;

    // `monitoredContacts` is the contact list's model of monitored contacts; the window
    // follows the incoming-call ringer of the communications manager's call helper.
    BlfWindow(QAbstractItemModel* monitoredContacts, Kivo::Sessions::SessionManagerBase* session, QObject* menuHandler,
              Providers::Factory* factory, Utils::CommunicationsWindowManager* commsManager, bool alwaysOnTop,
              bool transferByDrag, QWidget* parent = nullptr);
    ~BlfWindow() override;

    // Makes the window for the session the way the main window does: over the monitored
    // contacts, with the user's always-on-top choice and the configuration's transfer
    // switch; then places it beside `mainWindow`, shows or hides it by the user's settings,
    // and deletes it together with `mainWindow`.
    static BlfWindow* createBeside(QWidget* mainWindow, Kivo::Sessions::SessionManagerBase* session,
                                   QObject* menuHandler, Providers::Factory* factory,
                                   Utils::CommunicationsWindowManager* commsManager);

    QObject* menuHandler() const { return m_MenuHandler; }
    bool allowPickup() const { return m_AllowPickup; }
    Utils::BlfCallAlertHandler* alertHandler() const { return m_AlertHandler; }
    Utils::BlfContactsDragDropHandler* dragDropHandler() const { return m_DragDropHandler; }
    // The close confirmation while it is open.
    Dialogs::TeamTelephonyCloseDialog* closeDialog() const;

    // Beside the main window's frame, on the screen that shows it (else the primary one);
    // only while the window is not shown.
    void placeBeside(const QRect& frame);
    void placeBeside(const QRect& frame, const QRect& available);
    void applySettings();
    // 0 sorts by first name, 1 by last name.
    void changePrimarySortField(int field);
    // The incoming-call ringer of the user's own calls silences the team alert while it
    // sounds: `callHelper` emits playingIncomingCallAlert() and stoppingIncomingCallAlert().
    bool followIncomingRinger(QObject* callHelper);

    // Where a window of `size` goes beside `frame`: right of it, or left when it would leave
    // the available area, then kept inside that area.
    static QPoint besidePosition(const QRect& frame, const QSize& size, const QRect& available);
    // `position` moved just enough for a window of `size` to lie inside `available`.
    static QPoint clampedPosition(const QPoint& position, const QSize& size, const QRect& available);

    QSize minimumWindowSize() const override;
    QSize maximumWindowSize() const override;

    Q_INVOKABLE void setWindowHeight(int height);
    Q_INVOKABLE void moveSelection(bool up);
    Q_INVOKABLE void pickupBlfCall(QObject* contact);
    Q_INVOKABLE QString getBlfAlertedContactTooltip(int blfContactId) const;

public slots:
    void hideWindow();
    void onAlertWindow(bool alert);
    void repositionOnDesktopResized();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void handleCloseWindowEvent();
    QRect availableGeometry() const;
    void retranslate();

    QPointer<Kivo::Sessions::SessionManagerBase> m_Session;
    QPointer<QObject> m_MenuHandler;
    QPointer<Providers::Factory> m_Factory;
    Kivo::Models::SelectionHandler* m_SelectionModel;
    Utils::BlfSelectionHandler* m_SelectionHandler;
    Utils::BlfContactsDragDropHandler* m_DragDropHandler;
    Utils::BlfCallAlertHandler* m_AlertHandler;
    Kivo::Models::BlfContactsSort* m_Sort;
    bool m_AllowPickup;
    QPointer<Dialogs::TeamTelephonyCloseDialog> m_CloseDialog;
    // The main window's frame the window was last placed beside, for its screen.
    QRect m_MainFrame;
};

} // namespace QML
