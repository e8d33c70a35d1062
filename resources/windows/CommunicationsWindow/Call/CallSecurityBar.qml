import QtQuick 2.15
import Torvex 1.0

// The call's line of the security bar: whether the call is being recorded, with the buttons
// the service's recording mode allows, and the call's security classification, which a
// click changes from the menu of the classifications the service offers.
Item {
    id: bar

    property QtObject session: rootWindow.session
    property QtObject call: session ? session.call : null
    readonly property bool inCall: call !== null && call.callState !== Call.NotInACall
    readonly property var classifications: typeof callClassificationsModel !== "undefined" ? callClassificationsModel : null
    property int classificationCount: 0
    readonly property bool classified: inCall && classificationCount > 0
    // The service's modes: below 3 no recording; 3 always (pause only), 4 on request, 5 with stop.
    readonly property int recordMode: session ? session.callRecordMode : 0
    readonly property bool recordable: inCall && recordMode >= 3
    readonly property int recordingState: call ? call.recordingState : Call.NotRecording

    function countClassifications() {
        classificationCount = classifications ? classifications.rowCount() : 0
    }
    function recordingText() {
        switch (recordingState) {
        case Call.Recording: return qsTr("Recording")
        case Call.RecordingPaused: return qsTr("Recording paused")
        }
        return qsTr("Not recording")
    }
    function recordButtonText() {
        switch (recordingState) {
        case Call.Recording: return qsTr("Pause")
        case Call.RecordingPaused: return qsTr("Resume")
        }
        return qsTr("Record")
    }
    // A fresh menu each time: the window hands it over and it goes when it closes.
    function openClassifications() {
        var menu = rootWindow.callClassificationsMenu()
        if (!menu)
            return
        classMenu.menu = menu
        classMenu.setModel(classifications)
        classMenu.setInCallSecurityClassification(session ? session.callSecurityClassification : "")
        rootWindow.openMenu(menu)
    }

    implicitWidth: content.implicitWidth
    implicitHeight: 20
    visible: recordable || classified

    Component.onCompleted: countClassifications()
    Connections {
        target: bar.classifications
        ignoreUnknownSignals: true
        function onRowsInserted() { bar.countClassifications() }
        function onRowsRemoved() { bar.countClassifications() }
        function onModelReset() { bar.countClassifications() }
    }

    SecurityClassificationMenu { id: classMenu }

    Row {
        id: content
        anchors.verticalCenter: parent.verticalCenter
        spacing: 10

        Row {
            visible: bar.recordable
            spacing: 6
            anchors.verticalCenter: parent.verticalCenter
            Rectangle {
                anchors.verticalCenter: parent.verticalCenter
                width: 8
                height: 8
                radius: 4
                color: bar.recordingState === Call.Recording ? qomxStyle.colors["redText"] : qomxStyle.colors["mediumText"]
            }
            Text {
                objectName: "recordingState"
                textFormat: Text.PlainText
                anchors.verticalCenter: parent.verticalCenter
                text: bar.recordingText() + rootView.languageChangeProperty
                color: qomxStyle.colors["darkText"]
                font.family: qomxStyle.fontFamily
                font.pixelSize: 11
            }
            Repeater {
                // Record, pause or resume; stop only where the service lets the user stop.
                model: [ { name: "recordButton", shown: true },
                         { name: "recordStopButton", shown: bar.recordMode === 5 && bar.recordingState !== Call.NotRecording } ]
                delegate: Text {
                    objectName: modelData.name
                    visible: modelData.shown
                    anchors.verticalCenter: parent.verticalCenter
                    text: (index === 0 ? bar.recordButtonText() : qsTr("Stop")) + rootView.languageChangeProperty
                    color: recordArea.containsMouse ? qomxStyle.colors["hoverButton"] : qomxStyle.colors["defaultButton"]
                    font.family: qomxStyle.fontFamily
                    font.pixelSize: 11
                    font.underline: recordArea.containsMouse
                    MouseArea {
                        id: recordArea
                        anchors.fill: parent
                        hoverEnabled: true
                        cursorShape: Qt.PointingHandCursor
                        onClicked: index === 0 ? bar.session.callRecordClicked() : bar.session.callRecordStopClicked()
                    }
                }
            }
        }

        Text {
            objectName: "callSecurityClassification"
            textFormat: Text.PlainText
            visible: bar.classified
            anchors.verticalCenter: parent.verticalCenter
            text: qsTr("Call Security: %1").arg(bar.session && bar.session.callSecurityClassification.length > 0
                                                ? bar.session.callSecurityClassification : qsTr("None"))
                  + "  \u25BE" + rootView.languageChangeProperty
            color: classArea.containsMouse ? qomxStyle.colors["highlightText"] : qomxStyle.colors["darkText"]
            font.family: qomxStyle.fontFamily
            font.pixelSize: 11
            font.bold: true
            MouseArea {
                id: classArea
                anchors.fill: parent
                hoverEnabled: true
                cursorShape: Qt.PointingHandCursor
                onClicked: bar.openClassifications()
            }
        }
    }
}
