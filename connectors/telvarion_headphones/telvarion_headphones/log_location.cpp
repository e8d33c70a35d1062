#include "log_location.h"

#include "api_communications.h"
#include "device.h"
#include "logger.h"

#include "Platform/registry.h"

namespace Connector {

namespace {

const char* const InstallationKey = "SOFTWARE\\Marlowane\\InstalledBrandedQOMX";
const char* const Wow64InstallationKey = "SOFTWARE\\Wow6432Node\\Marlowane\\InstalledBrandedQOMX";

struct Brand
{
    std::string company;
    std::string product;
};

bool readBrand(Platform::Registry::Root root, const char* key, Brand& brand)
{
    const auto company = Platform::Registry::readString(root, key, "CompanyName");
    const auto product = Platform::Registry::readString(root, key, "ProductName");
    if (!company || !product || company->empty() || product->empty())
        return false;
    brand = Brand{*company, *product};
    return true;
}

// A registry value becomes one folder name: it must not climb out of or split the path.
std::string folderName(std::string name, const char* fallback)
{
    for (char& c : name) {
        if (c == '/' || c == '\\')
            c = '_';
    }
    if (name.empty() || name == "." || name == "..")
        return fallback;
    return name;
}

} // namespace

std::string logFolderPart()
{
    using Root = Platform::Registry::Root;
    Brand brand;
    if (!readBrand(Root::LocalMachine, InstallationKey, brand) && !readBrand(Root::LocalMachine, Wow64InstallationKey, brand)
        && !readBrand(Root::CurrentUser, InstallationKey, brand))
        brand = Brand{"Marlowane", "Tavoro"};
    return "/" + folderName(brand.company, "Marlowane") + "/" + folderName(brand.product, "Tavoro") + "/logs/";
}

std::string logFileName(const ApiCommunications& link)
{
    const Device* first = link.GetHandler(0);
    const char* name = first ? first->GetLogFileName() : nullptr;
    return logFolderPart() + (name ? name : "TelvarionHeadphonesLog.txt");
}

void openLog(const ApiCommunications& link)
{
    static const std::string name = logFileName(link);
    Logger::instance().Initialize(name.c_str());
}

void closeLog()
{
    Logger::instance().Uninitialize();
}

} // namespace Connector
