#pragma once

// What a person at the screen does, for the journey test: finds what to click by its name
// in a window's scene, clicks where it is drawn, types into whatever has the keyboard
// focus, and closes windows from their frame. Each step returns false, with a warning
// that says why, when the screen does not offer it:
//
//     QVERIFY(Journey::User::click(login, "signinButton"));
//     QVERIFY(Journey::User::type("alice"));

#include <QString>
#include <QStringList>
#include <Qt>

class QQuickItem;
class QQuickWidget;
class QWidget;

namespace QML {
class Window;
}

namespace Journey {

class User
{
public:
    // The shown item of the window's scene with that object name; null when there is none.
    static QQuickItem* item(const QML::Window* window, const QString& name);
    // The text an item of the scene shows or holds.
    static QString text(const QML::Window* window, const QString& name);

    // A window made of several scenes (the panes of a communications window): the shown item
    // with that name in whichever of its shown panes holds it, and the pane; null when none.
    static QQuickItem* paneItem(const QWidget* window, const QString& name, QQuickWidget** pane = nullptr);
    static QString paneText(const QWidget* window, const QString& name);
    // A left click on the middle of the named item in the pane that shows it.
    static bool clickInPane(QWidget* window, const QString& name);

    // Brings the window to the front and makes it the active one, as a click on it would.
    static bool activate(QWidget* window);
    // A left click on the middle of the named item, as drawn; a widget shown over the scene
    // there (a combo box) receives it, as it would from the mouse.
    static bool click(QML::Window* window, const QString& name);
    // A double click (each press released) and a right click on the middle of the named item.
    static bool doubleClick(QML::Window* window, const QString& name);
    static bool rightClick(QML::Window* window, const QString& name);
    // Rests the pointer on the item's centre.
    static bool hover(QML::Window* window, const QString& name);
    // Presses on one item, moves the mouse in steps as a hand would, and lets go on the other.
    static bool drag(QML::Window* window, const QString& from, const QString& to);
    // Picks the entries of the open pop-up menu by their texts, a submenu's title first and
    // then the entry in it.
    static bool choose(const QStringList& entries);
    // Keys go where the keyboard focus is, whatever the test expects.
    static bool type(const QString& text);
    static bool press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    // The frame's close button: the window system's close request, not a call of close().
    static bool closeFromFrame(QWidget* window);
};

} // namespace Journey
