#pragma once

#include "Interfaces.h"
#include "LogAlertasAndErros.h"
#include "Verificacao.h"

#include <QString>
#include <QStringList>
#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace Quorvane::Cli {

enum class SituacaoVerificacao {
    Executada,
    Falhou,          // the database (or the engine) refused it
    TempoEsgotado,   // cancelled by the time limit
    SemDataCarga,    // restricted by the start date, and there is none
};

struct ResultadoVerificacao {
    const Verificacao* verificacao = nullptr;
    SituacaoVerificacao situacao = SituacaoVerificacao::Executada;
    std::size_t achados = 0;
    std::int64_t milissegundos = 0;
    QString erro;    // why it did not run; empty when it ran
    // The database's code and SQLSTATE of a check it refused (0 and empty otherwise).
    std::int64_t codigoErro = 0;
    QString sqlState;
};

// The outcome of a run. The findings are sorted as the log window shows them; origens[i] is the
// check that found achados[i].
struct ResultadoAuditoria {
    QString banco;
    QString motor; // "servidor" or "embutido": how the database was reached
    QString dataCargaInicial;
    std::vector<ResultadoVerificacao> verificacoes;
    // Told before the checks ran (missing indexes, NULL keys, a start date that could not be read).
    QStringList avisos;
    TListaLogAlertasAndErros achados;
    std::vector<const Verificacao*> origens;

    const TListaLogAlertasAndErros& Achados() const { return achados; }
};

// Told about each check as soon as it is over.
class iAcompanhamento {
public:
    virtual ~iAcompanhamento() = default;
    virtual void VerificacaoConcluida(const ResultadoVerificacao& resultado) = 0;
};

// Runs the checks in the given order, each stopped by the engine after `tempoLimite`. Unlike the
// window's run, a check that fails does not stop the others: it is reported as not run, without
// findings. Once `interrompida` says so, no further check starts (the result then lists only
// those begun).
ResultadoAuditoria Auditar(iAnalises& analises, const std::vector<const Verificacao*>& verificacoes,
                           std::optional<std::chrono::seconds> tempoLimite, iAcompanhamento& acompanhamento,
                           const std::function<bool()>& interrompida = {});

} // namespace Quorvane::Cli
