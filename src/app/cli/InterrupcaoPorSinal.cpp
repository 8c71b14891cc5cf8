#include "InterrupcaoPorSinal.h"

#include "CanalDeSinais.h"
#include "SinaisDeEncerramento.h"

namespace Quorvane::Cli {

InterrupcaoPorSinal::InterrupcaoPorSinal(std::function<void()> cancelar)
    : cancelar_(std::move(cancelar)), sinais_(InstalarSinaisDeEncerramento()), despertar_(std::make_unique<CanalDeSinais>())
{
    if (sinais_ && despertar_->Aberto())
        thread_ = std::thread([this] { Vigiar(); });
}

InterrupcaoPorSinal::~InterrupcaoPorSinal()
{
    if (thread_.joinable()) {
        despertar_->Escrever(0);
        thread_.join();
    }
}

void InterrupcaoPorSinal::Vigiar()
{
    while (sinais_->Esperar(despertar_.get())) {
        while (const auto sinal = sinais_->Ler()) {
            int nenhum = 0;
            if (sinal_.compare_exchange_strong(nenhum, *sinal))
                cancelar_();
        }
    }
}

} // namespace Quorvane::Cli
