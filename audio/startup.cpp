#include "audio/startup.h"

#include "audio/decoders.h"
#include "audio/driver.h"
#include "audio/mixing_driver.h"
#include "audio/ring_device.h"
#include "audio/sdl_port.h"
#include "platform/process.h"
#include "system/startup.h"

namespace {

// Lives until the process ends; closed by the exit hook.
ringdevice* device = nullptr;

void audio_shutdown() {
    if (!device) return;
    device->close();
    set_audio_driver(std::make_shared<TSilentAudioDriver>());
}

} // namespace

void audio_startup() {
    static bool started = false;
    if (started) return;
    started = true;
    set_audio_driver(std::make_shared<TSilentAudioDriver>());
    register_sound_decoders();

    auto driver = std::make_shared<TMixingAudioDriver>();
    const auto service = platform::background_threads_available() ? ringdevice::Service::Thread
                                                                  : ringdevice::Service::Playback;
    auto* output = new ringdevice(driver->engine(), std::make_unique<sdlport>(), service);
    if (!output->init()) {
        delete output; // no device: the silent driver stays
        return;
    }
    device = output;
    set_audio_driver(driver);
    add_exit_hook(audio_shutdown);
}
