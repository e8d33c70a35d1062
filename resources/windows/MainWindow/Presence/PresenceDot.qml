import QtQuick 2.15

// A presence as a coloured dot: available, away, busy (in a call or meeting too), offline.
Rectangle {
    id: dot

    property int presence: 0

    // The engine's presence values grouped as the user tells them apart.
    function colourOf(value) {
        if (value === 7 || value === 10 || value === 8 || value === 9)
            return "#4cb050"
        if (value >= 4 && value <= 6)
            return "#f5a623"
        if (value === 11 || (value >= 12 && value <= 19))
            return "#d0312d"
        return qomxStyle.colors["lightText"]
    }

    width: 10
    height: 10
    radius: width / 2
    color: colourOf(presence)
    border.width: 1
    border.color: qomxStyle.colors["whiteBackground"]
}
