#include "EncerramentoPorSinal.h"

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

} // namespace

EncerramentoPorSinal::EncerramentoPorSinal()
{
    if (::pipe2(Tubo, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    struct sigaction acao {};
    acao.sa_handler = AoReceberSinal;
    sigemptyset(&acao.sa_mask);
    acao.sa_flags = SA_RESTART;
    for (const int sinal : {SIGTERM, SIGINT, SIGHUP})
        ::sigaction(sinal, &acao, nullptr);
}

EncerramentoPorSinal::~EncerramentoPorSinal()
{
    delete notificador_;
}

void EncerramentoPorSinal::Conectar()
{
    if (Tubo[0] < 0 || notificador_)
        return;
    notificador_ = new QSocketNotifier(Tubo[0], QSocketNotifier::Read);
    QObject::connect(notificador_, &QSocketNotifier::activated, [] {
        unsigned char sinal = 0;
        while (::read(Tubo[0], &sinal, 1) == 1) {
        }
        // Every running loop ends, the modal ones included; main then releases everything in order.
        QCoreApplication::exit(128 + sinal);
    });
}

} // namespace Quorvane
