#include "system/safe_file.h"

#include "system/game_files.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool fail(std::string* why, const std::string& what, int error) {
    if (why) *why = what + ": " + std::strerror(error);
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

} // namespace

bool replace_file(const std::string& name, std::string_view bytes, std::string* why) {
    std::string path = file_to_write(name, why);
    if (path.empty()) return false;
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
    if (!write_all(fd, bytes)) {
        int error = errno;
        close(fd);
        unlink(temporary.c_str());
        return fail(why, "cannot write " + temporary, error);
    }
    if (fsync(fd) != 0) {
        int error = errno;
        close(fd);
        unlink(temporary.c_str());
        return fail(why, "cannot flush " + temporary, error);
    }
    if (close(fd) != 0) {
        int error = errno;
        unlink(temporary.c_str());
        return fail(why, "cannot close " + temporary, error);
    }
    if (rename(temporary.c_str(), path.c_str()) != 0) {
        int error = errno;
        unlink(temporary.c_str());
        return fail(why, "cannot replace " + path, error);
    }
    // The rename itself must reach the disk too, or a power cut could bring
    // back the old name pointing at nothing.
    int folder = open(folder_of(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        fsync(folder);
        close(folder);
    }
    return true;
}
