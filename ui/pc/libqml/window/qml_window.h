#pragma once

#include "Utils/help_interface.h"

#include <QFont>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QVariant>

class QMenu;
class QQuickItem;

namespace QML {

class View;

// Base of every QML window: a top-level widget whose one view fills it, publishes the
// window to the scene as "rootWindow" and sizes the window from the scene's root item.
class Window : public Utils::HelpInterface
{
    Q_OBJECT
    Q_PROPERTY(bool resizable READ resizable WRITE setResizable NOTIFY resizableChanged)
    Q_PROPERTY(bool isFullscreen READ isFullscreen NOTIFY isFullscreenChanged)
    Q_PROPERTY(double aspectRatio READ aspectRatio WRITE setAspectRatio NOTIFY aspectRatioChanged)
    Q_PROPERTY(bool wantsFullscreen READ wantsFullscreen WRITE setWantsFullscreen NOTIFY wantsFullscreenChanged)
    Q_PROPERTY(QML::View* view READ view CONSTANT)
    Q_PROPERTY(QString languageChangeProperty READ languageChangeProperty NOTIFY languageChanged)
    Q_PROPERTY(QPoint mousePos READ mousePos)

public:
    // Clicks this close to the window's top-left corner hit the frame icon.
    static constexpr int FrameIconWidth = 50;
    static constexpr int FrameIconHeight = 30;

    explicit Window(bool alwaysOnTop = false, QWidget* parent = nullptr);
    ~Window() override;

    bool loadQML(const QString& url);

    bool resizable() const { return m_Resizable; }
    bool isFullscreen() const { return isFullScreen(); }
    double aspectRatio() const { return m_AspectRatio.toDouble(); }
    bool wantsFullscreen() const { return m_WantsFullscreen; }
    View* view() const { return m_DeclarativeView; }
    QString languageChangeProperty() const { return QString(); }
    QPoint mousePos() const;

    void setResizable(bool resizable);
    void setAspectRatio(double ratio);
    void setWantsFullscreen(bool on);
    // Only the Windows system menu can be suppressed; elsewhere the flag is kept for callers.
    void setSuppressSystemMenu(bool suppress) { m_SuppressSystemMenu = suppress; }
    bool suppressSystemMenu() const { return m_SuppressSystemMenu; }
    void setTitle(const QString& title);

    virtual bool canClose();
    virtual QSize minimumWindowSize() const;
    virtual QSize maximumWindowSize() const;

signals:
    void resizableChanged();
    void minimizableChanged();
    void maximizableChanged();
    void aspectRatioChanged();
    void targetHeightChanged();
    void wantsFullscreenChanged();
    void animateResizeChanged();
    void isFullscreenChanged();
    void sizeChanged();
    void positionChanged();
    void windowStateChanged();
    void languageChanged();
    void windowFrameIconClicked();
    void closeWindowFrameClicked();

public slots:
    void setMinMaxSizes(bool force = false);
    int calcTextWidth(const QString& text, const QFont& font) const;
    void openMenu(QMenu* menu);
    bool event(QEvent* event) override;
    virtual void showAndActivate();
    // For a window that may be asked to go from inside one of its own scene's handlers:
    // it disappears now and is deleted once the handler has returned.
    void hideAndDeleteLater();
    void setAlwaysOnTop(bool on = true);
    void moveBy(int dx, int dy);
    void setItemCursor(QQuickItem* item, int shape);
    QSize boundSizeToLimit(const QSize& size, const QSize& limit) const;
    QString elideToFitWithOtherText(const QString& text, const QFont& font, int mode,
                                    const QString& otherText, const QFont& otherFont,
                                    int width) const;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

    // For derived windows that restore a geometry; the base never reads it.
    QRect m_SavedRect;

private:
    bool isOnFrameIcon(const QPoint& globalPos) const;

    View* m_DeclarativeView;
    bool m_Resizable = true;
    QVariant m_AspectRatio;
    bool m_WantsFullscreen = false;
    bool m_SuppressSystemMenu = false;
};

} // namespace QML
