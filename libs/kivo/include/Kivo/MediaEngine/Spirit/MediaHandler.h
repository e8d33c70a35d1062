#pragma once

#include <Kivo/MediaEngine/MediaParameters.h>

namespace Kivo {
namespace MediaEngine {
namespace Spirit {

// The media of a call that runs on the Spirit back-end, with that back-end's parameters.
class MediaHandler : public MediaParameters
{
    Q_OBJECT

public:
    explicit MediaHandler(QObject* parent = nullptr);
};

} // namespace Spirit
} // namespace MediaEngine
} // namespace Kivo
