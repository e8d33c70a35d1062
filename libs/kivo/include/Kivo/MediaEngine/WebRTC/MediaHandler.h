#pragma once

#include <Kivo/MediaEngine/MediaParameters.h>

namespace Kivo {
namespace MediaEngine {
namespace WebRTC {

// The media of a call that runs on the WebRTC back-end, with that back-end's parameters.
class MediaHandler : public MediaParameters
{
    Q_OBJECT

public:
    explicit MediaHandler(QObject* parent = nullptr);
};

} // namespace WebRTC
} // namespace MediaEngine
} // namespace Kivo
