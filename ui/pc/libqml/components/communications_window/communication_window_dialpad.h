#pragma once

#include "libqml/window/qml_view.h"

#include <Kivo/Controllers/CommunicationSession.h>

#include <QPointer>
#include <QRect>

namespace QML {

// The dial pad of a call: a small frameless pop-up that sends the keys typed or clicked
// into the call as tones.
class CommunicationWindowDialpad : public View
{
    Q_OBJECT
    Q_PROPERTY(QObject* session READ sessionObject CONSTANT)

public:
    static constexpr const char* Scene = "qrc:/windows/CommunicationsWindow/Dialpad/Dialpad.qml";

    CommunicationWindowDialpad(Kivo::Controllers::CommunicationSession* session, QWidget* parent = nullptr);

    Kivo::Controllers::CommunicationSession* session() const { return m_Session; }

    // The tone of a key: 0-9, 10 for "*", 11 for "#" (and Return or Enter); -1 for others.
    static int toneOfKey(int key);
    // Where the pop-up opens at the cursor: moved back by its own size at an edge of the area.
    static QPoint placeAt(const QPoint& cursor, const QSize& size, const QRect& area);

    // Handles a key typed here or in the window that forwards its keys; false when the key
    // means nothing to the dial pad.
    bool handleKey(QKeyEvent* event);

signals:
    void dialpadVisibleChanged();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;

private:
    QObject* sessionObject() const { return m_Session; }

    QPointer<Kivo::Controllers::CommunicationSession> m_Session;
};

} // namespace QML
