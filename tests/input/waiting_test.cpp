#include "input/input.h"
#include "platform/platform.h"
#include "tests/input/input_fixture.h"
#include "tests/input/sdl_injector.h"

#include <atomic>
#include <functional>
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
