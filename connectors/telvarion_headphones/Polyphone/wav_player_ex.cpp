#include "Polyphone/wav_player_ex.h"

namespace Connector {

WavPlayerEx::WavPlayerEx(std::shared_ptr<Audio::Backend> backend)
    : WavPlayer(backend)
    , m_PlayerThread(backend)
{
    m_PlayerThread.Initialize();
}

WavPlayerEx::~WavPlayerEx()
{
    // The exit request ends a playing tone; the thread closes the device before it ends.
    m_PlayerThread.Uninitialize();
}

bool WavPlayerEx::StartPlaying(unsigned resource)
{
    if (m_Playing != Playing::Nothing)
        return true;
    if (m_PlayerThread.StartPlaying(resource)) {
        m_Playing = Playing::OnPhone;
        return true;
    }
    if (WavPlayer::StartPlaying(resource)) {
        m_Playing = Playing::Simple;
        return true;
    }
    return false;
}

void WavPlayerEx::StopPlaying()
{
    if (m_Playing == Playing::OnPhone)
        m_PlayerThread.StopPlaying();
    else if (m_Playing == Playing::Simple)
        WavPlayer::StopPlaying();
    m_Playing = Playing::Nothing;
}

} // namespace Connector
