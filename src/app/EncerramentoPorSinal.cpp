#include "EncerramentoPorSinal.h"

#include "ClienteFirebird.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace Quorvane {

namespace {

// A signal handler may only write to a pipe; the event loop reads the other end.
int Tubo[2] = {-1, -1};

void AoReceberSinal(int sinal)
{
    const unsigned char byte = static_cast<unsigned char>(sinal);
    [[maybe_unused]] const ssize_t escrito = ::write(Tubo[1], &byte, 1);
}

void InstalarTratadores()
{
    struct sigaction acao {};
    acao.sa_handler = AoReceberSinal;
    sigemptyset(&acao.sa_mask);
    acao.sa_flags = SA_RESTART;
    for (const int sinal : {SIGTERM, SIGINT, SIGHUP})
        ::sigaction(sinal, &acao, nullptr);
}

} // namespace

EncerramentoPorSinal::EncerramentoPorSinal()
{
    if (::pipe2(Tubo, O_CLOEXEC | O_NONBLOCK) == 0)
        InstalarTratadores();
}

EncerramentoPorSinal::~EncerramentoPorSinal()
{
    delete notificador_;
}

void EncerramentoPorSinal::Conectar()
{
    if (Tubo[0] < 0 || notificador_)
        return;
    // The client's handlers shut it down on a thread of their own, which could still be at work
    // while the process exits (a crash at log-out); from here on ours alone answer, and the
    // client is shut down below, on this thread, before anything is released.
    InstalarTratadores();
    notificador_ = new QSocketNotifier(Tubo[0], QSocketNotifier::Read);
    QObject::connect(notificador_, &QSocketNotifier::activated, [] {
        unsigned char sinal = 0;
        while (::read(Tubo[0], &sinal, 1) == 1) {
        }
        // A check still running is cancelled with the connection, so the run ends at once.
        EncerrarClientesFirebird();
        // Every running loop ends, the modal ones included; main then releases everything in order.
        QCoreApplication::exit(128 + sinal);
    });
}

} // namespace Quorvane
