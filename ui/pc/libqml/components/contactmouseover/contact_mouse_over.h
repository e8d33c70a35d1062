#pragma once

#include "libqml/window/qml_view.h"

#include <QPointer>

class QTimer;

namespace Providers {
class Factory;
}

namespace QML {

// The small borderless card shown while the pointer rests on a contact, a participant or a
// history entry. It hides itself HideDelay ms after it was last given a contact, and, when
// it serves a window, as soon as that window stops being the active one.
//
// A window uses it like this:
//     card = new ContactMouseOver(factory);   // no parent: a top-level tool tip
//     card->activate();
//     card->setOwner(window);
//     card->showItem(contactOrHistoryEntry, QCursor::pos(), ctrlHeld);   // pointer rests
//     card->hide();                                                        // pointer leaves
class ContactMouseOver : public View
{
    Q_OBJECT
    Q_PROPERTY(QObject* contact READ contact WRITE setContact NOTIFY contactChanged)
    Q_PROPERTY(QObject* timelineEntry READ timelineEntry WRITE setTimelineEntry NOTIFY timelineEntryChanged)
    Q_PROPERTY(int affiliation READ affiliation WRITE setAffiliation NOTIFY affiliationChanged)
    Q_PROPERTY(bool isExtended READ isExtended NOTIFY extendedChanged)

public:
    static constexpr int HideDelay = 5000;
    static constexpr const char* Scene = "qrc:/windows/MainWindow/ContactMouseOver.qml";
    // Distance between the cursor and the card, and the least distance to the screen's edge.
    static constexpr int CursorMargin = 5;

    explicit ContactMouseOver(Providers::Factory* factory, QWidget* parent = nullptr);
    ~ContactMouseOver() override;

    // Publishes the presence helper and loads the scene; false without a factory.
    bool activate();

    QObject* contact() const { return m_Contact; }
    void setContact(QObject* contact);
    QObject* timelineEntry() const { return m_TimelineEntry; }
    void setTimelineEntry(QObject* entry);
    int affiliation() const { return m_Affiliation; }
    bool isExtended() const { return m_Extended; }
    void setExtended(bool extended);

    // The window the card serves: the card shows only while that window is active and hides
    // when another window becomes active.
    void setOwner(QWidget* owner);
    // Shows the card for `item` (a contact, or a history entry and its contact) beside the
    // global cursor position `cursor`; `extended` adds the address and device presence.
    // Nothing happens for an item that is no object, or while the owner is not active.
    Q_INVOKABLE void showItem(const QVariant& item, const QPoint& cursor, bool extended);
    // Where a card of `size` goes for the cursor at `cursor` inside the screen area
    // `available`: right of and level with the cursor, above it when it would pass the
    // bottom, left of it when it would pass the right edge, and below it when neither side
    // leaves CursorMargin to the edge.
    static QPoint placement(const QSize& size, const QPoint& cursor, const QRect& available);

public slots:
    void setAffiliation(int affiliation);

signals:
    void contactChanged();
    void timelineEntryChanged();
    void affiliationChanged();
    void extendedChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void adjustSizeToContent();

    QPointer<QObject> m_Contact;
    QPointer<QObject> m_TimelineEntry;
    QPointer<Providers::Factory> m_Factory;
    int m_Affiliation = 0;
    bool m_Extended = false;
    QTimer* m_HideTimer;
    QPointer<QWidget> m_Owner;
};

} // namespace QML
