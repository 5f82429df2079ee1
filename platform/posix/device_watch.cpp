// When a wait must wake for pads. SDL reads pads, and notices new ones, only
// while events are pumped, and no descriptor of its own tells a wait when.
// So while a pad is open a wait pumps every few milliseconds; with none, it
// blocks, watching the folder where input devices appear, and after a change
// there pumps for a short while: the device is made readable to us, and
// announced to SDL, a moment after its node appears.
#include "platform/internal.h"
#include "platform/posix/posix.h"

#include <sys/inotify.h>
#include <unistd.h>

namespace platform::detail {
namespace {

constexpr std::uint32_t settle_ms = 2000;

int watch_fd = -1;
bool settling = false;
std::uint32_t settle_start = 0;

} // namespace

void watch_input_devices() {
    watch_input_device_folder("/dev/input");
}

void watch_input_device_folder(const char* folder) {
    if (watch_fd >= 0) close(watch_fd);
    watch_fd = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (watch_fd < 0) return;
    // Attribute changes too: a device node is first made unreadable, then
    // given its owner and permissions.
    const auto changes = IN_CREATE | IN_DELETE | IN_MOVE | IN_ATTRIB;
    if (inotify_add_watch(watch_fd, folder, changes) < 0) {
        close(watch_fd);
        watch_fd = -1;
    }
}

int device_watch_fd() {
    return watch_fd;
}

void note_device_change() {
    alignas(inotify_event) char changes[4096];
    while (read(watch_fd, changes, sizeof changes) > 0) {
        settling = true;
        settle_start = milliseconds();
    }
}

bool pads_need_pumping() {
    if (settling && milliseconds() - settle_start >= settle_ms) settling = false;
    return pads_open() || settling;
}

} // namespace platform::detail
