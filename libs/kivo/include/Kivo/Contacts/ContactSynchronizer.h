#pragma once

#include <Kivo/Contacts/Properties.h>

#include <QObject>
#include <QPointer>

namespace Kivo {
namespace Controllers {
class ContactSearchController;
}
namespace Contacts {

class IContact;

// Completes one contact from the company directory: looks the contact up by its
// identifying properties and keeps the one match's properties for the caller to apply.
class ContactSynchronizer : public QObject
{
    Q_OBJECT

public:
    // With `imAddressOnly` a complete look-up goes by the IM address alone; with
    // `keepExisting` the properties leave out what the contact already has.
    ContactSynchronizer(Controllers::ContactSearchController* search, bool imAddressOnly, bool keepExisting,
                        QObject* parent = nullptr);

    // Starts a look-up by the property `key`, or by every identifying property for key 0.
    // False when it cannot start: no contact, no directory, nothing to look up by, or a
    // look-up already running.
    bool syncWithDirectory(IContact* contact, int key);
    bool isRunning() const { return m_RequestId != 0; }

    IContact* getContact() const { return m_Contact; }
    bool hasMultipleMatches() const { return m_MultipleMatches; }
    // The match's properties (empty with several matches).
    Properties::Map getProperties() const { return m_Properties; }

signals:
    // One or several matches were found.
    void syncDone();
    // No match, or the directory failed.
    void syncError();

private:
    void onSearchFinished(int requestId, const QList<Kivo::Contacts::Properties::Map>& matches);
    void onSearchFailed(int requestId, const QString& text);

    QPointer<Controllers::ContactSearchController> m_Search;
    bool m_ImAddressOnly;
    bool m_KeepExisting;
    QPointer<IContact> m_Contact;
    int m_RequestId = 0;
    bool m_MultipleMatches = false;
    Properties::Map m_Properties;
};

} // namespace Contacts
} // namespace Kivo
