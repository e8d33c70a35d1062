#include "Providers/config_xml.h"

#include "common/constants.h"

#include <Kivo/Configuration/Config.h>

namespace Providers {

namespace {

int transferType(const QString& text)
{
    // Compared exactly: the service writes these in lower case.
    if (text == QLatin1String("talk-first"))
        return 1;
    if (text == QLatin1String("blind"))
        return 2;
    if (text == QLatin1String("full"))
        return 3;
    return 0;
}

} // namespace

ConfigXML::ConfigXML(const Kivo::Configuration::Config* config, QObject* parent)
    : QML::ConfigXML(parent)
{
    if (!config)
        return;
    namespace Item = Constants::ConfigItem;
    const auto flag = [config](int item) { return config->value(item).toBool(); };

    m_PlayingFileIntoCall = flag(Item::PlayingFileIntoCall);
    m_OfflineMsgIndicatorEnabled = flag(Item::OfflineMessageIndicatorEnabled);
    m_ConferenceBridgeAutoDetect = flag(Item::ConferenceBridgeAutoDetect);
    m_RoomsUseQvd = flag(Item::RoomsUseQvd);
    m_ConferenceModeratorControls = flag(Item::ConferenceModeratorControls);
    m_CallTransferType = transferType(config->value(Item::CallTransferType).toString());
    m_PresenceEnabled = flag(Item::PresenceEnabled);
    m_LocationEnabled = flag(Item::LocationEnabled);
    m_ProjectRoomsEnabled = flag(Item::ProjectRoomsEnabled);
    m_VoiceMailEnabled = !config->value(Item::VoiceMailNumber).toString().isEmpty();
    m_VisualVoiceMailEnabled = flag(Item::VisualVoiceMailEnabled);
    m_BannerEnabled = flag(Item::BannerEnabled);
    m_BannerUrl = config->value(Item::BannerUrl).toString();
    m_BannerHeight = config->value(Item::BannerHeight).toInt();
}

} // namespace Providers
