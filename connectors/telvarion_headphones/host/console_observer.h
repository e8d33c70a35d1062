#pragma once

#include "TelvarionApi/api_observer.h"

#include <cstdio>

namespace Host {

// Prints the client's events as a person reads them, one line each.
class ConsoleObserver : public TelvarionApi::ApiObserver
{
public:
    explicit ConsoleObserver(std::FILE* out) : m_Out(out) {}

    // The client ended: nothing more will come. A sign-out is not the end.
    bool finished() const { return m_Finished; }

    void connectionStateChange(std::int32_t state) override;
    void signedOut() override;
    void applicationLanguage(const TelvarionApi::String& language) override;
    void sessionCapabilities(std::uint32_t capabilities) override;
    void contactProperties(std::int32_t contactId, const TelvarionApi::ContactProperties& properties,
                           std::uint32_t communicationCapabilities) override;
    void groupDetails(std::int32_t groupId, const TelvarionApi::String& name) override;
    void contactRemoved(std::int32_t contactId) override;
    void groupRemoved(std::int32_t groupId) override;
    void contactPresence(const TelvarionApi::Presence& presence) override;
    void newCall(const TelvarionApi::Call& call) override;
    void callStateChanged(const TelvarionApi::Call& call, std::int32_t state) override;
    void callMuteState(bool muted) override;
    void voicemailDetails(std::int32_t newMessages, std::int32_t oldMessages, std::int32_t newUrgent,
                          std::int32_t oldUrgent) override;
    void clearLogs() override;

private:
    void print(const char* format, ...) __attribute__((format(printf, 2, 3)));

    std::FILE* m_Out;
    bool m_Finished = false;
};

} // namespace Host
