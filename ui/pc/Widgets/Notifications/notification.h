#pragma once

#include "Widgets/Notifications/base.h"

class QLabel;
class QPushButton;

namespace Widgets {
namespace Notifications {

// A text pop-up with a close button; a click anywhere closes it.
class Notification : public Base
{
    Q_OBJECT

public:
    explicit Notification(int timeoutMs);

    virtual void setKind(int kind);
    virtual void setText(const QString& text);
    int kind() const { return m_Kind; }
    QString text() const;

    void retranslate() override;

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    int m_Kind = 0;
    QPushButton* m_CloseButton;
    QLabel* m_Icon;
    QLabel* m_Text;
};

} // namespace Notifications
} // namespace Widgets
