import QtQuick 2.15
import Torvex 1.0

Item {
    width: 400
    height: 200
    property alias plain: plainCombo
    property alias login: loginCombo
    property alias commWin: commWinCombo

    ComboBox {
        id: plainCombo
        x: 10; y: 20; width: 150; height: 24
    }
    LoginComboBox {
        id: loginCombo
        x: 10; y: 60; width: 150; height: 24
    }
    CommWinNumberSelectorComboBox {
        id: commWinCombo
        x: 10; y: 100; width: 150; height: 24
    }
}
