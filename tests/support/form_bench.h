#pragma once

#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>
#include <memory>

#include "fake_clock.h"
#include "fake_sound_player.h"
#include "form1.h"
#include "scratch_file.h"

// Whether the window asks the window system to keep it above the others: a shown window through
// its native window, one not shown through the flags it will be shown with.
inline bool staysOnTop(const QWidget& window) {
    const QWindow* shown = window.isVisible() ? window.windowHandle() : nullptr;
    return (shown != nullptr ? shown->flags() : window.windowFlags()) & Qt::WindowStaysOnTopHint;
}

// A main window over a scratch folder of its own, with a fake clock and a fake sound player.
struct FormBench {
    QTemporaryDir dir;
    FakeClock clock{1000 * 1000};
    FakeSoundPlayer player;
    conteggo::ModalWindows modalWindows;  // the real ones, unless a test puts fakes here
    std::unique_ptr<conteggo::Form1> form;

    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

    // A new window over the folder's two files, started up as the program does it. An earlier
    // window of the bench is closed first.
    conteggo::Form1& open() {
        form.reset();
        form = std::make_unique<conteggo::Form1>(
            clock, player, conteggo::CountFile(path("conteggo.txt")),
            conteggo::PositionFile(path("timerpos.txt")), modalWindows);
        form->startUp();
        return *form;
    }
    // The same over files holding these bytes; a null array leaves the file missing.
    conteggo::Form1& open(const QByteArray& count, const QByteArray& positions = {}) {
        if ((!count.isNull() && !writeFile(path("conteggo.txt"), count)) ||
            (!positions.isNull() && !writeFile(path("timerpos.txt"), positions))) {
            qFatal("cannot write the scratch files");
        }
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
    // "Timer2" ticks, "Timer1" saves, as when the timer fires.
    void fire(const char* timer) const {
        QMetaObject::invokeMethod(find<QTimer>(timer), "timeout");
    }
    // The count runs while the stop button stands in place of the start button.
    bool running() const { return shown("ferma"); }
    QString count() const { return find<QLabel>("Label1")->text(); }
};
