#pragma once

#include <Tesk/Core/Logging/ApacheLogger.h>

#include <QtGlobal>

// One engine log statement: KIVO_LOG(Tesk::Core::Logging::LevelError) << "text";
#define KIVO_LOG(level) \
    Tesk::Core::Logging::ApacheLogger(__FILE__, __LINE__, Q_FUNC_INFO, (level), "KivoLogger")
