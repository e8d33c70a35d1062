#pragma once

#include "web/declarative_web_settings.h"
#include "web/webview_attached.h"

#include <QColor>
#include <QList>
#include <QNetworkReply>
#include <QPixmap>
#include <QPointer>
#include <QQmlComponent>
#include <QQmlListProperty>
#include <QQuickPaintedItem>
#include <QUrl>
#include <QVariant>
#include <QWebPage>
#include <QtQml>

class QAction;
class QDeclarativeWebPage;
class QTimer;

// Shows the program's own web pages in a scene. The page is rendered into the item and
// the item hands it mouse, key and hover input; clicked links open in the system's
// browser, the wheel is reported to the scene instead of scrolling, and a network error
// of the main request turns a finished load into a failed one.
class QDeclarativeWebView2 : public QQuickPaintedItem
{
    Q_OBJECT
    Q_PROPERTY(bool dontDelegate READ dontDelegate WRITE setDontDelegate NOTIFY dontDelegateChanged)
    Q_PROPERTY(QString title READ title NOTIFY titleChanged)
    Q_PROPERTY(QPixmap icon READ icon NOTIFY iconChanged)
    Q_PROPERTY(QString statusText READ statusText NOTIFY statusTextChanged)
    Q_PROPERTY(QString html READ html WRITE setHtml NOTIFY htmlChanged)
    Q_PROPERTY(int pressGrabTime READ pressGrabTime WRITE setPressGrabTime NOTIFY pressGrabTimeChanged)
    Q_PROPERTY(int preferredWidth READ preferredWidth WRITE setPreferredWidth NOTIFY preferredWidthChanged)
    Q_PROPERTY(int preferredHeight READ preferredHeight WRITE setPreferredHeight NOTIFY preferredHeightChanged)
    Q_PROPERTY(QUrl url READ url WRITE setUrl NOTIFY urlChanged)
    Q_PROPERTY(qreal progress READ progress NOTIFY progressChanged)
    Q_PROPERTY(Status status READ status NOTIFY statusChanged)
    Q_PROPERTY(QAction* reload READ reloadAction CONSTANT)
    Q_PROPERTY(QAction* back READ backAction CONSTANT)
    Q_PROPERTY(QAction* forward READ forwardAction CONSTANT)
    Q_PROPERTY(QAction* stop READ stopAction CONSTANT)
    Q_PROPERTY(QAction* copy READ copyAction CONSTANT)
    Q_PROPERTY(QAction* selectAll READ selectAllAction CONSTANT)
    Q_PROPERTY(QDeclarativeWebSettings* settings READ settingsObject CONSTANT)
    Q_PROPERTY(QQmlListProperty<QObject> javaScriptWindowObjects READ javaScriptWindowObjects CONSTANT)
    Q_PROPERTY(QQmlComponent* newWindowComponent READ newWindowComponent WRITE setNewWindowComponent
                   NOTIFY newWindowComponentChanged)
    Q_PROPERTY(QQuickItem* newWindowParent READ newWindowParent WRITE setNewWindowParent
                   NOTIFY newWindowParentChanged)
    Q_PROPERTY(bool renderingEnabled READ renderingEnabled WRITE setRenderingEnabled NOTIFY renderingEnabledChanged)
    Q_PROPERTY(QSize contentsSize READ contentsSize NOTIFY contentsSizeChanged)
    Q_PROPERTY(qreal contentsScale READ contentsScale WRITE setContentsScale NOTIFY contentsScaleChanged)
    Q_PROPERTY(QColor backgroundColor READ backgroundColor WRITE setBackgroundColor NOTIFY backgroundColorChanged)

public:
    enum Status
    {
        Null,
        Ready,
        Loading,
        Error
    };
    Q_ENUM(Status)

    static constexpr int DefaultPressGrabTime = 400;

    explicit QDeclarativeWebView2(QQuickItem* parent = nullptr);
    ~QDeclarativeWebView2() override;

    static QDeclarativeWebViewAttached* qmlAttachedProperties(QObject* object);

    QWebPage* page() const;

    bool dontDelegate() const;
    void setDontDelegate(bool dontDelegate);
    QString title() const;
    QPixmap icon() const;
    QString statusText() const { return m_StatusText; }
    QString html() const;
    void setHtml(const QString& html);
    int pressGrabTime() const { return m_PressGrabTime; }
    void setPressGrabTime(int milliseconds);
    int preferredWidth() const { return m_PreferredWidth; }
    void setPreferredWidth(int width);
    int preferredHeight() const { return m_PreferredHeight; }
    void setPreferredHeight(int height);
    QUrl url() const { return m_Url; }
    void setUrl(const QUrl& url);
    qreal progress() const { return m_Progress; }
    Status status() const { return m_Status; }
    QAction* reloadAction() const;
    QAction* backAction() const;
    QAction* forwardAction() const;
    QAction* stopAction() const;
    QAction* copyAction() const;
    QAction* selectAllAction() const;
    QDeclarativeWebSettings* settingsObject() const { return m_Settings; }
    QQmlListProperty<QObject> javaScriptWindowObjects();
    QQmlComponent* newWindowComponent() const { return m_NewWindowComponent; }
    void setNewWindowComponent(QQmlComponent* component);
    QQuickItem* newWindowParent() const { return m_NewWindowParent; }
    void setNewWindowParent(QQuickItem* parent);
    bool renderingEnabled() const { return m_RenderingEnabled; }
    void setRenderingEnabled(bool enabled);
    QSize contentsSize() const;
    qreal contentsScale() const;
    void setContentsScale(qreal scale);
    QColor backgroundColor() const { return m_BackgroundColor; }
    void setBackgroundColor(const QColor& color);

    Q_INVOKABLE bool heuristicZoom(int clickX, int clickY, qreal maxZoom);
    Q_INVOKABLE void showMenu();

    void paint(QPainter* painter) override;

signals:
    void dontDelegateChanged();
    void preferredWidthChanged();
    void preferredHeightChanged();
    void urlChanged();
    void progressChanged();
    void statusChanged(QDeclarativeWebView2::Status status);
    void titleChanged(const QString& title);
    void iconChanged();
    void statusTextChanged();
    void htmlChanged();
    void pressGrabTimeChanged();
    void newWindowComponentChanged();
    void newWindowParentChanged();
    void renderingEnabledChanged();
    void contentsSizeChanged(const QSize& size);
    void contentsScaleChanged();
    void backgroundColorChanged();
    void loadStarted();
    void loadFinished();
    void loadFailed();
    void doubleClick(int clickX, int clickY);
    void wheel(int delta, int orientation);
    void mouseMoved();
    void mousePressed();
    void mouseReleased();
    void zoomTo(qreal zoom, int centerX, int centerY);
    void alert(const QString& message);

public slots:
    QVariant evaluateJavaScript(const QString& script);
    void refresh();
    QDeclarativeWebView2* createWindow(QWebPage::WebWindowType type);

private slots:
    void doLoadStarted();
    void doLoadProgress(int progress);
    void doLoadFinished(bool ok);
    void setStatusText(const QString& text);
    void windowObjectCleared();
    void pageUrlChanged();
    void initialLayout();
    void updateDeclarativeWebViewSize();
    void onFinished(QNetworkReply* reply);
    void onPressHeld();

protected:
    void componentComplete() override;
    void geometryChanged(const QRectF& newGeometry, const QRectF& oldGeometry) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void hoverMoveEvent(QHoverEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    struct PendingLoad
    {
        enum Kind
        {
            None,
            Url,
            Html
        };
        Kind kind = None;
        QUrl url;
        QString html;
    };

    void load(const QUrl& url);
    void loadHtml(const QString& html);
    void setStatus(Status status);
    void registerWindowObjects();
    void forwardMouse(QMouseEvent* event);
    void showPageMenu(const QPoint& screenPos);

    static void appendWindowObject(QQmlListProperty<QObject>* list, QObject* object);
    static int windowObjectCount(QQmlListProperty<QObject>* list);
    static QObject* windowObjectAt(QQmlListProperty<QObject>* list, int index);
    static void clearWindowObjects(QQmlListProperty<QObject>* list);

    QDeclarativeWebPage* m_Page;
    QDeclarativeWebSettings* m_Settings;
    QTimer* m_PressHoldTimer;
    QUrl m_Url;
    int m_PreferredWidth = 0;
    int m_PreferredHeight = 0;
    qreal m_Progress = 1.0;
    Status m_Status = Null;
    QString m_StatusText;
    PendingLoad m_Pending;
    QPointer<QQmlComponent> m_NewWindowComponent;
    QPointer<QQuickItem> m_NewWindowParent;
    QList<QObject*> m_WindowObjects;
    bool m_RenderingEnabled = true;
    QColor m_BackgroundColor;
    QNetworkReply::NetworkError m_LastError = QNetworkReply::NoError;
    bool m_Completed = false;
    int m_PressGrabTime = DefaultPressGrabTime;
    QPointF m_PressPoint;
    bool m_Grabbed = false;
};

QML_DECLARE_TYPEINFO(QDeclarativeWebView2, QML_HAS_ATTACHED_PROPERTIES)
