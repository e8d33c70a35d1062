#pragma once

namespace Connector {

class SystemEvents
{
public:
    virtual void OnSystemResume() = 0;

protected:
    ~SystemEvents() = default;
};

} // namespace Connector
