.pragma library

// What a share's state means to the user, for the share's panel and its controls. The states
// are the engine's: 1 inviting, 2 connecting, 3 joining, 4 confirming, 5 joined, 6 sharing,
// 9 viewing; the floor holder is the one who shows the desktop, who may hold it still.
function stateText(state, floorHolder, paused) {
    switch (state) {
    case 1: return qsTr("Inviting...")
    case 2: return qsTr("Connecting...")
    case 3:
    case 4: return qsTr("Joining...")
    case 5: return floorHolder ? qsTr("Ready to share") : qsTr("Waiting for the desktop...")
    case 6:
        if (floorHolder)
            return paused ? qsTr("Your share is paused") : qsTr("You are sharing your desktop")
        return qsTr("Viewing the shared desktop")
    case 9: return paused ? qsTr("The shared desktop is paused") : qsTr("Viewing the shared desktop")
    }
    return qsTr("No desktop is shared")
}
