#pragma once

#include <unistd.h>

#include <QByteArray>
#include <QTemporaryFile>
#include <cstdio>

// Sends standard error to a temporary file until finish(), which gives what was written.
class StderrCapture {
  public:
    StderrCapture() {
        file_.open();
        std::fflush(stderr);
        saved_ = ::dup(STDERR_FILENO);
        ::dup2(file_.handle(), STDERR_FILENO);
    }
    ~StderrCapture() {
        if (saved_ >= 0) {
            finish();
        }
    }
    StderrCapture(const StderrCapture&) = delete;
    StderrCapture& operator=(const StderrCapture&) = delete;

    QByteArray finish() {
        std::fflush(stderr);
        ::dup2(saved_, STDERR_FILENO);
        ::close(saved_);
        saved_ = -1;
        file_.seek(0);
        return file_.readAll();
    }

  private:
    QTemporaryFile file_;
    int saved_ = -1;
};
