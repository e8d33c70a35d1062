#pragma once

#include <Kivo/MediaEngine/CallBasePtr.h>

#include <Tesk/Core/Refcounting/SmartPtr.h>

#include <QMetaType>

namespace Kivo {
namespace MediaEngine {

// The engine's reference to a call: it keeps the call object alive while held.
using Call = Tesk::Core::Refcounting::SmartPtr<CallBasePtr>;

} // namespace MediaEngine
} // namespace Kivo

Q_DECLARE_METATYPE(Kivo::MediaEngine::Call)
