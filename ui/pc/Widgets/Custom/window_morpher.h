#pragma once

#include <QPixmap>
#include <QPointer>
#include <QWidget>

class QTimeLine;
class QTimer;

namespace Widgets {

// Replaces one top-level window by another on screen.
class WindowMorpher : public QWidget
{
    Q_OBJECT

public:
    WindowMorpher(QWidget* oldWindow, QWidget* newWindow);

    static WindowMorpher* create(QWidget* oldWindow, QWidget* newWindow);

    void setDeleteOldWindow(bool on) { m_DeleteOldWindow = on; }
    virtual void Start();

protected:
    // Leaves the new window in place: the old one goes (when asked) and so does the morpher.
    void finish();

    QPointer<QWidget> m_OldWindow;
    QPointer<QWidget> m_NewWindow;
    bool m_DeleteOldWindow = false;
};

// The same replacement, drawn as the old window turning away and the new one turning in.
class RotatingWindowMorpher : public WindowMorpher
{
    Q_OBJECT

public:
    static constexpr int LastFrame = 199;
    static constexpr int TurnDurationMs = 300;

    RotatingWindowMorpher(QWidget* oldWindow, QWidget* newWindow);

    void Start() override;

protected slots:
    void tl_frameChanged(int frame);
    void tl_finished();
    void paintEvent(QPaintEvent* event) override;
    void timeout();

private:
    QTimeLine* m_TimeLine;
    QTimer* m_Timer;
    int m_Frame = 0;
    int m_HideCountdown = 6;
    QPixmap m_OldPicture;
    QPixmap m_NewPicture;
};

} // namespace Widgets
