#pragma once

#include "libqml/window/qml_window.h"

#include <Kivo/Contacts/Contacts.h>
#include <Kivo/Utils/SharedPointer.h>

#include <QAbstractItemModel>
#include <QList>
#include <QPointer>

class QModelIndex;

namespace Kivo {
namespace Contacts {
class ContactSynchronizer;
}
namespace Sessions {
class SessionManagerBase;
}
} // namespace Kivo

namespace QML {

// Asks the user to answer other people's requests to see their presence. It shows itself
// when a request arrives, fits its height to the requests and hides when none is left;
// each new request is first completed from the directory, one look-up at a time, in the
// order the requests arrived.
class PresenceRequestDialog : public Window
{
    Q_OBJECT
    Q_PROPERTY(QAbstractItemModel* model READ model CONSTANT)
    Q_PROPERTY(int itemHeight READ itemHeight WRITE setItemHeight NOTIFY itemHeightChanged)
    Q_PROPERTY(int heightExtraSpacing READ heightExtraSpacing WRITE setHeightExtraSpacing
                   NOTIFY heightExtraSpacingChanged)

public:
    static constexpr const char* Scene = "qrc:/windows/PresenceRequestDialog/PresenceRequestDialog.qml";
    // Configuration item: directory look-ups go by the IM address alone.
    static constexpr int XmppItem = 361;

    PresenceRequestDialog(Kivo::Sessions::SessionManagerBase* session,
                          Kivo::Utils::SharedPointer<Kivo::Contacts::Contacts> contacts, bool alwaysOnTop);

    QAbstractItemModel* model() const { return m_Model; }
    int itemHeight() const { return m_ItemHeight; }
    void setItemHeight(int height);
    int heightExtraSpacing() const { return m_HeightExtraSpacing; }
    void setHeightExtraSpacing(int spacing);
    // Look-ups waiting or running, the running one first.
    int pendingSynchronizations() const { return int(m_Pending.size()); }

    QSize minimumWindowSize() const override;

signals:
    void itemHeightChanged();
    void heightExtraSpacingChanged();

protected slots:
    void add(QObject* contact);
    void decline(QObject* contact);

private slots:
    void modelDataChanged();
    void searchContacts(const QModelIndex& parent, int first, int last);
    void contactSynchronized();
    void onDataChanged();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    struct Pending
    {
        Kivo::Contacts::ContactSynchronizer* synchronizer;
        int requestId;
    };

    void fitHeight();
    // Starts the first waiting look-up; look-ups that cannot start are dropped and the next
    // one is tried, so one failure never holds up the requests behind it.
    void startNextSynchronization();
    Kivo::Contacts::IContact* requestOf(int requestId) const;

    QPointer<Kivo::Sessions::SessionManagerBase> m_Session;
    Kivo::Utils::SharedPointer<Kivo::Contacts::Contacts> m_Contacts;
    // The contact list's model: gone with the list.
    QPointer<QAbstractItemModel> m_Model;
    int m_ItemHeight = 0;
    int m_HeightExtraSpacing = 0;
    // First in, first out; the front one runs.
    QList<Pending> m_Pending;
};

} // namespace QML
