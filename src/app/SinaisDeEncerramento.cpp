#include "SinaisDeEncerramento.h"

#include <csignal>
#include <fcntl.h>
#include <initializer_list>
#include <unistd.h>

namespace Quorvane {

namespace {

int Tubo[2] = {-1, -1};

void AoReceberSinal(int sinal)
{
    const unsigned char byte = static_cast<unsigned char>(sinal);
    [[maybe_unused]] const ssize_t escrito = ::write(Tubo[1], &byte, 1);
}

} // namespace

int InstalarSinaisDeEncerramento()
{
    if (Tubo[0] < 0 && ::pipe2(Tubo, O_CLOEXEC | O_NONBLOCK) != 0)
        return -1;
    struct sigaction acao {};
    acao.sa_handler = AoReceberSinal;
    sigemptyset(&acao.sa_mask);
    acao.sa_flags = SA_RESTART;
    for (const int sinal : {SIGTERM, SIGINT, SIGHUP})
        ::sigaction(sinal, &acao, nullptr);
    return Tubo[0];
}

} // namespace Quorvane
