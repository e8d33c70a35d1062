#pragma once

#include <QObject>
#include <QPointer>

namespace Dialogs {
class MessageWindow;
}

namespace Utils {

// Tells the user that a history action on messages failed, with at most one message of
// each kind on the screen.
class TimelineUiHelper : public QObject
{
    Q_OBJECT

public:
    // The message shows this long after the failure, so that a burst of failures is one.
    static constexpr int DelayMs = 1000;

    explicit TimelineUiHelper(QObject* parent = nullptr);

    void showDeleteMessagesFailed(bool alwaysOnTop);
    void showSetMessagesStateFailed(bool alwaysOnTop);

private:
    static void showFailure(QPointer<Dialogs::MessageWindow>& window, const QString& text, bool alwaysOnTop);

    QPointer<Dialogs::MessageWindow> m_DeleteFailed;
    QPointer<Dialogs::MessageWindow> m_StateFailed;
};

} // namespace Utils
