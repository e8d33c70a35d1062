#include <Kivo/Utils/Credentials/SecretStore.h>

#include "../../kivo_log.h"

#include <QCoreApplication>
#include <QEventLoop>

#include <qt5keychain/keychain.h>

namespace Kivo {
namespace Utils {
namespace Credentials {

namespace {

SecretStore::Factory& installedFactory()
{
    static SecretStore::Factory factory;
    return factory;
}

// QtKeychain answers asynchronously; callers of the store need the answer before they go on.
SecretStore::Result run(QKeychain::Job& job)
{
    job.setAutoDelete(false);
    // A password never goes to a plain file when the desktop has no secret service.
    job.setInsecureFallback(false);
    bool finished = false;
    QEventLoop loop;
    QObject::connect(&job, &QKeychain::Job::finished, &loop, [&finished, &loop] {
        finished = true;
        loop.quit();
    });
    job.start();
    if (!finished)
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    switch (job.error()) {
    case QKeychain::NoError:
        return SecretStore::Result::Done;
    case QKeychain::EntryNotFound:
        return SecretStore::Result::NotFound;
    default:
        KIVO_LOG(Tesk::Core::Logging::LevelWarning)
            << "Secret store: " << job.key() << ": " << job.errorString() << " (" << int(job.error()) << ")";
        return SecretStore::Result::Unavailable;
    }
}

} // namespace

SecretStore::~SecretStore() = default;

std::unique_ptr<SecretStore> SecretStore::create()
{
    if (installedFactory())
        return installedFactory()();
    return std::make_unique<KeychainSecretStore>(QCoreApplication::applicationName());
}

void SecretStore::setFactory(Factory factory)
{
    installedFactory() = std::move(factory);
}

KeychainSecretStore::KeychainSecretStore(const QString& service)
    : m_Service(service)
{
}

SecretStore::Result KeychainSecretStore::read(const QString& key, QString& secret)
{
    QKeychain::ReadPasswordJob job(m_Service);
    job.setKey(key);
    const Result result = run(job);
    if (result == Result::Done)
        secret = job.textData();
    return result;
}

SecretStore::Result KeychainSecretStore::write(const QString& key, const QString& secret)
{
    QKeychain::WritePasswordJob job(m_Service);
    job.setKey(key);
    job.setTextData(secret);
    return run(job);
}

SecretStore::Result KeychainSecretStore::remove(const QString& key)
{
    QKeychain::DeletePasswordJob job(m_Service);
    job.setKey(key);
    return run(job);
}

} // namespace Credentials
} // namespace Utils
} // namespace Kivo
