import QtQuick 2.15
import Torvex 1.0
import "../../../controls"

// Picks whom a call goes to: a contact found by typing part of its name, with the number
// to use, or a number or address typed in; the first button takes it, and the attended
// buttons call the contact first.
Rectangle {
    id: panel

    property string title
    property string firstButtonText
    property string firstButtonTip
    property bool firstButtonShown: true
    // The consultation calls of a transfer: talk to the contact first.
    property bool attendedShown: false
    property bool clearAfterAction: false
    property alias searchText: search.text
    property alias firstButton: firstButton
    // The contact taken from the list; -1 for a number typed in.
    property int contactId: -1
    property var numberChoices: []
    property int numberIndex: -1
    readonly property string numberText: numberIndex >= 0 && numberIndex < numberChoices.length
                                         ? numberChoices[numberIndex] : ""
    property bool listOpen: false
    property bool numberListOpen: false

    readonly property QtObject contacts: rootWindow.contactModel
    readonly property QtObject session: rootWindow.session
    readonly property QtObject call: session ? session.call : null
    readonly property bool vyxCall: call !== null && (call.callType === Call.VyxCall || call.callType === Call.VyxConference)
    readonly property bool secondCallUp: session !== null && session.hasAssociatedSecondCall
    readonly property var videoAction: rootWindow.actionsProvider ? rootWindow.actionsProvider.getActionAsVariant(6) : null

    signal firstButtonClicked(string number, int contactId)
    signal cancel()

    color: qomxStyle.colors["whiteBackground"]

    // The number the buttons use: the number field's choice, else what was typed (which
    // then names no contact). "Work: 123" and the like keep what follows the separator.
    function chosenNumber() {
        var number = numberText
        if (number === "") {
            number = search.text.trim()
            contactId = -1
        }
        var separator = ": "
        if (number.indexOf("sip:") < 0 && number.indexOf(separator) >= 0)
            number = number.substring(number.indexOf(separator) + separator.length)
        return number
    }
    function run() {
        if (!firstButton.enabled || !firstButton.visible)
            return
        var number = chosenNumber()
        if (number === "")
            return
        panel.firstButtonClicked(number, contactId)
        if (panel.clearAfterAction)
            clear()
    }
    function callFirst(audio) {
        var number = chosenNumber()
        if (number !== "" && session)
            session.createSecondCall(number, audio)
    }
    function clear() {
        taking = true
        search.text = ""
        taking = false
        contactId = -1
        numberChoices = []
        numberIndex = -1
        listOpen = false
        numberListOpen = false
    }
    function closeLists() {
        listOpen = false
        numberListOpen = false
    }

    // While a contact is taken the search field's new text is no search.
    property bool taking: false
    function take(row) {
        var item = matches.itemAtIndex(row)
        if (!item)
            return
        taking = true
        search.text = item.name
        taking = false
        contactId = item.identifier
        numberChoices = rootWindow.contactNumberChoices(item.identifier)
        numberIndex = numberChoices.length > 0 ? 0 : -1
        listOpen = false
        firstButtonOrAttended().forceActiveFocus()
    }
    function firstButtonOrAttended() {
        if (firstButton.visible)
            return firstButton
        return attendedAudio.visible ? attendedAudio : search
    }

    onVisibleChanged: if (!visible) closeLists()

    Text {
        id: titleText
        objectName: "panelTitle"
        x: 10
        y: 8
        font.family: qomxStyle.fontFamily
        font.pixelSize: 13
        font.bold: true
        color: qomxStyle.colors["darkText"]
        text: panel.title
    }

    TextButton {
        id: cancelButton
        objectName: "cancelButton"
        anchors.verticalCenter: titleText.verticalCenter
        anchors.right: parent.right
        anchors.rightMargin: 10
        width: 80
        height: 24
        fontPixelSize: 12
        normalColor: qomxStyle.colors["listSecondLineText"]
        hoverColor: qomxStyle.colors["darkText"]
        text: qsTr("Cancel") + rootView.languageChangeProperty
        onClicked: {
            panel.clear()
            panel.cancel()
        }
    }

    BackgroundTextInput {
        id: search
        objectName: "searchField"
        x: 10
        anchors.top: cancelButton.bottom
        anchors.topMargin: 8
        width: panel.width - number.width - (firstButton.visible ? firstButton.width + 10 : 0) - 40
        framed: true
        enabled: !panel.secondCallUp
        placeholderText: qsTr("Search and Dial") + rootView.languageChangeProperty
        focus: panel.visible
        onTextChanged: {
            if (panel.taking)
                return
            // A changed text names no contact taken before.
            panel.contactId = -1
            panel.numberChoices = []
            panel.numberIndex = -1
            rootWindow.searchTextChanged(text)
            matches.currentIndex = -1
            panel.listOpen = text.length > 0 && panel.contacts !== null && panel.contacts.count > 0
        }
        onRightClicked: rootWindow.openTextFieldMenu()

        Keys.onDownPressed: {
            if (!panel.listOpen)
                return
            matches.currentIndex = Math.min(matches.count - 1, matches.currentIndex + 1)
        }
        Keys.onUpPressed: {
            if (!panel.listOpen)
                return
            matches.currentIndex = matches.currentIndex < 0 ? matches.count - 1 : Math.max(0, matches.currentIndex - 1)
        }
        Keys.onEscapePressed: function(event) {
            event.accepted = panel.listOpen || panel.numberListOpen
            panel.closeLists()
        }
        Keys.onReturnPressed: search.enterPressed()
        Keys.onEnterPressed: search.enterPressed()
        function enterPressed() {
            if (panel.listOpen && matches.currentIndex >= 0) {
                panel.take(matches.currentIndex)
            } else if (panel.listOpen && text.trim() !== "") {
                panel.listOpen = false
                panel.firstButtonOrAttended().forceActiveFocus()
            } else if (text.trim() !== "") {
                panel.run()
            }
        }
    }

    // The number of the contact taken: its address and each number it has.
    Rectangle {
        id: number
        objectName: "numberField"
        anchors { left: search.right; leftMargin: 10; verticalCenter: search.verticalCenter }
        width: 150
        height: search.height
        radius: 3
        color: qomxStyle.colors["inputFieldBackground"]
        border.width: 1
        border.color: qomxStyle.colors["loginDivider"]
        enabled: !panel.secondCallUp && panel.numberChoices.length > 0
        opacity: enabled ? 1 : 0.5

        Text {
            objectName: "numberFieldText"
            anchors { left: parent.left; leftMargin: 8; right: arrow.left; rightMargin: 4; verticalCenter: parent.verticalCenter }
            elide: Text.ElideRight
            textFormat: Text.PlainText
            text: panel.numberText
            color: qomxStyle.colors["loginDarkText"]
            font.family: qomxStyle.fontFamily
            font.pixelSize: 12
        }
        // A small downward triangle.
        Canvas {
            id: arrow
            anchors { right: parent.right; rightMargin: 8; verticalCenter: parent.verticalCenter }
            width: 8
            height: 5
            onPaint: {
                var ctx = getContext("2d")
                ctx.reset()
                ctx.fillStyle = qomxStyle.colors["darkText"]
                ctx.beginPath()
                ctx.moveTo(0, 0)
                ctx.lineTo(width, 0)
                ctx.lineTo(width / 2, height)
                ctx.closePath()
                ctx.fill()
            }
        }
        MouseArea {
            anchors.fill: parent
            cursorShape: Qt.PointingHandCursor
            onClicked: {
                panel.listOpen = false
                panel.numberListOpen = !panel.numberListOpen
            }
        }
    }

    TextButton {
        id: firstButton
        objectName: "firstButton"
        visible: panel.firstButtonShown
        anchors.verticalCenter: search.verticalCenter
        anchors.right: parent.right
        anchors.rightMargin: 10
        width: 120
        height: 28
        text: panel.firstButtonText
        toolTip: panel.firstButtonTip
        enabled: search.text.trim() !== "" && !panel.listOpen
        onClicked: panel.run()
    }

    Row {
        objectName: "attendedButtons"
        visible: panel.attendedShown
        anchors { left: search.left; top: search.bottom; topMargin: 8 }
        spacing: 10

        TextButton {
            id: attendedAudio
            objectName: "attendedAudioButton"
            width: panel.vyxCall ? 190 : 130
            height: 28
            fontPixelSize: 12
            text: (panel.vyxCall ? qsTr("Attended Audio from Phone") : qsTr("Attended Audio")) + rootView.languageChangeProperty
            toolTip: qsTr("Audio call to selected contact") + rootView.languageChangeProperty
            enabled: !panel.secondCallUp && search.text.trim() !== "" && !panel.listOpen
            onClicked: panel.callFirst(true)
        }
        TextButton {
            objectName: "attendedVideoButton"
            visible: !panel.vyxCall && panel.videoAction !== null && panel.videoAction !== undefined
            width: 130
            height: 28
            fontPixelSize: 12
            text: qsTr("Attended Video") + rootView.languageChangeProperty
            toolTip: qsTr("Video call to selected contact") + rootView.languageChangeProperty
            enabled: visible && panel.videoAction.enabled && !panel.secondCallUp && search.text.trim() !== ""
                     && !panel.listOpen
            onClicked: panel.callFirst(false)
        }
    }

    // The contacts that match what is typed, under the search field, three rows at most.
    Rectangle {
        objectName: "contactList"
        visible: panel.listOpen
        z: 10
        anchors { left: search.left; top: search.bottom }
        width: search.width
        height: Math.min(matches.count, 3) * 18 + 2
        color: qomxStyle.colors["whiteBackground"]
        border.width: 1
        border.color: qomxStyle.colors["mediumDivider"]

        ListView {
            id: matches
            anchors.fill: parent
            anchors.margins: 1
            clip: true
            model: panel.contacts
            currentIndex: -1
            highlightMoveDuration: 0
            delegate: Rectangle {
                readonly property string name: model.displayName
                readonly property int identifier: model.contactId
                objectName: "contactMatch_" + model.displayName
                width: ListView.view.width
                height: 18
                color: ListView.isCurrentItem || hover.containsMouse ? qomxStyle.colors["hoverButton"] : "transparent"
                Text {
                    anchors { left: parent.left; leftMargin: 8; right: parent.right; verticalCenter: parent.verticalCenter }
                    elide: Text.ElideRight
                    textFormat: Text.PlainText
                    text: model.displayName
                    color: qomxStyle.colors["darkText"]
                    font.family: qomxStyle.fontFamily
                    font.pixelSize: 12
                }
                MouseArea {
                    id: hover
                    anchors.fill: parent
                    hoverEnabled: true
                    onClicked: panel.take(index)
                }
            }
        }
    }

    // The choices of the number field, under it.
    Rectangle {
        objectName: "numberList"
        visible: panel.numberListOpen
        z: 10
        anchors { left: number.left; top: number.bottom }
        width: number.width
        height: Math.min(panel.numberChoices.length, 3) * 18 + 2
        color: qomxStyle.colors["whiteBackground"]
        border.width: 1
        border.color: qomxStyle.colors["mediumDivider"]

        ListView {
            anchors.fill: parent
            anchors.margins: 1
            clip: true
            model: panel.numberChoices
            delegate: Rectangle {
                objectName: "numberChoice_" + index
                width: ListView.view.width
                height: 18
                color: index === panel.numberIndex || choiceHover.containsMouse ? qomxStyle.colors["hoverButton"] : "transparent"
                Text {
                    anchors { left: parent.left; leftMargin: 8; right: parent.right; verticalCenter: parent.verticalCenter }
                    elide: Text.ElideRight
                    textFormat: Text.PlainText
                    text: modelData
                    color: qomxStyle.colors["darkText"]
                    font.family: qomxStyle.fontFamily
                    font.pixelSize: 12
                }
                MouseArea {
                    id: choiceHover
                    anchors.fill: parent
                    hoverEnabled: true
                    onClicked: {
                        panel.numberIndex = index
                        panel.numberListOpen = false
                    }
                }
            }
        }
    }
}
