#pragma once

#include <QTemporaryDir>
#include <functional>
#include <memory>

#include "fake_clock.h"
#include "fake_sound_player.h"
#include "form1.h"
#include "scratch_file.h"

// A main window over a scratch folder of its own, with a fake clock and a fake sound player.
struct FormBench {
    QTemporaryDir dir;
    FakeClock clock{1000 * 1000};
    FakeSoundPlayer player;
    std::unique_ptr<conteggo::Form1> form;

    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

    // A new window over the folder's two files, as the program opens it; `prepare` runs
    // before start-up reads the files. An earlier window of the bench is closed first.
    conteggo::Form1& open(const std::function<void(conteggo::Form1&)>& prepare = {}) {
        form.reset();
        form = std::make_unique<conteggo::Form1>(clock, player,
                                                 conteggo::CountFile(path("conteggo.txt")),
                                                 conteggo::PositionFile(path("timerpos.txt")));
        if (prepare) {
            prepare(*form);
        }
        form->startUp();
        return *form;
    }
};
