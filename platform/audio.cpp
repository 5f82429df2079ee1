// The audio device: SDL pulls samples through a callback on its own thread.
#include "platform/internal.h"

namespace platform {
namespace {

SDL_AudioDeviceID device = 0;
bool audio_started = false;

} // namespace

bool open_audio(const AudioSpec& spec, AudioCallback callback, void* user) {
    if (device != 0) return false;
    if (!detail::ensure_sdl_events()) return false;
    if (!audio_started) {
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
        audio_started = true;
    }
    SDL_AudioSpec want{};
    want.freq = spec.rate;
    want.format = AUDIO_S16LSB;
    want.channels = static_cast<Uint8>(spec.channels);
    want.samples = static_cast<Uint16>(spec.buffer_frames);
    want.callback = callback;
    want.userdata = user;
    SDL_AudioSpec have{};
    // No changes allowed: SDL converts if the card wants something else.
    device = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
    return device != 0; // SDL opens devices paused
}

void pause_audio(bool paused) {
    if (device == 0) return;
    SDL_PauseAudioDevice(device, paused ? 1 : 0);
    // Taking the device lock waits for a callback that is still running.
    SDL_LockAudioDevice(device);
    SDL_UnlockAudioDevice(device);
}

void close_audio() {
    if (device == 0) return;
    SDL_CloseAudioDevice(device);
    device = 0;
}

} // namespace platform
