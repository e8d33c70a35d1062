#pragma once

#include <QList>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QSize>

class QWidget;

namespace Utils {

// Closes the managed windows on sign-out and deletes them when the session closes;
// its statics decide where windows appear on the desktop. Rectangles use inclusive
// right and bottom edges, as QRect does.
class WindowManager : public QObject
{
    Q_OBJECT

public:
    explicit WindowManager(QObject* parent = nullptr);
    ~WindowManager() override;

    // The process-wide manager that windows register with, or null before it exists.
    static WindowManager* instance();

    // The top-level window whose screen the placement statics use: the one set here, else
    // the application's main window; may be null.
    static void setMainWindow(QWidget* window);
    static QWidget* mainWindow();

    void registerWindow(QWidget* window);

    static QRect availableGeometry(int* screenOut = nullptr);
    // The available area of the screen at `point` (a pop-up placed at the cursor), the
    // primary screen's when no screen holds it; empty without screens.
    static QRect availableGeometryAt(const QPoint& point);
    static QPoint centredBox(const QRect& area, const QSize& frameSize, const QRect& wanted,
                             QSize* sizeOut = nullptr);
    static void placeWindow(QWidget* window);
    static void positionCascadingWindow(QWidget* window);
    static void positionCascadingWindow(QWidget* window, const QRect& area, int screen);
    static void centerOnPrimaryScreen(QWidget* window, const QRect& saved);
    // areas: the available area of each screen in screen order.
    static void centerOnPrimaryScreen(QWidget* window, const QRect& saved, const QList<QRect>& areas,
                                      int primary);
    static void keepOnScreen(QWidget* window, int newWidth, int newHeight);
    static void keepOnScreen(QWidget* window, int newWidth, int newHeight, const QRect& area);
    static void activateWindow(QWidget* window);
    static void forceRaiseAllWindowsInFront(QWidget* window);

    // The index of the screen that shows the widget (the primary screen's when unsure).
    static int screenOf(const QWidget* widget);

signals:
    void closeWindows();
    void deleteWindows();

public slots:
    void cbSessionClosed();
    void cbSigningOut();

private:
    static QPointer<WindowManager> s_Instance;
    static QPointer<QWidget> s_MainWindow;
};

// Frame origins of the other top-level windows of the same kind as the window on the
// screen; frameExtraOut receives the decoration size of one of them.
QList<QPoint> windowPositions(QWidget* window, int screen, QPoint* frameExtraOut);

} // namespace Utils
