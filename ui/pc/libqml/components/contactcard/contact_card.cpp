#include "libqml/components/contactcard/contact_card.h"

#include "common/constants.h"
#include "common/logging.h"
#include "Dialogs/message_window.h"
#include "libqml/components/contactcard/contact_card_values.h"
#include "libqml/window/qml_view.h"
#include "Models/contact_card_fields_model.h"
#include "Models/ringer_model.h"
#include "Providers/factory.h"
#include "Utils/presence_helper.h"
#include "Utils/windowmanager.h"

#include <Kivo/Actions/Action.h>
#include <Kivo/Actions/ActionData.h>
#include <Kivo/Actions/Provider.h>
#include <Kivo/Configuration/Config.h>
#include <Kivo/Contacts/ContactSynchronizer.h>
#include <Kivo/Settings.h>

#include <QKeySequence>
#include <QQmlContext>
#include <QShortcut>

#include <algorithm>
#include <iterator>

namespace QML {

namespace {

using Kivo::Contacts::IContact;
namespace Properties = Kivo::Contacts::Properties;
using Fields = Models::FieldData;

constexpr const char* Scene = "qrc:/windows/ContactCard/ContactCard.qml";

// The fields whose leaving starts a directory look-up, and the property it goes by.
Properties::Key syncKeyOf(int fieldType)
{
    static constexpr int SyncFields[] = {Fields::WorkPhoneField,     Fields::ExtensionField, Fields::MobilePhoneField,
                                         Fields::PersonalPhoneField, Fields::EmailField,     Fields::JidField};
    const bool syncs = std::find(std::begin(SyncFields), std::end(SyncFields), fieldType) != std::end(SyncFields);
    return syncs ? ContactCardValues::keyOf(fieldType) : Properties::None;
}

bool sameValue(const QVariant& a, const QVariant& b)
{
    return a.toString() == b.toString();
}

} // namespace

ContactCard::ContactCard(Kivo::Utils::SharedPointer<Kivo::Contacts::Contacts> contacts, IContact* contact,
                         const Kivo::Configuration::Config* config, Providers::Factory* factory,
                         Kivo::Controllers::ContactSearchController* contactSearch, bool alwaysOnTop,
                         QWidget* parent)
    : ContactCard(false, contacts, contact, config, factory, contactSearch, alwaysOnTop, parent)
{
}

ContactCard::ContactCard(bool conference, Kivo::Utils::SharedPointer<Kivo::Contacts::Contacts> contacts,
                         IContact* contact, const Kivo::Configuration::Config* config, Providers::Factory* factory,
                         Kivo::Controllers::ContactSearchController* contactSearch, bool alwaysOnTop,
                         QWidget* parent)
    : Window(alwaysOnTop, parent)
    , m_Contacts(contacts)
    , m_Config(config)
    , m_Factory(factory)
    , m_Fields(new Models::ContactCardFieldsModel(config, this))
    , m_Values(new ContactCardValues(m_Fields, this))
    , m_RingerModel(new Models::RingerModel(this))
{
    Kivo::Contacts::Contacts* list = m_Contacts.data();
    using Action = Kivo::Actions::Action;
    QList<int> accepted{Action::Chat, Action::Call, Action::CallFromPhone, Action::VideoCall};
    IContact* chosen = nullptr;
    bool syncable = true;
    if (contact && !contact->isTemporary() && !contact->isSearchResult()) {
        chosen = contact;
    } else if (IContact* stored = (contact && list) ? list->findByAddress(contact->getAddress()) : nullptr) {
        chosen = stored;
    } else {
        // A new contact lives with the card until the list stores a copy of it.
        chosen = list ? list->createTemporaryContact(this) : new IContact(-1, QString(), this);
        if (contact) {
            chosen->updateProperties(contact->properties());
            syncable = false;
        } else {
            m_AddMode = true;
        }
        if (conference)
            chosen->setProperty(Properties::Conference, true);
        accepted.append(Action::AddContact);
    }
    if (m_Factory) {
        m_ActionsProvider = m_Factory->createActionsProvider(this, true);
        m_ActionsProvider->setAcceptedActions(accepted, true);
        connect(m_ActionsProvider, &Kivo::Actions::Provider::actionTriggered, this,
                &ContactCard::contactActionTriggered);
    }
    useContact(chosen);

    m_SyncingPossible = syncable && list && !list->isReadOnly() && contactSearch && !readOnlyMode();
    if (m_SyncingPossible) {
        m_Synchronizer = new Kivo::Contacts::ContactSynchronizer(contactSearch, xmppEnabled(), false, this);
        connect(m_Synchronizer, &Kivo::Contacts::ContactSynchronizer::syncDone, this, &ContactCard::onSyncDone);
        connect(m_Synchronizer, &Kivo::Contacts::ContactSynchronizer::syncError, this, [this] {
            if (!m_AddPending)
                setSyncingPossible(false);
        });
        if (!m_AddMode)
            m_Synchronizer->syncWithDirectory(m_Contact, 0);
    }

    if (list) {
        connect(list, &Kivo::Contacts::Contacts::requestFailed, this, &ContactCard::onRequestFailed);
        connect(list, &Kivo::Contacts::Contacts::contactStored, this, &ContactCard::onContactStored);
        connect(list, &Kivo::Contacts::Contacts::contactRemoved, this, &ContactCard::onContactRemoved);
        connect(list, &Kivo::Contacts::Contacts::groupAdded, this, [this](Kivo::Contacts::GroupPtr group) {
            connect(group, &Kivo::Contacts::IGroup::nameChanged, this, &ContactCard::detailsChanged);
            emit detailsChanged();
        });
        connect(list, &Kivo::Contacts::Contacts::groupRemoved, this, &ContactCard::detailsChanged);
        for (const Kivo::Contacts::IGroup* group : list->groups())
            connect(group, &Kivo::Contacts::IGroup::nameChanged, this, &ContactCard::detailsChanged);
    }

    updateTitle();
    auto* closeShortcut = new QShortcut(QKeySequence(QKeySequence::Close), this);
    connect(closeShortcut, &QShortcut::activated, this, &QWidget::close);
    resize(minimumWindowSize());
}

ContactCard::~ContactCard() = default;

bool ContactCard::activate()
{
    QObject* presenceHelper = m_Factory ? m_Factory->presenceHelper() : nullptr;
    view()->rootContext()->setContextProperty(Constants::ContextProperty::PresenceHelper, presenceHelper);
    view()->rootContext()->setContextProperty(Constants::ContextProperty::RingerModel, m_RingerModel);
    const bool loaded = loadQML(QLatin1String(Scene));
    if (!loaded)
        LOG_ERROR << "Loading " << Scene << " failed";
    Utils::WindowManager::positionCascadingWindow(this);
    return loaded;
}

void ContactCard::useContact(IContact* contact)
{
    if (m_Contact)
        m_Contact->disconnect(this);
    m_Contact = contact;
    if (m_ActionsProvider)
        m_ActionsProvider->setActionSource(contact);
    if (contact) {
        connect(contact, &IContact::displayNameChanged, this, &ContactCard::updateTitle);
        connect(contact, &IContact::changed, this, &ContactCard::onContactChanged);
    }
    m_Values->load(contact);
    emit contactChanged();
    emit detailsChanged();
}

void ContactCard::setAddMode(bool on)
{
    m_AddMode = on;
    updateTitle();
    emit addModeChanged();
}

void ContactCard::setEditMode(bool on)
{
    if (on && readOnlyMode()) {
        LOG_INFO << "A read-only contact is not edited";
        return;
    }
    m_EditMode = on;
    if (on)
        m_Values->load(m_Contact);
    emit editModeChanged();
    QMetaObject::invokeMethod(this, &ContactCard::groupingsChanged, Qt::QueuedConnection);
}

bool ContactCard::readOnlyMode() const
{
    return !m_Contacts || m_Contacts->isReadOnly() || (m_Contact && m_Contact->getId() == 0);
}

bool ContactCard::xmppEnabled() const
{
    return m_Config && m_Config->value(XmppItem).toBool();
}

bool ContactCard::isConference() const
{
    return m_Contact && m_Contact->getProperty(Properties::Conference).toBool();
}

bool ContactCard::directoryMatchIsAutomatic() const
{
    return m_Config && m_Config->value(DirectoryMatchItem).toString() == QLatin1String("automatic");
}

bool ContactCard::alwaysOnTop() const
{
    return m_Factory && m_Factory->isAlwaysOnTop();
}

QAbstractItemModel* ContactCard::fieldsModel() const
{
    return m_Fields;
}

QAbstractItemModel* ContactCard::actionsProvider() const
{
    return m_ActionsProvider;
}

QObject* ContactCard::fieldValues() const
{
    return m_Values;
}

QString ContactCard::groupNames() const
{
    if (!m_Contact || !m_Contacts)
        return QString();
    QStringList names;
    for (int id : m_Contact->groupIds()) {
        if (const Kivo::Contacts::IGroup* group = m_Contacts->getGroup(id))
            names.append(group->getName());
    }
    return names.join(QStringLiteral(", "));
}

QString ContactCard::availabilityText() const
{
    if (!m_Contact || m_Contact->isTemporary())
        return QString();
    const int presence = m_Contact->presenceState();
    if (m_Factory && m_Factory->presenceHelper())
        return m_Factory->presenceHelper()->availabilityText(presence);
    switch (presence) {
    case 1:
        return tr("Pending");
    case 2:
    case 3:
        return tr("Offline");
    case 4:
    case 5:
    case 6:
        return tr("Away");
    case 7:
    case 10:
        return tr("Available");
    case 8:
        return tr("On the desk phone");
    case 9:
        return tr("On the mobile");
    case 12:
    case 13:
        return tr("In a meeting");
    case 14:
    case 15:
        return tr("In a call");
    case 18:
    case 19:
        return tr("Do not disturb");
    case 11:
    case 16:
    case 17:
        return tr("Busy");
    default:
        return tr("Presence unknown");
    }
}

QString ContactCard::helpContext() const
{
    if (m_AddMode)
        return isConference() ? QStringLiteral("addConference") : QStringLiteral("addContact");
    return QStringLiteral("editContact");
}

QSize ContactCard::minimumWindowSize() const
{
    return QSize(MinimumWidth, MinimumHeight);
}

QString ContactCard::shownName(const QString& name)
{
    // The same question is asked from the contact list's menu: the name is cut the same way.
    return Providers::Factory::shownName(name);
}

void ContactCard::updateTitle()
{
    if (m_AddMode && !readOnlyMode())
        setTitle(isConference() ? tr("Add Conference Contact") : tr("Add Contact"));
    else if (m_Contact)
        setTitle(m_Contact->getDisplayName());
}

void ContactCard::setPending(Pending pending)
{
    if (pending == m_Pending)
        return;
    m_Pending = pending;
    emit busyChanged();
}

void ContactCard::setErrorText(const QString& text)
{
    if (text == m_ErrorText)
        return;
    m_ErrorText = text;
    emit errorTextChanged();
}

void ContactCard::setSyncingPossible(bool possible)
{
    if (possible == m_SyncingPossible)
        return;
    m_SyncingPossible = possible;
    emit syncingPossibleChanged();
}

void ContactCard::showMessageBox(const QString& title, const QString& text)
{
    Dialogs::MessageWindow::showWarning(title, text, alwaysOnTop());
}

bool ContactCard::checkIfContactExists()
{
    if (!m_Contact || !m_Contacts)
        return false;
    IContact* found = m_Contacts->findByAddress(m_Contact->getProperty(Properties::Jid).toString());
    if (!found)
        found = m_Contacts->findByAddress(m_Contact->getAddress());
    if (!found || found == m_Contact || found->isTemporary())
        return false;
    Dialogs::MessageWindow* box = Dialogs::MessageWindow::showInformation(
        tr("Error Adding Contact"),
        tr("A contact in your contact list with the same IM Address has been found (%1). Please enter a different "
           "IM Address to add a new contact.")
            .arg(found->getDisplayName()),
        alwaysOnTop());
    if (box && !m_Contact->isSearchResult())
        connect(box, &Dialogs::MessageWindow::messageAccepted, this, &ContactCard::clearContactJid);
    return true;
}

void ContactCard::clearContactJid()
{
    if (!m_Contact || m_Contact->isStored())
        return;
    m_Contact->updateProperties({{Properties::Jid, QString()}, {Properties::Address, QString()}});
    m_Values->load(m_Contact);
}

void ContactCard::save()
{
    if (m_AddMode) {
        addContact();
        return;
    }
    if (!m_EditMode || !m_Contact || isBusy())
        return;
    const Properties::Map changes = m_Values->changes(*m_Contact);
    if (readOnlyMode() || changes.isEmpty()) {
        setEditMode(false);
        return;
    }
    setErrorText(QString());
    if (!m_Contact->isStored()) {
        m_Contact->updateProperties(changes);
        setEditMode(false);
        return;
    }
    m_Saved = changes;
    setPending(Pending::Saving);
    m_Contact->updateProperties(changes);
}

void ContactCard::cancel()
{
    if (m_AddMode) {
        close();
        return;
    }
    setErrorText(QString());
    setEditMode(false);
    m_Values->load(m_Contact);
}

void ContactCard::addContact()
{
    if (!m_Contact || isBusy())
        return;
    if (!m_Values->hasText()) {
        setErrorText(tr("Enter a name, an address or a number."));
        return;
    }
    setErrorText(QString());
    Properties::Map values = m_Values->values();
    // The IM address reaches the contact unless it has an address of its own.
    if (values.value(Properties::Address).toString().isEmpty())
        values.insert(Properties::Address, values.value(Properties::Jid));
    m_Contact->updateProperties(values);
    if (checkIfContactExists())
        return;
    if (directoryMatchIsAutomatic())
        setAddMode(false);
    if (m_SyncingPossible && !m_AddPending) {
        m_AddPending = true;
        connect(m_Synchronizer, &Kivo::Contacts::ContactSynchronizer::syncError, this, &ContactCard::addContact,
                Qt::UniqueConnection);
        setSyncingPossible(false);
        if (!m_Synchronizer->syncWithDirectory(m_Contact, 0))
            addToList();
        return;
    }
    addToList();
}

void ContactCard::addToList()
{
    if (!m_Contacts || !m_Contact) {
        setErrorText(tr("The contact list is not available."));
        return;
    }
    if (!m_Contact->isTemporary()) {
        emit contactAdded();
        close();
        return;
    }
    if (!m_ActionsProvider || !m_ActionsProvider->triggerAction(Kivo::Actions::Action::AddContact))
        setErrorText(tr("The contact cannot be added."));
}

void ContactCard::contactActionTriggered(Kivo::Actions::ActionData& data, Kivo::Actions::Source&)
{
    // The engine asked the service to store the contact: the card waits for its answer and
    // announces the addition once the contact is stored.
    if (data.getId() == Kivo::Actions::Action::AddContact && m_Contact && m_Contact->isTemporary())
        setPending(Pending::Adding);
}

void ContactCard::toggleFavorite()
{
    if (!m_Contact || !m_Contact->isStored() || readOnlyMode())
        return;
    if (m_Contact->isFavorite())
        m_Contacts->removeFavorite(m_Contact->getId());
    else
        m_Contacts->addFavorite(m_Contact->getId());
}

void ContactCard::deleteContact()
{
    if (!m_Contact || !m_Contact->isStored() || readOnlyMode() || isBusy())
        return;
    const bool confirm =
        Kivo::Settings(Kivo::Settings::UserSettings).value(Constants::SettingsKey::ConfirmRemoveContact, true).toBool();
    if (confirm) {
        const QPointer<ContactCard> self(this);
        const int answer = Dialogs::MessageWindow::question(
            tr("Confirm Deletion"),
            tr("Are you sure you want to remove %1 from your contact list?").arg(shownName(m_Contact->getDisplayName())),
            true, alwaysOnTop(), QDialogButtonBox::Yes | QDialogButtonBox::No, nullptr, QDialogButtonBox::No);
        // The question runs its own event loop: the card or its contact may be gone after it.
        if (!self || !m_Contact || answer != 1)
            return;
    }
    setErrorText(QString());
    setPending(Pending::Removing);
    m_Contacts->removeContact(m_Contact);
}

void ContactCard::importFromDirectory()
{
    if (!m_Synchronizer)
        return;
    QString title;
    QString text;
    if (m_AddMode) {
        const Properties::Map match = m_Synchronizer->getProperties();
        title = tr("Match Found");
        text = (xmppEnabled() ? tr("A matching contact with the same IM Address was found in the directory. Do you "
                                   "want to overwrite this contact's information with the information of %1 %2 "
                                   "from the directory?")
                              : tr("A matching contact with the same contact information was found in the "
                                   "directory. Do you want to overwrite this contact's information with the "
                                   "information of %1 %2 from the directory?"))
                   .arg(match.value(Properties::FirstName).toString(), match.value(Properties::LastName).toString());
    } else {
        title = tr("Import Information");
        text = tr("Do you want to overwrite this contact's information with the information from the directory?");
    }
    Dialogs::MessageWindow* box =
        Dialogs::MessageWindow::showQuestion(title, text, alwaysOnTop(), QDialogButtonBox::No);
    if (!box)
        return;
    box->addButton(tr("Overwrite"), QDialogButtonBox::YesRole, true);
    connect(box, &Dialogs::MessageWindow::accepted, this,
            [this](bool accepted, bool) { matchFoundDialogAnswered(accepted); });
}

void ContactCard::matchFoundDialogAnswered(bool overwrite)
{
    if (!overwrite) {
        if (m_AddPending)
            addContact();
        return;
    }
    if (!m_Contact || !m_Synchronizer)
        return;
    m_Contact->updateProperties(m_Synchronizer->getProperties());
    if (!m_Contact->isStored())
        m_Values->load(m_Contact);
    if (m_ImportFromDirectoryPossible) {
        m_ImportFromDirectoryPossible = false;
        emit importFromDirectoryPossibleChanged();
    }
    QMetaObject::invokeMethod(this, &ContactCard::groupingsChanged, Qt::QueuedConnection);
}

void ContactCard::trySyncing(int fieldType)
{
    if (!m_AddMode || !m_SyncingPossible || !m_Synchronizer || !m_Contact)
        return;
    const Properties::Key key = syncKeyOf(fieldType);
    if (key == Properties::None)
        return;
    m_Contact->setProperty(key, m_Values->valueOf(fieldType).trimmed());
    if (xmppEnabled() && (fieldType != Fields::JidField || checkIfContactExists()))
        return;
    m_Synchronizer->syncWithDirectory(m_Contact, key);
}

void ContactCard::onSyncDone()
{
    if (m_Synchronizer->hasMultipleMatches()) {
        if (m_AddPending)
            addContact();
        else if (m_AddMode)
            Dialogs::MessageWindow::showInformation(
                tr("Multiple Matches Found"),
                tr("Multiple matching contacts were found in the directory. To make sure you import the correct "
                   "information, please search the directory by name and add a contact from the search results."),
                alwaysOnTop());
        return;
    }
    if (directoryMatchIsAutomatic()) {
        matchFoundDialogAnswered(true);
        if (m_AddPending)
            addToList();
    } else if (m_AddMode) {
        importFromDirectory();
    } else if (!m_ImportFromDirectoryPossible && m_Contact) {
        // Offered only when the directory knows something the contact does not.
        const Properties::Map match = m_Synchronizer->getProperties();
        const bool news = std::any_of(match.keyBegin(), match.keyEnd(), [this, &match](Properties::Key key) {
            return !sameValue(m_Contact->getProperty(key), match.value(key));
        });
        if (news) {
            m_ImportFromDirectoryPossible = true;
            emit importFromDirectoryPossibleChanged();
        }
    }
    setSyncingPossible(false);
}

void ContactCard::onContactChanged()
{
    if (m_Pending == Pending::Saving) {
        const bool saved = std::all_of(m_Saved.keyBegin(), m_Saved.keyEnd(), [this](Properties::Key key) {
            return sameValue(m_Contact->getProperty(key), m_Saved.value(key));
        });
        if (saved) {
            setPending(Pending::Nothing);
            setEditMode(false);
        }
    }
    if (!m_EditMode && (!m_AddMode || !m_Contact->isTemporary()))
        m_Values->load(m_Contact);
    emit detailsChanged();
}

void ContactCard::onRequestFailed(int id, const QString& text)
{
    if (!m_Contact || id != m_Contact->getId())
        return;
    setPending(Pending::Nothing);
    setErrorText(text);
}

void ContactCard::onContactStored(int temporaryId, IContact* contact)
{
    if (m_Pending != Pending::Adding || !m_Contact || temporaryId != m_Contact->getId())
        return;
    setPending(Pending::Nothing);
    useContact(contact);
    emit contactAdded();
    close();
}

void ContactCard::onContactRemoved(int id)
{
    if (m_Contact && id == m_Contact->getId())
        close();
}

} // namespace QML
