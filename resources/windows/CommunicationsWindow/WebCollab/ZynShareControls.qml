import QtQuick 2.15

// The share panel: the share's state with start, pause and stop.
Rectangle {
    width: 200
    height: 60
    color: qomxStyle.colors["whiteBackground"]
}
