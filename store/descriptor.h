#pragma once

#include <unistd.h>

#include <utility>

namespace conteggo {

// A file descriptor closed however the code that holds it ends.
class Descriptor {
  public:
    explicit Descriptor(int fd = -1) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    // Closes it now; false with errno set when the system reports an error (NFS and quotas
    // report write errors only here). The descriptor is gone either way.
    bool close() { return ::close(std::exchange(fd_, -1)) == 0; }

  private:
    int fd_;
};

}  // namespace conteggo
