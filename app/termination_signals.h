#pragma once

#include <QObject>

class QSocketNotifier;

namespace conteggo {

// Turns SIGTERM, SIGINT and SIGHUP into a signal on the event loop, so a logout, a shutdown or
// Ctrl+C closes the window the ordinary way and its files are written.
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
