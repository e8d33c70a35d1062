#pragma once

#include "libqml/window/qml_view.h"

#include <QRect>

namespace QML {

// A notice floating over the screen for a few seconds: the desktop is now shared.
class WebcollabSharingNotification : public View
{
    Q_OBJECT

public:
    static constexpr const char* Scene = "qrc:/windows/Notifications/WebcollabSharingNotification.qml";
    static constexpr int LifetimeMs = 3000;

    explicit WebcollabSharingNotification(QWidget* parent = nullptr);

    // Shows a new notice in the middle of the area (a screen's available area); it goes by itself.
    static WebcollabSharingNotification* showCentred(const QRect& area);
    static QPoint centredIn(const QRect& area, const QSize& size);
};

} // namespace QML
