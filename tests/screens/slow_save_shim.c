/* Preloaded into the save loop (and, in the bad-input run, into the game) to
 * stretch a score-file rewrite over many milliseconds, so that a kill sent at
 * a random moment often lands inside it: writes to the temporary file go a
 * few bytes at a time with a pause before each, and fsync and rename pause
 * first too.
 *
 * It also keeps a record that survives the kill: if SAVE_PHASE names a file,
 * its first byte becomes 'w' once the temporary file is open and 'r' once
 * the rename has happened. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <fcntl.h>
#include <stdarg.h>
#include <stdlib.h>
#include <string.h>
#include <sys/mman.h>
#include <time.h>
#include <unistd.h>

static int slow_fd = -1;
static char* phase;

static void pause_us(long microseconds) {
    struct timespec wait = {microseconds / 1000000, (microseconds % 1000000) * 1000};
    while (nanosleep(&wait, &wait) != 0) {
    }
}

static long setting(const char* name, long fallback) {
    const char* text = getenv(name);
    return text ? strtol(text, NULL, 10) : fallback;
}

static void set_phase(char value) {
    if (!phase) {
        const char* path = getenv("SAVE_PHASE");
        if (!path) return;
        int fd = ((int (*)(const char*, int, ...))dlsym(RTLD_NEXT, "open"))(path, O_RDWR);
        if (fd < 0) return;
        void* map = mmap(NULL, 2, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
        close(fd);
        if (map == MAP_FAILED) return;
        phase = map;
    }
    phase[0] = value;
}

static int is_temporary(const char* path) {
    size_t length = strlen(path);
    return length > 4 && strcmp(path + length - 4, ".new") == 0;
}

int open(const char* path, int flags, ...) {
    static int (*real)(const char*, int, ...);
    if (!real) real = (int (*)(const char*, int, ...))dlsym(RTLD_NEXT, "open");
    mode_t mode = 0;
    if (flags & (O_CREAT | O_TMPFILE)) {
        va_list args;
        va_start(args, flags);
        mode = (mode_t)va_arg(args, int);
        va_end(args);
    }
    int fd = real(path, flags, mode);
    if (fd >= 0 && (flags & O_CREAT) && is_temporary(path)) {
        slow_fd = fd;
        set_phase('w');
    }
    return fd;
}

int open64(const char* path, int flags, ...) __attribute__((alias("open")));

ssize_t write(int fd, const void* buffer, size_t count) {
    static ssize_t (*real)(int, const void*, size_t);
    if (!real) real = (ssize_t(*)(int, const void*, size_t))dlsym(RTLD_NEXT, "write");
    if (fd != slow_fd || count == 0) return real(fd, buffer, count);
    pause_us(setting("SLOW_WRITE_US", 1000));
    /* A short write: the caller must loop for the rest. */
    return real(fd, buffer, count < 8 ? count : 8);
}

int fsync(int fd) {
    static int (*real)(int);
    if (!real) real = (int (*)(int))dlsym(RTLD_NEXT, "fsync");
    pause_us(setting("SLOW_SYNC_US", 2000));
    return real(fd);
}

int close(int fd) {
    static int (*real)(int);
    if (!real) real = (int (*)(int))dlsym(RTLD_NEXT, "close");
    if (fd == slow_fd) slow_fd = -1;
    return real(fd);
}

int rename(const char* from, const char* to) {
    static int (*real)(const char*, const char*);
    if (!real) real = (int (*)(const char*, const char*))dlsym(RTLD_NEXT, "rename");
    pause_us(setting("SLOW_SYNC_US", 2000));
    int result = real(from, to);
    if (result == 0) set_phase('r');
    return result;
}
