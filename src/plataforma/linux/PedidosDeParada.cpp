#include "PedidosDeParada.h"

#include <algorithm>
#include <csignal>
#include <initializer_list>
#include <unistd.h>
#include <vector>

namespace Quorvane {

namespace {

// The signals the process was started ignoring (nohup's SIGHUP, a shell's SIGINT for a job in the
// background): the one who started it chose so, and they stay ignored.
bool IgnoradoAoIniciar(int sinal)
{
    static const auto ignorados = [] {
        std::vector<int> lista;
        for (const int s : {SIGTERM, SIGINT, SIGHUP}) {
            struct sigaction atual {};
            if (::sigaction(s, nullptr, &atual) == 0 && atual.sa_handler == SIG_IGN)
                lista.push_back(s);
        }
        return lista;
    }();
    return std::find(ignorados.begin(), ignorados.end(), sinal) != ignorados.end();
}

} // namespace

void InstalarPedidosDeParada(AoPedirParada aoPedir)
{
    struct sigaction acao {};
    acao.sa_handler = aoPedir;
    sigemptyset(&acao.sa_mask);
    acao.sa_flags = SA_RESTART;
    struct sigaction ignorar {};
    ignorar.sa_handler = SIG_IGN;
    sigemptyset(&ignorar.sa_mask);
    // Ignored again on each call too: the client's handlers would otherwise answer them.
    for (const int sinal : {SIGTERM, SIGINT, SIGHUP})
        ::sigaction(sinal, IgnoradoAoIniciar(sinal) ? &ignorar : &acao, nullptr);
}

void TerminarProcessoJa(int codigo)
{
    ::_exit(codigo);
}

} // namespace Quorvane
