#include "Polyphone/sound_resource.h"

namespace Connector {

extern const unsigned char DialToneWave[];
extern const std::size_t DialToneWaveSize;

bool findSoundResource(unsigned id, SoundResource& resource)
{
    if (id != DialToneSound)
        return false;
    resource.data = DialToneWave;
    resource.size = DialToneWaveSize;
    return true;
}

} // namespace Connector
