// A folder's entries reach the disk when the folder itself is flushed.
#include "platform/posix/posix.h"

#include <fcntl.h>
#include <unistd.h>

namespace platform::detail {

// A folder that cannot be opened or flushed (some file systems refuse) is
// left to the system to write in its own time.
bool keep_folder(const std::string& folder, std::string*) {
    int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        fsync(fd);
        close(fd);
    }
    return true;
}

} // namespace platform::detail
