#pragma once

#include <QString>

namespace QML {
namespace BuildInfo {

// Four dot-separated numbers, a dash and the build tag.
QString version();
// The year of the compiler's build date; 0 when that date does not read.
int buildYear();
// The year of a compiler date such as "Mar  1 2016"; 0 when it does not read.
int yearOfCompilerDate(const QString& date);

} // namespace BuildInfo
} // namespace QML
