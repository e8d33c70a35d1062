#pragma once

#include <QWidget>

class QTimer;

namespace Widgets {
namespace Notifications {

// Frameless, self-closing pop-up that stays open while the pointer is over it.
class Base : public QWidget
{
    Q_OBJECT

public:
    explicit Base(int timeoutMs);
    ~Base() override;

    virtual void retranslate();
    int timeout() const { return m_TimeoutMs; }
    bool isClosePending() const;

signals:
    void closed(Widgets::Notifications::Base* notification);

protected:
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QTimer* m_CloseTimer;
    const int m_TimeoutMs;
};

} // namespace Notifications
} // namespace Widgets
