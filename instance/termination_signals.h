#pragma once

#include <QObject>

class QSocketNotifier;

namespace conteggo {

// Catches SIGTERM, SIGINT and SIGHUP from this moment on, whatever their disposition was (a
// copy started in the background by a script inherits SIGINT ignored). A signal that comes
// before a TerminationSignals object exists is kept and reported by the first one made, so
// nothing sent during start-up is lost. Call it first thing in main.
void catchTerminationSignals();

// Whether one of those signals has come since catchTerminationSignals. For the waits that run
// outside an event loop (a command waiting for the running copy), which look at it between
// short slices of their wait.
bool terminationRequested();

// Ends the process as the signal that came would have ended it, had it not been caught.
[[noreturn]] void endAsSignalled();

// Turns the caught signals into a signal on the event loop, so a logout, a shutdown or Ctrl+C
// closes the window the ordinary way and its files are written.
class TerminationSignals : public QObject {
    Q_OBJECT

  public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

  signals:
    void received();

  private:
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace conteggo
