#include "SinaisDeEncerramento.h"

#include "CanalDeSinais.h"
#include "PedidosDeParada.h"

#include <algorithm>
#include <atomic>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

namespace Quorvane {

namespace {

// Both outlive every thread: never destroyed.
CanalDeSinais* Sinais = nullptr;
// The forced end: woken by the handler, told which signal came first.
CanalDeSinais* Despertador = nullptr;
std::atomic<bool> FimGarantido{false};
std::atomic<int> PrimeiroSinal{0};

struct EmEscrita {
    std::mutex trava;
    std::vector<std::filesystem::path> caminhos;
};

EmEscrita& ArquivosEmEscrita()
{
    static auto* arquivos = new EmEscrita;
    return *arquivos;
}

void AoReceberSinal(int sinal)
{
    Sinais->Escrever(sinal);
    int nenhum = 0;
    PrimeiroSinal.compare_exchange_strong(nenhum, sinal);
    if (FimGarantido)
        Despertador->Escrever(sinal);
}

} // namespace

void GarantirFimAposSinal(std::chrono::milliseconds prazo, std::function<void(int)> ultimoAto)
{
    if (FimGarantido)
        return;
    auto despertador = std::make_unique<CanalDeSinais>();
    if (!despertador->Aberto())
        return;
    Despertador = despertador.release();
    std::thread([prazo, ultimoAto = std::move(ultimoAto)] {
        Despertador->Esperar();
        std::this_thread::sleep_for(prazo);
        const int sinal = PrimeiroSinal.load();
        {
            auto& arquivos = ArquivosEmEscrita();
            std::lock_guard trava(arquivos.trava);
            for (const std::filesystem::path& caminho : arquivos.caminhos) {
                std::error_code erro;
                std::filesystem::remove(caminho, erro);
            }
        }
        if (ultimoAto)
            ultimoAto(sinal);
        TerminarProcessoJa(128 + sinal);
    }).detach();
    FimGarantido = true;
    // A signal that came before the thread was there: the handler did not wake it.
    if (PrimeiroSinal != 0)
        Despertador->Escrever(PrimeiroSinal);
}

ArquivoEmEscrita::ArquivoEmEscrita(std::filesystem::path caminho) : caminho_(std::move(caminho))
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

CanalDeSinais* InstalarSinaisDeEncerramento()
{
    if (!Sinais) {
        auto canal = std::make_unique<CanalDeSinais>();
        if (!canal->Aberto())
            return nullptr;
        Sinais = canal.release();
    }
    InstalarPedidosDeParada(AoReceberSinal);
    return Sinais;
}

} // namespace Quorvane
