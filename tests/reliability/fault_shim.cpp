// A failing disk for one file only, preloaded into the program (LD_PRELOAD): one kind of call
// fails on the file named FAULT_FILE (and the new files made beside it, "NAME.xxxx") in the
// folder FAULT_DIR, with the error FAULT_ERRNO; every other call of the process, X's and the
// sound server's included, goes through untouched.
//
//   FAULT_CALL  read | write | shortwrite | fdatasync | close | rename | create | syncdir
//
// "shortwrite" takes one byte per write and fails nothing; "syncdir" fails the fsync of
// FAULT_DIR itself; "close" closes the descriptor and then reports the error, as NFS does.

#include <dlfcn.h>
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

std::string setting(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

bool failing(const char* call) {
    return setting("FAULT_CALL") == call;
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
    const ssize_t length = ::readlink(link, target, sizeof target - 1);
    return length > 0 ? std::string(target, static_cast<size_t>(length)) : std::string();
}

// `name` in `folder` is the file, or one made beside it.
bool ours(const std::string& folder, const std::string& name) {
    const std::string file = setting("FAULT_FILE");
    return folder == setting("FAULT_DIR") && !file.empty() && name.rfind(file, 0) == 0;
}

bool oursByDescriptor(int fd) {
    const std::string path = pathOf(fd);
    const size_t slash = path.rfind('/');
    return slash != std::string::npos && ours(path.substr(0, slash), path.substr(slash + 1));
}

bool oursByName(int folderFd, const char* name) {
    std::string path = name;
    if (path.empty() || path[0] != '/') {
        path = pathOf(folderFd) + '/' + path;
    }
    const size_t slash = path.rfind('/');
    return ours(path.substr(0, slash), path.substr(slash + 1));
}

template <typename Function>
Function next(const char* name) {
    return reinterpret_cast<Function>(::dlsym(RTLD_NEXT, name));
}

}  // namespace

extern "C" {

ssize_t read(int fd, void* buffer, size_t size) {
    static auto real = next<ssize_t (*)(int, void*, size_t)>("read");
    return failing("read") && oursByDescriptor(fd) ? fault() : real(fd, buffer, size);
}

ssize_t write(int fd, const void* buffer, size_t size) {
    static auto real = next<ssize_t (*)(int, const void*, size_t)>("write");
    if (failing("shortwrite") && size > 1 && oursByDescriptor(fd)) {
        return real(fd, buffer, 1);
    }
    return failing("write") && oursByDescriptor(fd) ? fault() : real(fd, buffer, size);
}

int fdatasync(int fd) {
    static auto real = next<int (*)(int)>("fdatasync");
    return failing("fdatasync") && oursByDescriptor(fd) ? fault() : real(fd);
}

int fsync(int fd) {
    static auto real = next<int (*)(int)>("fsync");
    return failing("syncdir") && pathOf(fd) == setting("FAULT_DIR") ? fault() : real(fd);
}

int close(int fd) {
    static auto real = next<int (*)(int)>("close");
    const bool fails = failing("close") && oursByDescriptor(fd);
    const int result = real(fd);
    return fails ? fault() : result;
}

int renameat(int fromFolder, const char* from, int toFolder, const char* to) {
    static auto real = next<int (*)(int, const char*, int, const char*)>("renameat");
    return failing("rename") && oursByName(toFolder, to) ? fault()
                                                         : real(fromFolder, from, toFolder, to);
}

int openat(int folder, const char* name, int flags, ...) {
    static auto real = next<int (*)(int, const char*, int, ...)>("openat");
    mode_t mode = 0;
    if ((flags & O_CREAT) != 0) {
        va_list arguments;
        va_start(arguments, flags);
        mode = static_cast<mode_t>(va_arg(arguments, unsigned));
        va_end(arguments);
        if (failing("create") && oursByName(folder, name)) {
            return fault();
        }
    }
    return real(folder, name, flags, mode);
}

}  // extern "C"
