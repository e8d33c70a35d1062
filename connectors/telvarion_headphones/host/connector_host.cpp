#include "connector_host.h"

#include <dlfcn.h>

namespace Host {

ConnectorHost::~ConnectorHost()
{
    // A connector still running cannot be unloaded under its own feet.
    if (m_Thread.joinable())
        m_Thread.detach();
    else if (m_Library)
        dlclose(m_Library);
}

bool ConnectorHost::load(const std::string& path)
{
    m_Library = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!m_Library) {
        const char* reason = dlerror();
        m_Error = reason ? reason : "cannot load " + path;
        return false;
    }
    m_Entry = reinterpret_cast<EntryPoint>(dlsym(m_Library, "connectorMain"));
    if (!m_Entry) {
        m_Error = path + " does not export connectorMain";
        dlclose(m_Library);
        m_Library = nullptr;
        return false;
    }
    return true;
}

bool ConnectorHost::start()
{
    if (!m_Entry || m_Thread.joinable())
        return false;
    m_Thread = std::thread([this] {
        m_Result = m_Entry();
        m_Finished = true;
    });
    return true;
}

int ConnectorHost::join()
{
    if (m_Thread.joinable())
        m_Thread.join();
    if (m_Library) {
        dlclose(m_Library);
        m_Library = nullptr;
    }
    m_Entry = nullptr;
    return m_Result;
}

} // namespace Host
