#pragma once

#include "Connection.h"
#include "Erro.h"
#include "LogAlertasAndErros.h"
#include "Verificacao.h"

#include <QString>
#include <QStringList>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>

namespace Quorvane {

// The analysis engine. Every operation that returns the engine returns this same object, so a
// run is written as one chain: LimparLog, the checks, ShowTelaLog.
class iAnalises {
public:
    virtual ~iAnalises() = default;

    virtual iAnalises& LimparLog() = 0;
    virtual iAnalises& CargaInicialSemCustoUnitarioEntrada() = 0;
    virtual iAnalises& CFOPBeneficiamentoTerceiroAoMesmoTempo() = 0;
    virtual iAnalises& CFOPConsumoMovimentandoEstoque() = 0;
    virtual iAnalises& ImportacaoSemDespesas() = 0;
    virtual iAnalises& ImportacaoSemFOB() = 0;
    virtual iAnalises& PrimeiroLancamentoSaidaMovimentaEstoque() = 0;
    virtual iAnalises& AcertoEntradaSemValorUnitario() = 0;
    virtual void ShowTelaLog() = 0;
    virtual QString GetDataCargaInicial() = 0;

    // Runs any check given as data (the seven above are such checks).
    virtual iAnalises& Executar(const Verificacao& verificacao) = 0;
    // The checks of an analysis run, in its order: what both programs run.
    virtual const std::vector<const Verificacao*>& Verificacoes() const = 0;
    // What the user should know before these checks run (AvisosAntesDaAnalise.h), read on the
    // engine's connection and stopped as a check is: a cancel fails with ErroAnaliseCancelada, the
    // time limit ends the reading with the warnings found so far and one saying so.
    virtual QStringList LerAvisos(const std::vector<const Verificacao*>& verificacoes) = 0;
    // The buffer record; its FLista is the result list.
    virtual TLogAlertasAndErros& GetLogAlertasAndErros() = 0;

    // Runs one check and hands back its findings, leaving the log as it is: a check that fails
    // gives none.
    virtual TListaLogAlertasAndErros AchadosDe(const Verificacao& verificacao) = 0;
    // Stops the run, from any thread: the check running now is cancelled (its attachment cut if
    // it does not stop), and every operation after it fails with ErroAnaliseCancelada until the
    // next LimparLog.
    virtual void Cancelar() = 0;
    // A check still running after this long is stopped and fails with ErroTempoEsgotado; the next
    // one runs on a new attachment if the old one had to be cut. None: no limit (the default).
    virtual void DefinirTempoLimite(std::optional<std::chrono::milliseconds> tempo) = 0;
    // Told as each check starts, on the thread that runs it: its place in the run order (from 1),
    // how many checks a run has, and the check.
    using Acompanhamento = std::function<void(std::size_t posicao, std::size_t total, const Verificacao& verificacao)>;
    virtual void DefinirAcompanhamento(Acompanhamento acompanhamento) = 0;
};

// How a check that was stopped fails.
class ErroAnaliseCancelada : public Erro {
public:
    ErroAnaliseCancelada() : Erro(QStringLiteral("Análise cancelada.")) {}
};

class ErroTempoEsgotado : public Erro {
public:
    ErroTempoEsgotado() : Erro(QStringLiteral("Tempo limite esgotado: a verificação foi cancelada")) {}
};

// The process-wide connection service, set at start-up before any window exists.
extern std::shared_ptr<iConnection> Conexao;

// Creates Conexao for the life of the holder and releases it afterwards.
class EscopoConexao {
public:
    explicit EscopoConexao(const OpcoesConexao& opcoes = {}) { Conexao = TConnection::New(opcoes); }
    ~EscopoConexao() { Conexao.reset(); }
    EscopoConexao(const EscopoConexao&) = delete;
    EscopoConexao& operator=(const EscopoConexao&) = delete;
};

} // namespace Quorvane
