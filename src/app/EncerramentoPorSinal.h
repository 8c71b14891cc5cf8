#pragma once

#include <QObject>

#include <memory>

namespace Quorvane {

class CanalDeSinais;

// Ends the application's event loops when the process is asked to stop (SIGTERM, SIGINT,
// SIGHUP, and on Windows the console's events), as a desktop session does at log-out. The
// Firebird client puts handlers of its own on these signals when it loads, which shut the client
// down and then call the handlers that were there before: so this must be created before the
// connection (a signal during it still reaches the program), and Conectar() once the connection
// has been tried and the application exists.
class EncerramentoPorSinal : public QObject {
    Q_OBJECT
public:
    EncerramentoPorSinal();
    ~EncerramentoPorSinal() override;

    // Takes the signals back from the client and delivers them to the application's event loop.
    void Conectar();

private:
    CanalDeSinais* const sinais_;
    std::unique_ptr<QObject> notificador_;
};

} // namespace Quorvane
