// In the browser a file lasts beyond the page only once the player's folder
// has been copied to the page's storage (IndexedDB): the program waits for
// that copy after every change, as a desktop waits for the disk.
#include "platform/posix/posix.h"

#include <emscripten.h>

namespace {

// 0 when stored, else the storage's error number (or -1 when it gave none).
EM_ASYNC_JS(int, store_persistent_folders, (), {
    return await new Promise(function(done) {
        FS.syncfs(
            false, function(error) { done(error ? (error.errno || -1) : 0); });
    });
});

} // namespace

namespace platform::detail {

bool keep_folder(const std::string& folder, std::string* why) {
    const int error = store_persistent_folders();
    if (error == 0) return true;
    if (why)
        *why = "cannot keep " + folder + " in the browser's storage (error " +
               std::to_string(error) + ")";
    return false;
}

} // namespace platform::detail
