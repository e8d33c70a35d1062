#include "Widgets/Notifications/notification.h"
#include "Widgets/Notifications/notification_manager.h"
#include "libqml/components/notifications/communication_notification.h"

#include <Kivo/Contacts/IContact.h>
#include <Kivo/Controllers/CommunicationSession.h>

#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimeLine>
#include <QTimer>
#include <QtTest>

using QML::CommunicationNotification;
using Widgets::Notifications::Notification;

namespace {

const QRect FullHd(0, 0, 1920, 1040);

void invoke(NotificationManager& manager, const char* slot)
{
    QVERIFY(QMetaObject::invokeMethod(&manager, slot));
}

void moveTo(NotificationManager& manager, int frame)
{
    QVERIFY(QMetaObject::invokeMethod(&manager, "moveNotifications", Q_ARG(int, frame)));
}

QList<int> tops(const QList<QWidget*>& widgets)
{
    QList<int> result;
    for (const QWidget* widget : widgets)
        result.append(widget->y());
    return result;
}

} // namespace

class TestNotificationManager : public QObject
{
    Q_OBJECT

private slots:
    void cornerStack();
    void closingLowestSlidesOthersDown();
    void screenChangeReplaces();
    void centredFromAreaOrigin();
    void closingCentredRaisesOnlyCentred();
    void hoverKeepsOpen();
    void clickCloses();
    void communicationNotifications();
    void decisionsCloseCommunicationNotification();

private:
    // Three text notifications of the given heights, placed in the stack.
    QList<QWidget*> addTextNotifications(NotificationManager& manager, const QList<int>& heights);
};

QList<QWidget*> TestNotificationManager::addTextNotifications(NotificationManager& manager, const QList<int>& heights)
{
    for (int i = 0; i < heights.size(); ++i)
        manager.addNotification(QString("Notice %1").arg(i));
    const QList<QWidget*> widgets = manager.notifications();
    for (int i = 0; i < heights.size(); ++i)
        widgets.at(i)->setFixedSize(300, heights.at(i));
    invoke(manager, "repositionNotifications");
    return widgets;
}

void TestNotificationManager::cornerStack()
{
    NotificationManager manager;
    manager.setAreaProvider([] { return FullHd; });
    const QList<QWidget*> widgets = addTextNotifications(manager, {80, 60, 100});

    QCOMPARE(tops(widgets), (QList<int>{952, 890, 788}));
    for (const QWidget* widget : widgets) {
        QVERIFY(widget->isVisible());
        QCOMPARE(widget->x() + widget->width(), 1914);
    }
    manager.removeNotifications();
    QTRY_VERIFY(manager.notifications().isEmpty());
}

void TestNotificationManager::closingLowestSlidesOthersDown()
{
    NotificationManager manager;
    manager.setAreaProvider([] { return FullHd; });
    const QList<QWidget*> widgets = addTextNotifications(manager, {80, 60, 100});
    auto* timeLine = manager.findChild<QTimeLine*>();
    QVERIFY(timeLine);

    widgets.first()->close();
    QTRY_COMPARE(manager.notifications().size(), 2);
    // The slide covers the height the closed notification had while it lived.
    timeLine->stop();
    QCOMPARE(timeLine->startFrame(), 0);
    QCOMPARE(timeLine->endFrame(), 80);
    QCOMPARE(timeLine->duration(), 350);

    const QList<QWidget*> rest = manager.notifications();
    moveTo(manager, 0);
    QCOMPARE(tops(rest), (QList<int>{890, 788}));
    moveTo(manager, 40);
    QCOMPARE(tops(rest), (QList<int>{930, 828}));
    moveTo(manager, 80);
    QCOMPARE(tops(rest), (QList<int>{970, 868}));
    invoke(manager, "repositionNotifications");
    QCOMPARE(tops(rest), (QList<int>{972, 870}));

    // Left alone, the slide ends at the same places.
    rest.first()->close();
    QTRY_COMPARE(manager.notifications().size(), 1);
    QTRY_COMPARE(manager.notifications().first()->y(), 1034 - 2 - 100);
}

void TestNotificationManager::screenChangeReplaces()
{
    NotificationManager manager;
    QRect area = FullHd;
    manager.setAreaProvider([&area] { return area; });
    const QList<QWidget*> widgets = addTextNotifications(manager, {80, 60});

    area = QRect(0, 0, 1280, 720);
    QScreen* screen = QGuiApplication::primaryScreen();
    QVERIFY(QMetaObject::invokeMethod(screen, "availableGeometryChanged", Q_ARG(QRect, area)));
    QCOMPARE(tops(widgets), (QList<int>{714 - 2 - 80, 714 - 2 - 80 - 2 - 60}));
    QCOMPARE(widgets.first()->x(), 1274 - 300);
    manager.removeNotifications();
}

void TestNotificationManager::centredFromAreaOrigin()
{
    NotificationManager manager;
    const QRect area(100, 50, 800, 600);
    manager.setAreaProvider([area] { return area; });
    const QList<QWidget*> widgets = addTextNotifications(manager, {100, 60, 40});
    widgets.at(0)->setProperty("centered", true);
    widgets.at(2)->setProperty("centered", true);
    invoke(manager, "repositionNotifications");

    QCOMPARE(widgets.at(0)->pos(), QPoint(100 + 250, 50 + 250));
    QCOMPARE(widgets.at(2)->pos(), QPoint(100 + 250, 50 + 280 + 102));
    // The corner stack is not pushed by the centred ones.
    QCOMPARE(widgets.at(1)->pos(), QPoint(894 - 300, 644 - 2 - 60));
}

void TestNotificationManager::closingCentredRaisesOnlyCentred()
{
    NotificationManager manager;
    manager.setAreaProvider([] { return FullHd; });
    const QList<QWidget*> widgets = addTextNotifications(manager, {100, 60, 40});
    widgets.at(0)->setProperty("centered", true);
    widgets.at(2)->setProperty("centered", true);
    invoke(manager, "repositionNotifications");
    const int cornerTop = widgets.at(1)->y();
    const int lowerCentredTop = widgets.at(2)->y();

    widgets.at(0)->close();
    QTRY_COMPARE(manager.notifications().size(), 2);
    manager.findChild<QTimeLine*>()->stop();
    moveTo(manager, 0);
    moveTo(manager, 100);
    QCOMPARE(widgets.at(2)->y(), lowerCentredTop - 100);
    QCOMPARE(widgets.at(1)->y(), cornerTop);
}

void TestNotificationManager::hoverKeepsOpen()
{
    Notification notification(NotificationManager::TextTimeoutMs);
    QVERIFY(notification.isClosePending());

    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(&notification, &enter);
    QVERIFY(!notification.isClosePending());

    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&notification, &leave);
    QVERIFY(notification.isClosePending());
    auto* timer = notification.findChild<QTimer*>();
    QCOMPARE(timer->interval(), 7500);
    QVERIFY(timer->remainingTime() > 7000);

    // The time-out closes and deletes it.
    QPointer<Notification> quick = new Notification(1);
    QSignalSpy closedSpy(quick.data(), &Notification::closed);
    QTRY_VERIFY(quick.isNull());
    QCOMPARE(closedSpy.count(), 1);
}

void TestNotificationManager::clickCloses()
{
    NotificationManager manager;
    manager.setAreaProvider([] { return FullHd; });
    manager.addNotification("Anna Berg is now online");
    QPointer<QWidget> clicked = manager.notifications().first();
    QCOMPARE(static_cast<Notification*>(clicked.data())->text(), QString("Anna Berg is now online"));
    QTest::mouseClick(clicked, Qt::LeftButton);
    QTRY_VERIFY(clicked.isNull());

    manager.addNotification("Second");
    QPointer<QWidget> buttoned = manager.notifications().first();
    buttoned->findChild<QPushButton*>("notificationCloseButton")->click();
    QTRY_VERIFY(buttoned.isNull());
    QTRY_VERIFY(manager.notifications().isEmpty());
}

void TestNotificationManager::communicationNotifications()
{
    NotificationManager manager;
    manager.setAreaProvider([] { return FullHd; });
    Kivo::Controllers::CommunicationSession first;
    Kivo::Controllers::CommunicationSession second;

    CommunicationNotification* chat = manager.showCommunicationNotification(&first, 1);
    CommunicationNotification* otherChat = manager.showCommunicationNotification(&second, 1);
    QVERIFY(chat && otherChat);
    QVERIFY(!manager.showCommunicationNotification(&first, 1));

    // A call goes below the chats already shown.
    CommunicationNotification* call = manager.showCommunicationNotification(&second, 0);
    QVERIFY(call);
    QCOMPARE(manager.notifications(), (QList<QWidget*>{call, chat, otherChat}));
    QCOMPARE(manager.findNotification(&second, 0), call);
    QCOMPARE(manager.findNotification(&second, 1), otherChat);
    QVERIFY(!manager.findNotification(&first, 0));

    // Guests may ask several times for one session.
    Kivo::Contacts::IContact anna(1, "Anna");
    Kivo::Contacts::IContact bert(2, "Bert");
    CommunicationNotification* guestAnna = manager.showCommunicationNotification(&first, 3);
    CommunicationNotification* guestBert = manager.showCommunicationNotification(&first, 3);
    QVERIFY(guestAnna && guestBert && guestAnna != guestBert);
    guestAnna->setContact(&anna);
    guestBert->setContact(&bert);
    QPointer<CommunicationNotification> bertWatch = guestBert;
    QPointer<CommunicationNotification> annaWatch = guestAnna;
    manager.closeContactNotification(&bert);
    QTRY_VERIFY(bertWatch.isNull());
    QVERIFY(!annaWatch.isNull());

    QPointer<CommunicationNotification> chatWatch = chat;
    manager.closeNotification(&first, 1);
    QTRY_VERIFY(chatWatch.isNull());
    QVERIFY(manager.showCommunicationNotification(&first, 1));
    manager.closeNotification(&first, 2); // nothing of that kind: no effect

    manager.removeNotifications();
    QTRY_VERIFY(manager.notifications().isEmpty());
}

void TestNotificationManager::decisionsCloseCommunicationNotification()
{
    NotificationManager manager;
    manager.setAreaProvider([] { return FullHd; });
    Kivo::Controllers::CommunicationSession session;
    const QList<const char*> decisions = {"chatNotificationAccepted", "callNotificationAccepted",
                                          "webcollabNotificationAccepted", "chatNotificationIgnored",
                                          "callNotificationIgnored", "webcollabNotificationIgnored"};
    for (const char* decision : decisions) {
        QPointer<CommunicationNotification> notification = manager.showCommunicationNotification(&session, 0);
        QVERIFY(notification);
        QCOMPARE(notification->session(), &session);
        QVERIFY(QMetaObject::invokeMethod(notification, decision));
        QTRY_VERIFY2(notification.isNull(), decision);
        QTRY_VERIFY(manager.notifications().isEmpty());
    }
}

QTEST_MAIN(TestNotificationManager)
#include "tst_notification_manager.moc"
