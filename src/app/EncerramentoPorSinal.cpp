#include "EncerramentoPorSinal.h"

#include "ClienteFirebird.h"
#include "SinaisDeEncerramento.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <unistd.h>

namespace Quorvane {

EncerramentoPorSinal::EncerramentoPorSinal() : tubo_(InstalarSinaisDeEncerramento()) {}

EncerramentoPorSinal::~EncerramentoPorSinal()
{
    delete notificador_;
}

void EncerramentoPorSinal::Conectar()
{
    if (tubo_ < 0 || notificador_)
        return;
    // The client's handlers shut it down on a thread of their own, which could still be at work
    // while the process exits (a crash at log-out); from here on ours alone answer, and the
    // client is shut down below, on this thread, before anything is released.
    InstalarSinaisDeEncerramento();
    notificador_ = new QSocketNotifier(tubo_, QSocketNotifier::Read);
    QObject::connect(notificador_, &QSocketNotifier::activated, [tubo = tubo_] {
        unsigned char sinal = 0;
        while (::read(tubo, &sinal, 1) == 1) {
        }
        // A check still running is cancelled with the connection, so the run ends at once.
        EncerrarClientesFirebird();
        // Every running loop ends, the modal ones included; main then releases everything in order.
        QCoreApplication::exit(128 + sinal);
    });
}

} // namespace Quorvane
