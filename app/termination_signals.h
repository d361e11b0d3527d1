#pragma once

#include <QObject>

class QSocketNotifier;

namespace conteggo {

// Catches SIGTERM, SIGINT and SIGHUP from this moment on, whatever their disposition was (a
// copy started in the background by a script inherits SIGINT ignored). A signal that comes
// before a TerminationSignals object exists is kept and reported by the first one made, so
// nothing sent during start-up is lost. Call it first thing in main.
void catchTerminationSignals();

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
