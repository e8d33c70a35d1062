#pragma once

#include <QFont>
#include <QPointer>
#include <QQuickWidget>
#include <QSet>
#include <QSize>
#include <QTimer>

class QQmlComponent;
class QQmlContext;
class QQmlEngine;

namespace QML {

class QmlHelper;
class Style;

// The QtQuick view of every QML window, pop-up and pane. It publishes itself, the style
// and its helper to the scene and tracks whether the user has left the mouse alone.
//
// Every view shares the program's one QML engine (types, imports, image providers and the
// compiled scenes are the engine's, made once); what a view publishes goes into a context of
// its own under the engine's, so two views' properties never meet. rootContext() and
// setSource() are that context's: reach a view through View, not QQuickWidget.
class View : public QQuickWidget
{
    Q_OBJECT
    Q_PROPERTY(bool idle READ idle WRITE setIdle NOTIFY idleChanged)
    Q_PROPERTY(int idleTimeout READ idleTimeout WRITE setIdleTimeout NOTIFY idleTimeoutChanged)
    Q_PROPERTY(int windowPosX READ windowPosX WRITE setWindowPosX NOTIFY windowPosXChanged)
    Q_PROPERTY(int windowPosY READ windowPosY WRITE setWindowPosY NOTIFY windowPosYChanged)
    Q_PROPERTY(bool idleOnMove READ idleOnMove WRITE setIdleOnMove NOTIFY idleOnMoveChanged)
    Q_PROPERTY(bool visible READ isVisible NOTIFY visibleChanged)
    Q_PROPERTY(QString languageChangeProperty READ languageChangeProperty NOTIFY languageChanged)
    Q_PROPERTY(QSize preferredMinSize READ preferredMinSize WRITE setPreferredMinSize NOTIFY preferredMinSizeChanged)
    Q_PROPERTY(QSize preferredMaxSize READ preferredMaxSize WRITE setPreferredMaxSize NOTIFY preferredMaxSizeChanged)

public:
    static constexpr int DefaultIdleTimeout = 5000;
    static constexpr int IdleOnMoveTimeout = 700;

    explicit View(QWidget* parent = nullptr);
    ~View() override;

    // The program's QML engine, made with the first view and kept until the application
    // goes (or releaseSharedEngine()).
    static QQmlEngine* sharedEngine();
    // Takes the shared engine down; views still alive lose their scenes first. The next
    // view makes a new engine.
    static void releaseSharedEngine();

    // This view's own context: what is set here reaches this view's scene only.
    QQmlContext* rootContext() const { return m_Context; }
    // Loads `url` into this view's context; an empty URL takes the scene down.
    void setSource(const QUrl& url);
    // Loads `url` when the view is first shown, or when its scene is asked for (scene()): a
    // pane or pop-up the user never opens costs no time and no memory. A view that is not
    // hidden loads at once.
    void setSourceWhenShown(const QUrl& url);
    // The scene's root item; a scene still waiting to be shown is made now.
    QQuickItem* scene();

    QmlHelper* helper() const { return m_Helper; }

    bool idle() const { return m_Idle; }
    bool idleOnMove() const { return m_IdleOnMove; }
    int idleTimeout() const { return m_IdleTimeout; }
    int windowPosX() const { return m_WindowPosX; }
    int windowPosY() const { return m_WindowPosY; }
    QString languageChangeProperty() const { return QString(); }
    QSize preferredMinSize() const { return m_PreferredMinSize; }
    QSize preferredMaxSize() const { return m_PreferredMaxSize; }

    void setIdle(bool idle);
    void setIdleOnMove(bool idleOnMove);
    void setIdleTimeout(int milliseconds);
    void setIdleOnMoveTimeout(int milliseconds);
    void setWindowPosX(int x);
    void setWindowPosY(int y);
    void setPreferredMinSize(const QSize& size);
    void setPreferredMaxSize(const QSize& size);

signals:
    void idleChanged();
    void idleOnMoveChanged();
    void idleTimeoutChanged();
    void windowPosXChanged();
    void windowPosYChanged();
    void keyEscapePressed();
    void visibleChanged();
    void languageChanged();
    void preferredMinSizeChanged();
    void preferredMaxSizeChanged();
    // A scene was made (at once, when shown or when asked for): connect to its root here.
    void sceneLoaded();

public slots:
    void setVisible(bool visible) override;
    void timeout();
    void idleOnMoveTimeout();
    int calcTextWidth(const QString& text, const QFont& font) const;
    void enableMouseEventFiltering();
    void setAlwaysOnTop(bool on = true);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void followSceneFocus();
    void trackMouseEvent(QEvent* event);
    void openStyleView();
    void createScene(const QUrl& url, QQmlComponent* component);
    void followIncubation();
    void loadWaitingScene();

    // The engine the view was made with; null once it has been released.
    QPointer<QQmlEngine> m_Engine;
    QQmlContext* m_Context;
    QPointer<QQmlComponent> m_PendingComponent;
    // The scene to make when the view is first shown.
    QUrl m_WaitingSource;
    QmlHelper* m_Helper;
    Style* m_Style;
    bool m_Idle = false;
    bool m_IdleOnMove = false;
    int m_IdleTimeout = -1;
    int m_WindowPosX = 0;
    int m_WindowPosY = 0;
    QTimer* m_IdleTimer;
    QTimer* m_IdleOnMoveTimer;
    QSet<int> m_HeldLetters;
    QSize m_PreferredMinSize{-1, -1};
    QSize m_PreferredMaxSize{-1, -1};
};

} // namespace QML
