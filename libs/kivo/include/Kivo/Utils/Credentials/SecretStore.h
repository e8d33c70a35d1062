#pragma once

#include <QString>

#include <functional>
#include <memory>

namespace Kivo {
namespace Utils {
namespace Credentials {

// Where remembered passwords are kept: the desktop's secret service, never a file of ours.
// Every call waits for the store's answer.
class SecretStore
{
public:
    enum class Result
    {
        Done,
        NotFound,
        // No store answers (no secret service on this desktop) or it refused.
        Unavailable
    };

    virtual ~SecretStore();

    virtual Result read(const QString& key, QString& secret) = 0;
    virtual Result write(const QString& key, const QString& secret) = 0;
    virtual Result remove(const QString& key) = 0;

    // The desktop's store, or what the installed factory makes instead.
    static std::unique_ptr<SecretStore> create();

    using Factory = std::function<std::unique_ptr<SecretStore>()>;
    // Lets tests keep their secrets apart from the user's; an empty factory restores the desktop's.
    static void setFactory(Factory factory);
};

// The desktop's secret service (Secret Service, KWallet) through QtKeychain, under one
// service name.
class KeychainSecretStore : public SecretStore
{
public:
    explicit KeychainSecretStore(const QString& service);

    Result read(const QString& key, QString& secret) override;
    Result write(const QString& key, const QString& secret) override;
    Result remove(const QString& key) override;

private:
    QString m_Service;
};

} // namespace Credentials
} // namespace Utils
} // namespace Kivo
