#include "VigiaDaVerificacao.h"

#include "ConexaoSql.h"

namespace Quorvane {

VigiaDaVerificacao::VigiaDaVerificacao(ConexaoSql* conexao, std::chrono::milliseconds insistencia,
                                       std::chrono::milliseconds tolerancia)
    : conexao_(conexao), insistencia_(insistencia), tolerancia_(tolerancia), thread_([this] { Vigiar(); })
{
}

VigiaDaVerificacao::~VigiaDaVerificacao()
{
    {
        std::lock_guard trava(mutex_);
        encerrar_ = true;
    }
    mudou_.notify_one();
    thread_.join();
}

void VigiaDaVerificacao::Iniciar(std::optional<std::chrono::milliseconds> tempoLimite)
{
    {
        std::lock_guard trava(mutex_);
        executando_ = true;
        motivo_ = Motivo::Nenhum;
        parada_.reset();
        prazo_.reset();
        if (tempoLimite)
            prazo_ = std::chrono::steady_clock::now() + *tempoLimite;
    }
    mudou_.notify_one();
}

VigiaDaVerificacao::Motivo VigiaDaVerificacao::Terminar()
{
    std::lock_guard trava(mutex_);
    executando_ = false;
    prazo_.reset();
    parada_.reset();
    return motivo_;
}

void VigiaDaVerificacao::Cancelar()
{
    {
        std::lock_guard trava(mutex_);
        cancelada_ = true;
    }
    mudou_.notify_one();
}

bool VigiaDaVerificacao::Cancelada() const
{
    std::lock_guard trava(mutex_);
    return cancelada_;
}

void VigiaDaVerificacao::Rearmar()
{
    std::lock_guard trava(mutex_);
    cancelada_ = false;
}

void VigiaDaVerificacao::Vigiar()
{
    std::unique_lock trava(mutex_);
    while (!encerrar_) {
        if (!executando_) {
            mudou_.wait(trava);
            continue;
        }
        const auto agora = std::chrono::steady_clock::now();
        if (!parada_) {
            if (cancelada_)
                motivo_ = Motivo::Cancelada;
            else if (prazo_ && agora >= *prazo_)
                motivo_ = Motivo::TempoEsgotado;
            else {
                if (prazo_)
                    mudou_.wait_until(trava, *prazo_);
                else
                    mudou_.wait(trava);
                continue;
            }
            parada_ = agora;
        }
        // Under the lock: once Terminar has returned, the connection is not touched any more.
        if (conexao_) {
            if (agora - *parada_ < tolerancia_)
                conexao_->CancelarOperacao();
            else
                conexao_->AbortarOperacao();
        }
        mudou_.wait_for(trava, insistencia_);
    }
}

} // namespace Quorvane
