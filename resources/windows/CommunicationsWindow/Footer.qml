import QtQuick 2.15

// The window's tool bar: the conversation's actions, call info, chat, mute, volume, dial pad and options.
Rectangle {
    width: 420
    height: 35
    color: qomxStyle.colors["whiteBackground"]
}
