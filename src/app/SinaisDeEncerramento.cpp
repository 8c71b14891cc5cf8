#include "SinaisDeEncerramento.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <initializer_list>
#include <mutex>
#include <semaphore.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace Quorvane {

namespace {

int Tubo[2] = {-1, -1};

// The forced end: woken by the handler (sem_post is safe there), told which signal came first.
sem_t Despertador;
std::atomic<bool> FimGarantido{false};
std::atomic<int> PrimeiroSinal{0};

struct EmEscrita {
    std::mutex trava;
    std::vector<std::string> caminhos;
};

EmEscrita& ArquivosEmEscrita()
{
    static auto* arquivos = new EmEscrita; // outlives every thread: never destroyed
    return *arquivos;
}

void AoReceberSinal(int sinal)
{
    const unsigned char byte = static_cast<unsigned char>(sinal);
    [[maybe_unused]] const ssize_t escrito = ::write(Tubo[1], &byte, 1);
    int nenhum = 0;
    PrimeiroSinal.compare_exchange_strong(nenhum, sinal);
    if (FimGarantido)
        ::sem_post(&Despertador);
}

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

void GarantirFimAposSinal(std::chrono::milliseconds prazo, std::function<void(int)> ultimoAto)
{
    if (FimGarantido || ::sem_init(&Despertador, 0, 0) != 0)
        return;
    std::thread([prazo, ultimoAto = std::move(ultimoAto)] {
        while (::sem_wait(&Despertador) != 0 && errno == EINTR) {
        }
        std::this_thread::sleep_for(prazo);
        const int sinal = PrimeiroSinal.load();
        {
            auto& arquivos = ArquivosEmEscrita();
            std::lock_guard trava(arquivos.trava);
            for (const std::string& caminho : arquivos.caminhos)
                ::unlink(caminho.c_str());
        }
        if (ultimoAto)
            ultimoAto(sinal);
        ::_exit(128 + sinal);
    }).detach();
    FimGarantido = true;
    // A signal that came before the thread was there: the handler did not wake it.
    if (PrimeiroSinal != 0)
        ::sem_post(&Despertador);
}

ArquivoEmEscrita::ArquivoEmEscrita(std::string caminho) : caminho_(std::move(caminho))
{
    auto& arquivos = ArquivosEmEscrita();
    std::lock_guard trava(arquivos.trava);
    arquivos.caminhos.push_back(caminho_);
}

ArquivoEmEscrita::~ArquivoEmEscrita()
{
    auto& arquivos = ArquivosEmEscrita();
    std::lock_guard trava(arquivos.trava);
    const auto achado = std::find(arquivos.caminhos.begin(), arquivos.caminhos.end(), caminho_);
    if (achado != arquivos.caminhos.end())
        arquivos.caminhos.erase(achado);
}

int InstalarSinaisDeEncerramento()
{
    if (Tubo[0] < 0 && ::pipe2(Tubo, O_CLOEXEC | O_NONBLOCK) != 0)
        return -1;
    struct sigaction acao {};
    acao.sa_handler = AoReceberSinal;
    sigemptyset(&acao.sa_mask);
    acao.sa_flags = SA_RESTART;
    struct sigaction ignorar {};
    ignorar.sa_handler = SIG_IGN;
    sigemptyset(&ignorar.sa_mask);
    // Ignored again on each call too: the client's handlers would otherwise answer them.
    for (const int sinal : {SIGTERM, SIGINT, SIGHUP})
        ::sigaction(sinal, IgnoradoAoIniciar(sinal) ? &ignorar : &acao, nullptr);
    return Tubo[0];
}

} // namespace Quorvane
