import QtQuick 2.15

// The "Chat" header that folds the chat.
Rectangle {
    width: 200
    height: 24
    color: qomxStyle.colors["whiteBackground"]
}
