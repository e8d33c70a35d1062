#pragma once

#include <QMetaType>
#include <QString>

namespace Kivo {
namespace Vyx {

// What the service's REST interface said about a failed request.
struct VyxErrorInfo
{
    int code = 0;
    QString message;
};

} // namespace Vyx
} // namespace Kivo

Q_DECLARE_METATYPE(Kivo::Vyx::VyxErrorInfo)
