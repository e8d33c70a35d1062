#include "libqml/components/about/build_info.h"

#include <QDate>
#include <QLocale>

namespace QML {
namespace BuildInfo {

namespace {

constexpr const char* Version = "1.0.0.0-dev";

} // namespace

QString version()
{
    return QString::fromLatin1(Version);
}

int buildYear()
{
    return yearOfCompilerDate(QStringLiteral(__DATE__));
}

int yearOfCompilerDate(const QString& date)
{
    const QDate parsed = QLocale::c().toDate(date.simplified(), QStringLiteral("MMM d yyyy"));
    return parsed.isValid() ? parsed.year() : 0;
}

} // namespace BuildInfo
} // namespace QML
