#pragma once

#include "libqml/window/qml_window.h"

#include <QPointer>

namespace Kivo {
namespace Sessions {
class SessionManagerBase;
}
} // namespace Kivo

namespace QML {

// The call-settings window; a call-settings-only session shows it alone.
class CallSettings : public Window
{
    Q_OBJECT

public:
    CallSettings(Kivo::Sessions::SessionManagerBase* session, QObject* services, QWidget* parent);

    Kivo::Sessions::SessionManagerBase* session() const { return m_Session; }

private:
    QPointer<Kivo::Sessions::SessionManagerBase> m_Session;
};

} // namespace QML
