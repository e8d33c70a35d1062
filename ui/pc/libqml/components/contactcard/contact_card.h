#pragma once

#include "libqml/window/qml_window.h"

#include <Kivo/Contacts/Contacts.h>
#include <Kivo/Utils/SharedPointer.h>

#include <QPointer>

class QAbstractItemModel;

namespace Kivo {
namespace Actions {
class ActionData;
class Provider;
class Source;
} // namespace Actions
namespace Configuration {
class Config;
}
namespace Contacts {
class ContactSynchronizer;
}
namespace Controllers {
class ContactSearchController;
}
} // namespace Kivo

namespace Models {
class ContactCardFieldsModel;
class RingerModel;
}

namespace Providers {
class Factory;
}

namespace QML {

class ContactCardValues;

// Views, adds or edits one contact. Every change goes to the contact list as a request;
// the card waits for the service's answer and shows a refusal in the card. A new contact
// is added through the engine's Add Contact action of the card's actions provider, which
// needs the provider factory. The card deletes only the temporary contact it made itself,
// never a contact of the engine that it shows.
class ContactCard : public Window
{
    Q_OBJECT
    Q_PROPERTY(bool addMode READ addMode WRITE setAddMode NOTIFY addModeChanged)
    Q_PROPERTY(bool editMode READ editMode WRITE setEditMode NOTIFY editModeChanged)
    Q_PROPERTY(bool readOnlyMode READ readOnlyMode NOTIFY contactChanged)
    Q_PROPERTY(bool xmppEnabled READ xmppEnabled CONSTANT)
    Q_PROPERTY(bool conference READ isConference NOTIFY contactChanged)
    Q_PROPERTY(bool syncingPossible READ syncingPossible NOTIFY syncingPossibleChanged)
    Q_PROPERTY(bool importFromDirectoryPossible READ importFromDirectoryPossible
                   NOTIFY importFromDirectoryPossibleChanged)
    Q_PROPERTY(QAbstractItemModel* fieldsModel READ fieldsModel CONSTANT)
    // The contact's engine actions (chat, call, call from phone, video; add for a new contact).
    Q_PROPERTY(QAbstractItemModel* actionsProvider READ actionsProvider CONSTANT)
    // What the fields hold, by field type.
    Q_PROPERTY(QObject* fieldValues READ fieldValues CONSTANT)
    Q_PROPERTY(QObject* contact READ contactObject NOTIFY contactChanged)
    Q_PROPERTY(bool busy READ isBusy NOTIFY busyChanged)
    Q_PROPERTY(QString errorText READ errorText NOTIFY errorTextChanged)
    Q_PROPERTY(QString groupNames READ groupNames NOTIFY detailsChanged)
    Q_PROPERTY(QString availabilityText READ availabilityText NOTIFY detailsChanged)

public:
    static constexpr int MinimumWidth = 345;
    static constexpr int MinimumHeight = 450;
    // Configuration items: how a directory match is taken, and whether IM addresses lead.
    static constexpr int DirectoryMatchItem = 23;
    static constexpr int XmppItem = 361;

    ContactCard(Kivo::Utils::SharedPointer<Kivo::Contacts::Contacts> contacts, Kivo::Contacts::IContact* contact,
                const Kivo::Configuration::Config* config, Providers::Factory* factory,
                Kivo::Controllers::ContactSearchController* contactSearch, bool alwaysOnTop,
                QWidget* parent = nullptr);
    // With `conference` a new contact is a conference contact, with its dial-in details.
    ContactCard(bool conference, Kivo::Utils::SharedPointer<Kivo::Contacts::Contacts> contacts,
                Kivo::Contacts::IContact* contact, const Kivo::Configuration::Config* config,
                Providers::Factory* factory, Kivo::Controllers::ContactSearchController* contactSearch,
                bool alwaysOnTop, QWidget* parent = nullptr);
    ~ContactCard() override;

    // Publishes the card's objects and loads the scene; run once before the first show().
    bool activate();

    QPointer<Kivo::Contacts::IContact> contact() const { return m_Contact; }
    bool addMode() const { return m_AddMode; }
    bool editMode() const { return m_EditMode; }
    void setAddMode(bool on);
    void setEditMode(bool on);
    bool readOnlyMode() const;
    bool xmppEnabled() const;
    bool isConference() const;
    bool syncingPossible() const { return m_SyncingPossible; }
    bool importFromDirectoryPossible() const { return m_ImportFromDirectoryPossible; }
    QAbstractItemModel* fieldsModel() const;
    QAbstractItemModel* actionsProvider() const;
    QObject* fieldValues() const;
    bool isBusy() const { return m_Pending != Pending::Nothing; }
    QString errorText() const { return m_ErrorText; }
    QString groupNames() const;
    QString availabilityText() const;

    QString helpContext() const override;
    QSize minimumWindowSize() const override;

    // A name as the deletion question shows it: cut after 30 characters.
    static QString shownName(const QString& name);

    Q_INVOKABLE void showMessageBox(const QString& title, const QString& text);
    Q_INVOKABLE bool checkIfContactExists();

public slots:
    void addContact();
    // Writes the fields into the contact: in edit mode as a change of the stored contact.
    void save();
    // Add mode: closes the card; edit mode: leaves it and shows the contact again.
    void cancel();
    void toggleFavorite();
    void deleteContact();
    void importFromDirectory();
    // A sync field lost the focus in add mode.
    void trySyncing(int fieldType);

signals:
    void addModeChanged();
    void editModeChanged();
    void syncingPossibleChanged();
    void importFromDirectoryPossibleChanged();
    void contactAdded();
    void groupingsChanged();
    void contactChanged();
    void busyChanged();
    void errorTextChanged();
    void detailsChanged();

protected slots:
    void updateTitle();
    void contactActionTriggered(Kivo::Actions::ActionData& data, Kivo::Actions::Source& source);
    void onSyncDone();
    void matchFoundDialogAnswered(bool overwrite);
    void clearContactJid();

private:
    enum class Pending
    {
        Nothing,
        Saving,
        Adding,
        Removing
    };

    QObject* contactObject() const { return m_Contact; }
    void useContact(Kivo::Contacts::IContact* contact);
    void addToList();
    void setPending(Pending pending);
    void setErrorText(const QString& text);
    void setSyncingPossible(bool possible);
    bool directoryMatchIsAutomatic() const;
    bool alwaysOnTop() const;
    void onContactChanged();
    void onRequestFailed(int id, const QString& text);
    void onContactStored(int temporaryId, Kivo::Contacts::IContact* contact);
    void onContactRemoved(int id);

    QPointer<Kivo::Contacts::IContact> m_Contact;
    Kivo::Utils::SharedPointer<Kivo::Contacts::Contacts> m_Contacts;
    QPointer<const Kivo::Configuration::Config> m_Config;
    bool m_AddMode = false;
    bool m_EditMode = false;
    QPointer<Providers::Factory> m_Factory;
    Models::ContactCardFieldsModel* m_Fields;
    ContactCardValues* m_Values;
    Models::RingerModel* m_RingerModel;
    Kivo::Actions::Provider* m_ActionsProvider = nullptr;
    bool m_SyncingPossible = false;
    bool m_ImportFromDirectoryPossible = false;
    Kivo::Contacts::ContactSynchronizer* m_Synchronizer = nullptr;
    bool m_AddPending = false;
    Pending m_Pending = Pending::Nothing;
    Kivo::Contacts::Properties::Map m_Saved;
    QString m_ErrorText;
};

} // namespace QML
