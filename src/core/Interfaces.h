#pragma once

#include "Connection.h"
#include "LogAlertasAndErros.h"
#include "Verificacao.h"

#include <QString>
#include <memory>

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
    // The buffer record; its FLista is the result list.
    virtual TLogAlertasAndErros& GetLogAlertasAndErros() = 0;
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
