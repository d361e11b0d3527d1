// A disk that fails for one file only, preloaded into the program: one kind of call fails with
// FAULT_ERRNO on FAULT_FILE in the folder FAULT_DIR (and the new files made beside it, named
// after it); every other call of the process, X's and the sound server's included, goes
// through. FAULT_CALL is read, write, fdatasync, close (closed, then the error, as NFS does),
// rename, create, syncdir (the folder's own fsync), or shortwrite (one byte a write, no error).
#include <dlfcn.h>
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

std::string setting(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

int fault() {
    errno = std::atoi(setting("FAULT_ERRNO").c_str());
    return -1;
}

std::string pathOf(int fd) {
    char link[64] = "/proc/self/cwd";
    if (fd != AT_FDCWD) {
        std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    }
    char target[4096];
    const ssize_t length = ::readlink(link, target, sizeof target);
    return length > 0 ? std::string(target, static_cast<size_t>(length)) : std::string();
}

// Whether the file at `path` is ours.
bool ours(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash != std::string::npos && path.substr(0, slash) == setting("FAULT_DIR") &&
           path.compare(slash + 1, setting("FAULT_FILE").size(), setting("FAULT_FILE")) == 0;
}

// Whether `call` fails on the file open as `fd`, or on `name` in the folder open as `fd`.
bool fails(const char* call, int fd, const char* name = nullptr) {
    if (setting("FAULT_CALL") != call) {
        return false;
    }
    return ours(name == nullptr ? pathOf(fd) : name[0] == '/' ? name : pathOf(fd) + '/' + name);
}

template <typename Function>
Function next(const char* name) {
    return reinterpret_cast<Function>(::dlsym(RTLD_NEXT, name));
}

}  // namespace

extern "C" {

ssize_t read(int fd, void* buffer, size_t size) {
    static auto real = next<ssize_t (*)(int, void*, size_t)>("read");
    return fails("read", fd) ? fault() : real(fd, buffer, size);
}

ssize_t write(int fd, const void* buffer, size_t size) {
    static auto real = next<ssize_t (*)(int, const void*, size_t)>("write");
    if (fails("shortwrite", fd)) {
        return real(fd, buffer, size > 0 ? 1 : 0);
    }
    return fails("write", fd) ? fault() : real(fd, buffer, size);
}

int fdatasync(int fd) {
    static auto real = next<int (*)(int)>("fdatasync");
    return fails("fdatasync", fd) ? fault() : real(fd);
}

int fsync(int fd) {
    static auto real = next<int (*)(int)>("fsync");
    return setting("FAULT_CALL") == "syncdir" && pathOf(fd) == setting("FAULT_DIR") ? fault()
                                                                                    : real(fd);
}

int close(int fd) {
    static auto real = next<int (*)(int)>("close");
    const bool failing = fails("close", fd);
    const int result = real(fd);
    return failing ? fault() : result;
}

int renameat(int fromFolder, const char* from, int toFolder, const char* to) {
    static auto real = next<int (*)(int, const char*, int, const char*)>("renameat");
    return fails("rename", toFolder, to) ? fault() : real(fromFolder, from, toFolder, to);
}

int openat(int folder, const char* name, int flags, ...) {
    static auto real = next<int (*)(int, const char*, int, ...)>("openat");
    va_list arguments;
    va_start(arguments, flags);
    const auto mode = (flags & O_CREAT) != 0 ? static_cast<mode_t>(va_arg(arguments, unsigned)) : 0;
    va_end(arguments);
    return (flags & O_CREAT) != 0 && fails("create", folder, name)
               ? fault()
               : real(folder, name, flags, mode);
}

}  // extern "C"
