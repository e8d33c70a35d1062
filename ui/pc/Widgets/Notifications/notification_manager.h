#pragma once

#include <Kivo/Contacts/IContact.h>
#include <Kivo/Utils/SharedPointer.h>

#include <QList>
#include <QObject>
#include <QPointer>
#include <QRect>

#include <functional>

class QTimeLine;
class QScreen;

namespace Kivo {
namespace Controllers {
class CommunicationSession;
}
} // namespace Kivo

namespace QML {
class CommunicationNotification;
}

// Keeps the pop-ups in one stack: corner pop-ups rise from the bottom-right corner of the
// screen area, centred ones descend from its middle; the rest slide together when one goes.
class NotificationManager : public QObject
{
    Q_OBJECT

public:
    using AreaProvider = std::function<QRect()>;

    static constexpr int TextTimeoutMs = 7500;
    static constexpr int SlideDurationMs = 350;

    explicit NotificationManager(QObject* parent = nullptr);
    ~NotificationManager() override;

    // Where the pop-ups go; the available area of the main window's screen by default.
    void setAreaProvider(AreaProvider provider);

    QML::CommunicationNotification* showCommunicationNotification(Kivo::Controllers::CommunicationSession* session,
                                                                  int kind);
    void closeNotification(Kivo::Controllers::CommunicationSession* session, int kind);
    void closeContactNotification(const Kivo::Utils::SharedPointer<Kivo::Contacts::IContact>& contact);
    QML::CommunicationNotification* findNotification(Kivo::Controllers::CommunicationSession* session,
                                                     int kind) const;

    QList<QWidget*> notifications() const;

public slots:
    void addNotification(const QString& text);
    void removeNotifications();

protected slots:
    void closed(QObject* object);
    void moveNotifications(int frame);
    void repositionNotifications();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // What the slide needs of a pop-up is recorded while it lives: its destroyed signal
    // arrives after the widget part is gone.
    struct Entry
    {
        QObject* key;
        QWidget* widget;
        int height;
        bool centered;
    };

    void add(QWidget* notification, bool first);
    int indexOf(const QObject* object) const;
    void watchScreen(QScreen* screen);
    static bool isCentered(const QWidget* notification);

    QList<Entry> m_Stack;
    int m_RemovedIndex = -1;
    QTimeLine* m_TimeLine;
    int m_LastFrame = 0;
    bool m_RemovedCentered = false;
    AreaProvider m_AreaProvider;
};
