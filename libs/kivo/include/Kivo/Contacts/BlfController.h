#pragma once

#include <QObject>

namespace Kivo {
namespace Configuration {
class Config;
}
namespace Sessions {
class SubSession;
}

namespace Contacts {

// Watches the lines of the users whom the signed-in user monitors (busy lamp field). It is
// ready once the call connection of the session is up for the first time.
class BlfController : public QObject
{
    Q_OBJECT

public:
    // Configuration item that switches the busy lamp field on.
    static constexpr int EnabledItem = 153;

    BlfController(const Configuration::Config* config, const Sessions::SubSession* callConnection,
                  QObject* parent = nullptr);

    bool isEnabled() const { return m_Enabled; }
    bool isReady() const { return m_Ready; }

signals:
    void blfControllerReady();

private:
    void onCallConnectionState(int state);

    bool m_Enabled;
    bool m_Ready = false;
};

} // namespace Contacts
} // namespace Kivo
