#pragma once

#include "Utils/help_interface.h"

#include <QPixmap>
#include <QString>

class QLabel;

namespace Widgets {

// Base of every QWidget window: title, header logo, status line, window buttons,
// stay-on-top, first placement, and closing by the Close key or on sign-out.
class Window : public Utils::HelpInterface
{
    Q_OBJECT

public:
    explicit Window(QWidget* parent = nullptr, bool alwaysOnTop = false, bool managed = false);
    ~Window() override;

    virtual bool canClose();
    virtual void setTitle(const QString& title);

    void setAlwaysOnTop(bool on);
    bool canMinimize() const { return m_CanMinimize; }
    bool canMaximize() const { return m_CanMaximize; }

protected slots:
    void resizeUpdate();

public slots:
    void showAndActivate();
    void setCanMinimize(bool on);
    void setCanMaximize(bool on);
    void setResizable(bool on);
    void setStatus(const QString& color, const QString& text, int seconds);
    void setStatus(const QString& color, const QString& text);
    void setHeaderIcon(const QString& path);
    void showHeaderIcon(bool on);
    void updateHeaderIcon();

protected:
    void timerEvent(QTimerEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

    int statusTimerId() const { return m_StatusTimerId; }
    QLabel* statusLabel() const { return m_StatusLabel; }

private:
    // Changing flags hides a shown window; show it again so callers see no flicker of state.
    void applyWindowFlags(Qt::WindowFlags flags);
    void stopStatusTimer();

    const int m_StatusBottomMargin = 10;
    bool m_CanMinimize = true;
    bool m_CanMaximize = true;
    int m_StatusTimerId = -1;
    QString m_RestingStatus;
    QLabel* m_StatusLabel = nullptr;
    QLabel* m_HeaderIconLabel = nullptr;
    QPixmap m_HeaderIcon;
    QString m_HeaderIconPath;
};

} // namespace Widgets
