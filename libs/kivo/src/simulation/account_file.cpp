// The accounts the shared service starts with: the compiled-in demo account, or the file that
// TELVARION_ACCOUNT_FILE names (a document of the AccountData format, such as the large
// accounts that kivo_account_generator writes for the benchmarks).
#include <Kivo/Simulation/Service.h>

#include "../kivo_log.h"

#include <QFile>

namespace Kivo {
namespace Simulation {

namespace {

using Tesk::Core::Logging::LevelError;
using Tesk::Core::Logging::LevelInfo;

const char* const AccountFileVariable = "TELVARION_ACCOUNT_FILE";

} // namespace

bool Service::loadAccountFile(const QString& path, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        const QString problem = file.errorString();
        KIVO_LOG(LevelError) << "Simulated service: cannot open the account file " << path << ": " << problem;
        if (error)
            *error = problem;
        return false;
    }
    KIVO_LOG(LevelInfo) << "Simulated service: loading the account file " << path;
    return load(file.readAll(), error);
}

bool Service::loadStartAccounts()
{
    const QString path = qEnvironmentVariable(AccountFileVariable);
    if (path.isEmpty())
        return loadDemoAccount();
    if (loadAccountFile(path))
        return true;
    // A file that cannot serve still leaves a service that someone can sign in to.
    KIVO_LOG(LevelError) << "Simulated service: " << AccountFileVariable << " not usable, the demo account is loaded";
    return loadDemoAccount();
}

} // namespace Simulation
} // namespace Kivo
