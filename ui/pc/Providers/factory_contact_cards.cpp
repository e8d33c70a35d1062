#include "Providers/factory.h"

#include "application.h"
#include "common/connect_check.h"
#include "libqml/components/contactcard/contact_card.h"
#include "libqml/components/mainwindow/main_window.h"

#include <Kivo/Contacts/IContact.h>
#include <Kivo/Sessions/SessionManagerBase.h>

namespace Providers {

void Factory::showContactCard(bool, Kivo::Contacts::IContact* contact, bool edit)
{
    if (contact) {
        if (auto* open = qobject_cast<QML::ContactCard*>(m_ContactCards.value(contact->getId()))) {
            if (edit)
                open->setEditMode(true);
            open->raise();
            return;
        }
    }
    Kivo::Sessions::SessionManagerBase* current = session();
    auto* card = new QML::ContactCard(m_Contacts, contact, current ? current->getConfig() : nullptr, this,
                                      current ? current->contactSearchController() : nullptr, isAlwaysOnTop());
    if (edit)
        card->setEditMode(true);
    else if (contact && !contact->isStored())
        card->setAddMode(true);
    card->activate();
    card->show();
    if (Kivo::Contacts::IContact* shown = card->contact())
        m_ContactCards.insert(shown->getId(), card);
    CHECKED_CONNECT(card, SIGNAL(destroyed(QObject*)), this, SLOT(contactCardClosed(QObject*)));
    if (auto* application = qobject_cast<Application*>(QCoreApplication::instance())) {
        if (QML::MainWindow* mainWindow = application->mainWindow())
            CHECKED_CONNECT(card, SIGNAL(contactAdded()), mainWindow, SLOT(showContactList()));
    }
}

void Factory::showContactCard(bool unused, Kivo::Contacts::IContact* contact)
{
    showContactCard(unused, contact, false);
}

void Factory::showContactCard(bool unused)
{
    showContactCard(unused, nullptr, false);
}

void Factory::showContactCard()
{
    showContactCard(true, nullptr, false);
}

void Factory::contactCardClosed(QObject* window)
{
    for (auto it = m_ContactCards.begin(); it != m_ContactCards.end(); ++it) {
        if (it.value() == window) {
            m_ContactCards.erase(it);
            return;
        }
    }
}

} // namespace Providers
