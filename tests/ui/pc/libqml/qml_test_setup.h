#pragma once

// What every test of the QML toolkit needs once per process: the compiled-in scenes,
// the registered types and the one style object the scenes read.

#include "libqml/register_qml_types.h"
#include "libqml/utils/style.h"

#include <QtGlobal>

inline void initTelvarionResources()
{
    Q_INIT_RESOURCE(telvarion_ui);
}

namespace QmlTestSetup {

inline void prepare()
{
    initTelvarionResources();
    registerQmlTypes();
    if (!QML::Style::instance())
        new QML::Style(nullptr);
}

} // namespace QmlTestSetup
