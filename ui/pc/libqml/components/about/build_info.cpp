#include "libqml/components/about/build_info.h"

#include <QDate>
#include <QLocale>

namespace QML {
namespace BuildInfo {

QString versionNumbers()
{
    return QStringLiteral(TELVARION_VERSION);
}

QString version()
{
    return versionNumbers() + '-' + QStringLiteral(TELVARION_BUILD_TAG);
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
