#include "input/input.h"
#include "input/pads.h"
#include "platform/internal.h"
#include "platform/posix/posix.h"
#include "system/messages.h"
#include "tests/input/input_fixture.h"
#include "tests/input/sdl_injector.h"
#include "tests/support/scratch_folder.h"

#include <atomic>
#include <fstream>
#include <functional>
#include <memory>
#include <thread>

namespace {

// Another thread keeps delivering `deliver` (and waking the main thread)
// until the waiting call returns; the first deliveries may be flushed away
// before the wait begins, later ones must be seen.
class Deliverer {
  public:
    explicit Deliverer(std::function<void()> deliver)
        : thread_([this, deliver = std::move(deliver)] {
              while (!done_.load()) {
                  std::this_thread::sleep_for(std::chrono::milliseconds(20));
                  deliver();
                  platform::post_notice(0);
              }
          }) {}
    ~Deliverer() { stop(); }
    void stop() {
        done_.store(true);
        if (thread_.joinable()) thread_.join();
    }

  private:
    std::atomic<bool> done_{false};
    std::thread thread_;
};

} // namespace

using Waiting = InputTest;

TEST_F(Waiting, WaitKeyTakesTheLowestKeyPressedAfterTheCall) {
    // Pressed before the call: never the answer, though its code is lower.
    inject::tap(SDL_SCANCODE_A);
    inject::press(SDL_SCANCODE_B);
    Deliverer deliverer([] {
        using inject::key;
        inject::push_together({key(SDL_KEYDOWN, SDL_SCANCODE_F), key(SDL_KEYUP, SDL_SCANCODE_F),
                               key(SDL_KEYDOWN, SDL_SCANCODE_D), key(SDL_KEYUP, SDL_SCANCODE_D),
                               key(SDL_KEYDOWN, SDL_SCANCODE_B, SDLK_UNKNOWN, KMOD_NONE, true)});
    });
    EXPECT_EQ(wait_key(), 68);
    deliverer.stop();
    EXPECT_GE(key_hit(70), 1); // the higher code keeps its count
    EXPECT_EQ(key_hit(65), 0);
    EXPECT_EQ(key_hit(66), 0);
    inject::release(SDL_SCANCODE_B);
}

TEST_F(Waiting, WaitCharTakesACharacterTypedAfterTheCall) {
    inject::text("o");
    Deliverer deliverer([] { inject::text("q"); });
    EXPECT_EQ(wait_char(), 'q');
}

bool waits_end_on_pads = false;

PadKeys pad_a_is_enter() {
    PadKeys keys;
    keys.keys[static_cast<int>(PadControl::A)] = 13;
    keys.ends_key_waits = waits_end_on_pads;
    return keys;
}

// Waits up to three seconds for `flag`; false if it never came.
bool within_seconds(const std::atomic<bool>& flag) {
    for (int i = 0; i < 60 && !flag.load(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    return flag.load();
}

// SDL reads pads only when pumped, and a pad's press wakes no wait by itself:
// the wait must pump by itself while pads are open.
TEST_F(Waiting, WaitKeyEndsOnAPadOnlyWhereThePadsSaySo) {
    set_pad_keys(pad_a_is_enter);
    inject::Pad pad;
    pump_messages();
    for (bool pads_end_it : {false, true}) {
        waits_end_on_pads = pads_end_it;
        std::atomic<bool> returned{false};
        std::thread player([&] {
            for (int i = 0; i < 10; ++i) {
                pad.hold(SDL_CONTROLLER_BUTTON_A, i % 2 == 0);
                std::this_thread::sleep_for(std::chrono::milliseconds(40));
            }
            if (pads_end_it && within_seconds(returned)) return;
            inject::tap(SDL_SCANCODE_Z);
            platform::post_notice(0);
        });
        EXPECT_EQ(wait_key(), pads_end_it ? 13 : 90);
        returned.store(true);
        player.join();
        EXPECT_EQ(key_hit(13), 0) << "no press outlives the wait";
    }
    set_pad_keys(nullptr);
}

TEST_F(Waiting, AWaitWakesWhenAnInputDeviceAppears) {
    platform::start_pads();
    pump_messages();
    ASSERT_EQ(platform::open_pad_count(), 0);
    ScratchFolder devices;
    platform::detail::watch_input_device_folder(devices.path().c_str());
    std::unique_ptr<inject::Pad> pad;
    std::atomic<bool> woken{false};
    std::thread plug([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        pad = std::make_unique<inject::Pad>(); // queued for SDL, waking nothing
        std::ofstream(devices.file("event7"));
        if (!within_seconds(woken)) platform::post_notice(0);
    });
    const auto start = std::chrono::steady_clock::now();
    wait_messages();
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    woken.store(true);
    plug.join();
    EXPECT_EQ(platform::open_pad_count(), 1);
    platform::detail::watch_input_devices();
}
