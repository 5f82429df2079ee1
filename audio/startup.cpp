#include "audio/startup.h"

#include "audio/decoders.h"
#include "audio/driver.h"

void audio_startup() {
    static bool started = false;
    if (started) return;
    started = true;
    set_audio_driver(std::make_shared<TSilentAudioDriver>());
    register_sound_decoders();
}
