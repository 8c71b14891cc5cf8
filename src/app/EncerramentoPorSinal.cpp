#include "EncerramentoPorSinal.h"

#include "CanalDeSinais.h"
#include "ClienteFirebird.h"
#include "SinaisDeEncerramento.h"

#include <QCoreApplication>

namespace Quorvane {

EncerramentoPorSinal::EncerramentoPorSinal() : sinais_(InstalarSinaisDeEncerramento()) {}

EncerramentoPorSinal::~EncerramentoPorSinal() = default;

void EncerramentoPorSinal::Conectar()
{
    if (!sinais_ || notificador_)
        return;
    // The client's handlers shut it down on a thread of their own, which could still be at work
    // while the process exits (a crash at log-out); from here on ours alone answer, and the
    // client is shut down below, on this thread, before anything is released.
    InstalarSinaisDeEncerramento();
    notificador_ = sinais_->NotificarNoLaco([sinais = sinais_] {
        int sinal = 0;
        while (const auto lido = sinais->Ler())
            sinal = *lido;
        if (sinal == 0)
            return;
        // A check still running is cancelled with the connection, so the run ends at once.
        EncerrarClientesFirebird();
        // Every running loop ends, the modal ones included; main then releases everything in order.
        QCoreApplication::exit(128 + sinal);
    });
}

} // namespace Quorvane
