#pragma once

#include "TelvarionApi/api_string.h"

#include <map>
#include <string>

namespace TelvarionApi {

// What a connector tells the client about itself when it connects.
class ConnectionInfo
{
public:
    struct Property
    {
        std::string language;
        String value; // UTF-8
    };

    void setUuid(const String& uuid) { m_Uuid = uuid; }
    const String& uuid() const { return m_Uuid; }

    void setVersion(const String& version) { m_Version = version; }
    const String& version() const { return m_Version; }

    void setProperty(const std::string& name, const std::string& language, const String& value)
    {
        m_Properties[name] = Property{language, value};
    }
    const std::map<std::string, Property>& properties() const { return m_Properties; }

private:
    String m_Uuid;
    String m_Version;
    std::map<std::string, Property> m_Properties;
};

} // namespace TelvarionApi
