#pragma once

#include <QObject>

class QSocketNotifier;

namespace Quorvane {

// Ends the application's event loops when the process is asked to stop (SIGTERM, SIGINT,
// SIGHUP), as a desktop session does at log-out. The Firebird client puts handlers of its own
// on these signals when it loads, which shut the client down and then call the handlers that were
// there before: so this must be created before the connection, and Conectar() after the
// application exists.
class EncerramentoPorSinal : public QObject {
    Q_OBJECT
public:
    EncerramentoPorSinal();
    ~EncerramentoPorSinal() override;

    // Starts delivering the signals to the application's event loop.
    void Conectar();

private:
    QSocketNotifier* notificador_ = nullptr;
};

} // namespace Quorvane
