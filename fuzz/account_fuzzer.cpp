// The account file of the simulated service (TELVARION_ACCOUNT_FILE): any bytes are read
// as accounts or refused without harm.
#include <Kivo/Simulation/AccountData.h>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QList<Kivo::Simulation::Account> accounts;
    QString error;
    Kivo::Simulation::AccountData::parse(QByteArray(reinterpret_cast<const char*>(data), int(size)), accounts, &error);
    return 0;
}
