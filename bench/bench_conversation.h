#pragma once

#include "generated_account.h"
#include "time_until.h"

#include "Utils/window_manager_chat_helper.h"
#include "libqml/components/communications_window/communications_window.h"

#include <Kivo/Configuration/Config.h>
#include <Kivo/Contacts/Contacts.h>
#include <Kivo/Controllers/CommsSessionController.h>
#include <Kivo/Controllers/CommunicationSession.h>
#include <Kivo/Sessions/SessionManagerBase.h>
#include <Kivo/Settings.h>
#include <Kivo/Simulation/Service.h>

#include <QTemporaryDir>

#include <memory>

// A signed-in session on a generated account (`generated`: the generator's options) with a
// chat open with the account's first contact, as the window benchmarks need it; windows
// for that chat are made as the program makes them. Check ready() before use.
class BenchConversation
{
public:
    explicit BenchConversation(const QStringList& generated)
        : m_Config("config_bench.xml", Kivo::Configuration::Config::Document())
    {
        Kivo::Settings::setPath(Kivo::Settings::UserSettings, m_Folder.path());
        Kivo::Simulation::Service& service = Kivo::Simulation::Service::shared();
        service.setLatency(0);
        if (!signInGeneratedAccount(service, generated, m_Folder.filePath("account.json"), User, Password))
            return;
        m_Peer = service.contactRecords().constFirst().properties.value(Kivo::Contacts::Properties::Address).toString();

        m_Session = std::make_unique<Kivo::Sessions::SessionManagerBase>(User, "Bench", &m_Config, nullptr);
        m_Session->contactsManager()->attach(service);
        m_Helper.Initialize(m_Session->contactsManager(), m_Session.get(), nullptr,
                            new Kivo::Models::SmileysPtr(&m_Owner));

        QObject::connect(m_Session->commsSessionController(), &Kivo::Controllers::CommsSessionController::sessionCreated,
                         [this](Kivo::Controllers::CommunicationSession* created) { m_Conversation = created; });
        timeUntil([&] { m_Session->commsSessionController()->createChat(QStringList{m_Peer}); },
                  [this] { return m_Conversation && m_Conversation->getChat(); });
    }

    bool ready() const { return m_Conversation != nullptr; }
    Kivo::Controllers::CommunicationSession* conversation() const { return m_Conversation; }
    // The contact the chat is with.
    const QString& peer() const { return m_Peer; }

    // A shown window of the chat, its chat pane set up by the chat helper.
    std::unique_ptr<QML::CommunicationsWindow> makeWindow()
    {
        auto window = std::make_unique<QML::CommunicationsWindow>(m_Session.get(), m_Conversation, nullptr, false);
        window->Activate();
        m_Helper.setupChat(m_Conversation, window.get());
        window->show();
        return window;
    }

private:
    const QString User = QStringLiteral("bench@large.telvarion.net");
    const QString Password = QStringLiteral("Bench-1234");

    QTemporaryDir m_Folder;
    Kivo::Configuration::Config m_Config;
    std::unique_ptr<Kivo::Sessions::SessionManagerBase> m_Session;
    QString m_Peer;
    QObject m_Owner;
    Utils::WindowManagerChatHelper m_Helper{nullptr};
    Kivo::Controllers::CommunicationSession* m_Conversation = nullptr;
};
