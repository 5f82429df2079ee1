// The file system through POSIX calls.
#include "platform/files.h"
#include "platform/posix/posix.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

// `why` is "<what>: <the system's reason>", or the reason alone.
bool fail(std::string* why, const std::string& what, int error) {
    if (why) *why = (what.empty() ? "" : what + ": ") + std::strerror(error);
    return false;
}

bool write_all(int fd, std::string_view bytes) {
    const char* at = bytes.data();
    size_t left = bytes.size();
    while (left > 0) {
        ssize_t put = write(fd, at, left);
        if (put < 0 && errno == EINTR) continue;
        if (put <= 0) return false;
        at += put;
        left -= static_cast<size_t>(put);
    }
    return true;
}

std::string folder_of(const std::string& path) {
    size_t cut = path.rfind('/');
    if (cut == std::string::npos) return ".";
    return cut == 0 ? "/" : path.substr(0, cut);
}

// Closes and removes the temporary file after a failure, keeping errno's
// account of what went wrong.
bool give_up(int fd, const std::string& temporary, std::string* why, const std::string& what) {
    int error = errno;
    if (fd >= 0) close(fd);
    unlink(temporary.c_str());
    return fail(why, what, error);
}

} // namespace

FileKind file_kind(const std::string& path) {
    struct stat status;
    if (stat(path.c_str(), &status) != 0) return FileKind::Missing;
    if (S_ISREG(status.st_mode)) return FileKind::Regular;
    if (S_ISDIR(status.st_mode)) return FileKind::Folder;
    return FileKind::Other;
}

// Opened without blocking: a named pipe would wait for a writer for ever.
std::FILE* open_regular_file(const std::string& path, bool readable, bool writeable) {
    int access = (readable && writeable) ? O_RDWR : writeable ? O_WRONLY : O_RDONLY;
    int create = writeable && !readable ? O_CREAT : 0;
    int fd = open(path.c_str(), access | create | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0666);
    if (fd < 0) return nullptr;
    struct stat status;
    bool regular = fstat(fd, &status) == 0 && S_ISREG(status.st_mode);
    bool ready = regular && fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK) == 0 &&
                 (!create || ftruncate(fd, 0) == 0);
    const char* mode = (readable && writeable) ? "r+b" : writeable ? "wb" : "rb";
    std::FILE* file = ready ? fdopen(fd, mode) : nullptr;
    if (!file) close(fd);
    return file;
}

bool replace_file_contents(const std::string& path, std::string_view bytes, std::string* why) {
    std::string temporary = path + ".new";
    // Without blocking: a pipe left under the temporary name would wait for
    // a reader for ever.
    int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NONBLOCK | O_CLOEXEC, 0644);
    if (fd < 0) return fail(why, "cannot create " + temporary, errno);
    struct stat status;
    if (fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        close(fd);
        return fail(why, "cannot create " + temporary, EEXIST);
    }
    if (!write_all(fd, bytes)) return give_up(fd, temporary, why, "cannot write " + temporary);
    if (fsync(fd) != 0) return give_up(fd, temporary, why, "cannot flush " + temporary);
    if (close(fd) != 0) return give_up(-1, temporary, why, "cannot close " + temporary);
    if (rename(temporary.c_str(), path.c_str()) != 0)
        return give_up(-1, temporary, why, "cannot replace " + path);
    // The rename itself must last too, or a power cut could bring back the
    // old name pointing at nothing.
    return detail::keep_folder(folder_of(path), why);
}

// Mode 0700, as the XDG base directory rules ask for the player's folders.
bool make_folder(const std::string& path, std::string* why) {
    return mkdir(path.c_str(), 0700) == 0 || fail(why, "", errno);
}

bool is_absolute_path(const std::string& path) {
    return !path.empty() && path[0] == '/';
}

std::string full_path(const std::string& path) {
    char resolved[PATH_MAX];
    return realpath(path.c_str(), resolved) ? std::string(resolved) : std::string();
}

bool folder_accepts_new_files(const std::string& folder) {
    std::string probe = (folder.empty() ? std::string(".") : folder) + "/.orvessa-probe-XXXXXX";
    int fd = mkstemp(probe.data());
    if (fd < 0) return false;
    close(fd);
    unlink(probe.c_str());
    return true;
}

std::string roaming_data_folder() {
    return {};
}

} // namespace platform
