#pragma once

#include <QLabel>
#include <QPushButton>
#include <QWindow>
#include <memory>

#include "form1.h"
#include "session_bench.h"

// Whether the window asks the window system to keep it above the others: a shown window through
// its native window, one not shown through the flags it will be shown with.
inline bool staysOnTop(const QWidget& window) {
    const QWindow* shown = window.isVisible() ? window.windowHandle() : nullptr;
    return (shown != nullptr ? shown->flags() : window.windowFlags()) & Qt::WindowStaysOnTopHint;
}

// A main window over a session of its own (see SessionBench).
struct FormBench : SessionBench {
    conteggo::ModalWindows modalWindows;  // the real ones, unless a test puts fakes here
    std::unique_ptr<conteggo::Form1> form;

    // A new window over a new session of the folder's two files, started up as the program
    // does it. An earlier window of the bench is closed first.
    conteggo::Form1& open() {
        form.reset();
        newSession();
        form = std::make_unique<conteggo::Form1>(*session, modalWindows);
        form->startUp();
        return *form;
    }
    // The same over files holding these bytes; a null array leaves the file missing.
    conteggo::Form1& open(const QByteArray& count, const QByteArray& positions = {}) {
        writeFiles(count, positions);
        return open();
    }

    // The window's control of that name (its objectName, as the glossary in form1.h has it).
    template <typename Control = QPushButton>
    Control* find(const char* name) const {
        auto* found = form->findChild<Control*>(QString::fromLatin1(name));
        if (found == nullptr) {
            qFatal("no control named %s", name);
        }
        return found;
    }
    void click(const char* button) const { find(button)->click(); }
    bool shown(const char* name) const { return find<QWidget>(name)->isVisibleTo(form.get()); }
};
