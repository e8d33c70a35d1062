#pragma once

#include <QString>

namespace QML {
namespace BuildInfo {

// The build's version: four dot-separated numbers, set once by the build.
QString versionNumbers();
// The version numbers, a dash and the build tag.
QString version();
// The year of the compiler's build date; 0 when that date does not read.
int buildYear();
// The year of a compiler date such as "Mar  1 2016"; 0 when it does not read.
int yearOfCompilerDate(const QString& date);

} // namespace BuildInfo
} // namespace QML
