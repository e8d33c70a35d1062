#pragma once

#include <QPoint>
#include <QQuickItem>
#include <QRect>
#include <QSize>

class QTimer;

namespace QML {

class ToolTipView;

// Shows a delayed, self-hiding tool tip next to the mouse cursor.
class QmlToolTip : public QQuickItem
{
    Q_OBJECT

public:
    explicit QmlToolTip(QQuickItem* parent = nullptr);
    ~QmlToolTip() override;

    Q_INVOKABLE void showToolTip(const QString& text, int delay, int duration);
    Q_INVOKABLE void showToolTip(const QString& text, int delay);
    Q_INVOKABLE void showToolTip(const QString& text);
    Q_INVOKABLE void hideToolTip();

    // How long a text stays when no duration is given: 10 s, and longer for long texts.
    static int displayDuration(int textLength, int duration);
    // Where the tool tip goes for a cursor inside the available area of its screen.
    static QPoint placement(const QPoint& cursor, const QRect& available, const QSize& windowSize);

    ToolTipView* view() const { return m_View; }

private slots:
    void showTimerTimeout();
    void hideTimerTimeout();

private:
    ToolTipView* m_View;
    int m_Duration = 0;
    QTimer* m_ShowTimer;
    QTimer* m_HideTimer;
};

} // namespace QML
