#pragma once

#include "FormatoLocal.h"
#include "Interfaces.h"
#include "TelaLog.h"

#include <QDate>

#include <functional>
#include <memory>

namespace Quorvane {

class ConsultaSql;
class VigiaDaVerificacao;

// The analysis engine: its query (QryAnalise), result log (LogAlertasAndErros) and start date
// (DataCargaInicial) are its own, so that one engine's end leaves another as it was.
class TAnalises final : public iAnalises {
public:
    // Binds the query to Conexao and reads the start date. If that fails, the half-built engine
    // is destroyed again and the database error passes on.
    static std::shared_ptr<iAnalises> New(const FormatoLocal& formato = FormatoLocal::DoSistema(),
                                          std::shared_ptr<iTelaLog> telaLog = nullptr);
    // An engine without a start date, for a database whose start date cannot be read at all: the
    // checks that need none can still run.
    static std::shared_ptr<iAnalises> NewSemDataCarga(const FormatoLocal& formato = FormatoLocal::DoSistema());

    ~TAnalises() override;

    iAnalises& LimparLog() override;
    iAnalises& CargaInicialSemCustoUnitarioEntrada() override;
    iAnalises& CFOPBeneficiamentoTerceiroAoMesmoTempo() override;
    iAnalises& CFOPConsumoMovimentandoEstoque() override;
    iAnalises& ImportacaoSemDespesas() override;
    iAnalises& ImportacaoSemFOB() override;
    iAnalises& PrimeiroLancamentoSaidaMovimentaEstoque() override;
    iAnalises& AcertoEntradaSemValorUnitario() override;
    void ShowTelaLog() override;
    QString GetDataCargaInicial() override;

    iAnalises& Executar(const Verificacao& verificacao) override;
    const std::vector<const Verificacao*>& Verificacoes() const override;
    QStringList LerAvisos(const std::vector<const Verificacao*>& verificacoes) override;
    TLogAlertasAndErros& GetLogAlertasAndErros() override;
    TListaLogAlertasAndErros AchadosDe(const Verificacao& verificacao) override;
    void Cancelar() override;
    void DefinirTempoLimite(std::optional<std::chrono::milliseconds> tempo) override;
    void DefinirAcompanhamento(Acompanhamento acompanhamento) override;

private:
    TAnalises(const FormatoLocal& formato, std::shared_ptr<iTelaLog> telaLog);
    void Create(bool lerDataCarga = true);
    void Rodar(const Verificacao& verificacao, TLogAlertasAndErros& buffer);
    // Every statement runs here: on a live attachment, watched, stopped when asked.
    void Vigiado(const std::function<void()>& trabalho);

    std::unique_ptr<ConsultaSql> QryAnalise;
    TListaLogAlertasAndErros ListaLogAlertasAndErros;
    TLogAlertasAndErros LogAlertasAndErros;
    QDate DataCargaInicial; // invalid: no start date (day 0)
    FormatoLocal formato_;
    std::shared_ptr<iTelaLog> telaLog_;
    std::optional<std::chrono::milliseconds> tempoLimite_;
    Acompanhamento acompanhamento_;
    std::unique_ptr<VigiaDaVerificacao> vigia_;
};

} // namespace Quorvane
