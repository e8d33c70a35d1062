import QtQuick 2.15

// The "Video" header that folds the video panel.
Rectangle {
    width: 200
    height: 24
    color: qomxStyle.colors["whiteBackground"]
}
