import QtQuick 2.15
import QtMultimedia 5.15
import Marlowane 1.0

Item {
    width: 320
    height: 240
    property alias voiceMail: voiceMailVideo
    property alias player: mediaPlayer

    VoiceMailVideo {
        id: voiceMailVideo
        anchors.fill: parent
    }
    MediaPlayer {
        id: mediaPlayer
        videoOutput: voiceMailVideo.video
    }
}
