#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

namespace Quorvane {

class ConexaoSql;

// The one place where a running check is stopped, whoever asks: the user, a stop signal or a time
// limit. A thread of its own cancels the statement at once and again every `insistencia` (the
// server drops a cancel that arrives between two of its calls), and cuts the attachment when the
// statement has not stopped after `tolerancia`: a statement busy where the server does not look
// for cancels, or a server that no longer answers.
class VigiaDaVerificacao {
public:
    enum class Motivo { Nenhum, Cancelada, TempoEsgotado };

    explicit VigiaDaVerificacao(ConexaoSql* conexao,
                                std::chrono::milliseconds insistencia = std::chrono::milliseconds(200),
                                std::chrono::milliseconds tolerancia = std::chrono::milliseconds(1000));
    ~VigiaDaVerificacao();
    VigiaDaVerificacao(const VigiaDaVerificacao&) = delete;
    VigiaDaVerificacao& operator=(const VigiaDaVerificacao&) = delete;

    // A check starts; with a limit, it is stopped once the limit has passed.
    void Iniciar(std::optional<std::chrono::milliseconds> tempoLimite);
    // The check ended: why it was stopped, if it was. Nothing touches the connection afterwards.
    Motivo Terminar();

    // From any thread: stops the check running now and every one started after, until Rearmar.
    void Cancelar();
    bool Cancelada() const;
    void Rearmar();

private:
    void Vigiar();

    ConexaoSql* const conexao_;
    const std::chrono::milliseconds insistencia_;
    const std::chrono::milliseconds tolerancia_;
    mutable std::mutex mutex_;
    std::condition_variable mudou_;
    bool executando_ = false;
    bool cancelada_ = false;
    bool encerrar_ = false;
    std::optional<std::chrono::steady_clock::time_point> prazo_;
    std::optional<std::chrono::steady_clock::time_point> parada_; // when stopping began
    Motivo motivo_ = Motivo::Nenhum;
    std::thread thread_;
};

} // namespace Quorvane
