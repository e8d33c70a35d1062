#pragma once

// A preferences page as a signed-in user meets it: a session of its own under a
// configuration that offers audio, video and add-ins unless the test's items say otherwise.

#include "Widgets/Preferences/preferences_widget.h"

#include <Kivo/Configuration/Config.h>
#include <Kivo/Contacts/BlfController.h>
#include <Kivo/MediaEngine/CallControllerBase.h>
#include <Kivo/MediaEngine/IMediaHandlerAudio.h>
#include <Kivo/MediaEngine/IMediaHandlerVideo.h>
#include <Kivo/Sessions/SessionManagerBase.h>
#include <Kivo/Simulation/Devices.h>
#include <Kivo/Simulation/Service.h>

#include <QComboBox>
#include <QHash>
#include <QStringList>
#include <QVariant>
#include <QWidget>

#include <memory>

// The audio devices of the machine at the start of every page.
namespace SimulatedDevice {
const QByteArray Microphone = "sim-in-microphone";
const QByteArray HeadsetMicrophone = "sim-in-headset";
const QByteArray Speakers = "sim-out-speakers";
const QByteArray HeadsetEarphones = "sim-out-headset";

inline Kivo::Simulation::Devices& machine()
{
    return Kivo::Simulation::Service::shared().devices();
}
} // namespace SimulatedDevice

inline QStringList itemTexts(const QComboBox* list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->itemText(i);
    return texts;
}

class SignedInPage
{
public:
    static constexpr int AudioEnabled = 85;
    static constexpr int VideoEnabled = 100;
    static constexpr int OutlookContactSearch = 180;
    static constexpr int AddinsEnabled = 302;
    static constexpr int OutlookCalendar = 391;

    // credentials: the store of the signed-in account; none when null.
    explicit SignedInPage(const QHash<int, QVariant>& items = {},
                          Kivo::Utils::Credentials::CredentialsManager* credentials = nullptr)
    {
        using Kivo::MediaEngine::AudioDevice;
        using namespace SimulatedDevice;
        machine().setAudioDevices({AudioDevice(Microphone, "Microphone (Simulated)"),
                                   AudioDevice(HeadsetMicrophone, "Headset Microphone (Simulated)")},
                                  {AudioDevice(Speakers, "Speakers (Simulated)"),
                                   AudioDevice(HeadsetEarphones, "Headset Earphones (Simulated)")});
        machine().setCameras({{"sim-camera-0", "Simulated Camera"}});
        makeSession(items, credentials);
        QObject::connect(audio(), &Kivo::MediaEngine::IMediaHandlerAudio::soundStarted, audio(),
                         [this](const QString& file) { m_Played << file; });
    }

    // Builds the page over the engine as the test has set it up (devices, watched lines).
    Widgets::PreferencesWidget* open(int startTab = 0, QAbstractItemModel* connectors = nullptr)
    {
        m_Page = std::make_unique<Widgets::PreferencesWidget>(m_Session.get(), nullptr, startTab, connectors, nullptr);
        m_Page->show();
        return m_Page.get();
    }
    void close() { m_Page.reset(); }

    Widgets::PreferencesWidget* page() const { return m_Page.get(); }
    Kivo::Sessions::SessionManagerBase* session() const { return m_Session.get(); }
    Kivo::MediaEngine::CallControllerBase* calls() const { return m_Session->callController(); }
    Kivo::MediaEngine::IMediaHandlerAudio* audio() const { return calls()->GetMediaHandlerAudio(); }
    Kivo::MediaEngine::IMediaHandlerVideo* video() const { return calls()->GetMediaHandlerVideo(); }
    void watchLines(const QStringList& users) { m_Session->getBlfController()->setMonitoredUsers(users); }
    // Every sound the engine started, oldest first.
    QStringList playedSounds() const { return m_Played; }

    template <typename T>
    T* find(const char* name) const
    {
        return m_Page->findChild<T*>(name);
    }

private:
    void makeSession(const QHash<int, QVariant>& items, Kivo::Utils::Credentials::CredentialsManager* credentials)
    {
        Kivo::Configuration::Config::Document document;
        document.name = "Test";
        document.items = {{AudioEnabled, true}, {VideoEnabled, true}, {AddinsEnabled, true}};
        for (auto it = items.cbegin(); it != items.cend(); ++it)
            document.items.insert(it.key(), it.value());
        m_Config = std::make_unique<Kivo::Configuration::Config>("config_test.xml", document);
        m_Session = std::make_unique<Kivo::Sessions::SessionManagerBase>("alice@demo.telvarion.net", "Alice Carter",
                                                                         m_Config.get(), credentials);
    }

    std::unique_ptr<Kivo::Configuration::Config> m_Config;
    std::unique_ptr<Kivo::Sessions::SessionManagerBase> m_Session;
    std::unique_ptr<Widgets::PreferencesWidget> m_Page;
    QStringList m_Played;
};
