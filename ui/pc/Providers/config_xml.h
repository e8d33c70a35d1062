#pragma once

#include "libqml/utils/config_xml.h"

namespace Kivo {
namespace Configuration {
class Config;
}
} // namespace Kivo

namespace Providers {

// Reads the published configuration values once, when it is made.
class ConfigXML : public QML::ConfigXML
{
    Q_OBJECT

public:
    // Without a configuration every value stays false, 0 or empty.
    explicit ConfigXML(const Kivo::Configuration::Config* config, QObject* parent = nullptr);

    bool playingFileIntoCall() const override { return m_PlayingFileIntoCall; }
    bool offlineMsgIndicatorEnabled() const override { return m_OfflineMsgIndicatorEnabled; }
    bool conferenceBridgeAutoDetect() const override { return m_ConferenceBridgeAutoDetect; }
    bool roomsUseQvd() const override { return m_RoomsUseQvd; }
    bool conferenceModeratorControls() const override { return m_ConferenceModeratorControls; }
    int callTransferType() const override { return m_CallTransferType; }
    bool presenceEnabled() const override { return m_PresenceEnabled; }
    bool locationEnabled() const override { return m_LocationEnabled; }
    bool projectRoomsEnabled() const override { return m_ProjectRoomsEnabled; }
    bool voiceMailEnabled() const override { return m_VoiceMailEnabled; }
    bool visualVoiceMailEnabled() const override { return m_VisualVoiceMailEnabled; }
    bool bannerEnabled() const override { return m_BannerEnabled; }
    QString bannerUrl() const override { return m_BannerUrl; }
    int bannerHeight() const override { return m_BannerHeight; }

private:
    bool m_PlayingFileIntoCall = false;
    bool m_OfflineMsgIndicatorEnabled = false;
    bool m_ConferenceBridgeAutoDetect = false;
    bool m_RoomsUseQvd = false;
    bool m_ConferenceModeratorControls = false;
    int m_CallTransferType = 0;
    bool m_PresenceEnabled = false;
    bool m_LocationEnabled = false;
    bool m_ProjectRoomsEnabled = false;
    bool m_VoiceMailEnabled = false;
    bool m_VisualVoiceMailEnabled = false;
    bool m_BannerEnabled = false;
    QString m_BannerUrl;
    int m_BannerHeight = 0;
};

} // namespace Providers
