#pragma once

#include <QObject>
#include <QString>

namespace QML {

// Values of the service configuration that QML scenes read. They are fixed for the
// life of the object.
class ConfigXML : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool playingFileIntoCall READ playingFileIntoCall CONSTANT)
    Q_PROPERTY(int callTransferType READ callTransferType CONSTANT)
    Q_PROPERTY(bool offlineMsgIndicatorEnabled READ offlineMsgIndicatorEnabled CONSTANT)
    Q_PROPERTY(bool conferenceBridgeAutoDetect READ conferenceBridgeAutoDetect CONSTANT)
    Q_PROPERTY(bool roomsUseQvd READ roomsUseQvd CONSTANT)
    Q_PROPERTY(bool conferenceModeratorControls READ conferenceModeratorControls CONSTANT)
    Q_PROPERTY(bool presenceEnabled READ presenceEnabled CONSTANT)
    Q_PROPERTY(bool locationEnabled READ locationEnabled CONSTANT)
    Q_PROPERTY(bool projectRoomsEnabled READ projectRoomsEnabled CONSTANT)
    Q_PROPERTY(bool voiceMailEnabled READ voiceMailEnabled CONSTANT)
    Q_PROPERTY(bool visualVoiceMailEnabled READ visualVoiceMailEnabled CONSTANT)
    Q_PROPERTY(bool bannerEnabled READ bannerEnabled CONSTANT)
    Q_PROPERTY(QString bannerUrl READ bannerUrl CONSTANT)
    Q_PROPERTY(int bannerHeight READ bannerHeight CONSTANT)

public:
    explicit ConfigXML(QObject* parent = nullptr);

    virtual bool playingFileIntoCall() const = 0;
    virtual bool offlineMsgIndicatorEnabled() const = 0;
    virtual bool conferenceBridgeAutoDetect() const = 0;
    virtual bool roomsUseQvd() const = 0;
    virtual bool conferenceModeratorControls() const = 0;
    // 0 unknown, 1 talk-first, 2 blind, 3 full.
    virtual int callTransferType() const = 0;
    virtual bool presenceEnabled() const = 0;
    virtual bool locationEnabled() const = 0;
    virtual bool projectRoomsEnabled() const = 0;
    virtual bool voiceMailEnabled() const = 0;
    virtual bool visualVoiceMailEnabled() const = 0;
    virtual bool bannerEnabled() const = 0;
    virtual QString bannerUrl() const = 0;
    virtual int bannerHeight() const = 0;
};

} // namespace QML
