#include "Analises.h"

#include "ConexaoSql.h"
#include "ConsultaSql.h"
#include "DataLocal.h"
#include "Erro.h"
#include "ExecucaoVerificacao.h"
#include "FormatacaoValores.h"
#include "Verificacoes.h"
#include "VigiaDaVerificacao.h"

#include <algorithm>

namespace Quorvane {

namespace {

// The engine's process-wide state.
std::unique_ptr<ConsultaSql> QryAnalise;
TListaLogAlertasAndErros ListaLogAlertasAndErros;
TLogAlertasAndErros LogAlertasAndErros;
QDate DataCargaInicial; // invalid: no start date (day 0)

} // namespace

std::shared_ptr<iAnalises> TAnalises::New(const FormatoLocal& formato, std::shared_ptr<iTelaLog> telaLog)
{
    std::unique_ptr<TAnalises> analises(new TAnalises(formato, std::move(telaLog)));
    analises->Create();
    return std::shared_ptr<iAnalises>(std::move(analises));
}

std::shared_ptr<iAnalises> TAnalises::NewSemDataCarga(const FormatoLocal& formato)
{
    std::unique_ptr<TAnalises> analises(new TAnalises(formato, nullptr));
    analises->Create(false);
    return std::shared_ptr<iAnalises>(std::move(analises));
}

TAnalises::TAnalises(const FormatoLocal& formato, std::shared_ptr<iTelaLog> telaLog)
    : formato_(formato), telaLog_(std::move(telaLog))
{
}

void TAnalises::Create(bool lerDataCarga)
{
    QryAnalise = std::make_unique<ConsultaSql>(Conexao ? Conexao->GetConexao() : nullptr);
    vigia_ = std::make_unique<VigiaDaVerificacao>(QryAnalise->Conexao());
    LogAlertasAndErros.Create(ListaLogAlertasAndErros);
    if (!lerDataCarga) {
        DataCargaInicial = QDate();
        return;
    }

    QryAnalise->LimparSQL();
    QryAnalise->AdicionarLinha(QStringLiteral(" SELECT M6_VALOR AS DATA_INICIO_CUSTO FROM PARAMETRO P1 WHERE P1.M6_ID = 252"));
    QryAnalise->Abrir();
    if (!QryAnalise->Eof()) {
        const QString texto = CampoComoTexto(*QryAnalise, QryAnalise->IndiceCampo(QStringLiteral("DATA_INICIO_CUSTO")), formato_);
        // A text that is not a date leaves the value as it was; day 0 is no date at all.
        if (const auto data = LerDataLocal(texto, formato_, QDate::currentDate()))
            DataCargaInicial = *data == DiaZero ? QDate() : *data;
    } else {
        DataCargaInicial = QDate();
    }
    // The parameter has been read: end its transaction now rather than when the first check runs.
    QryAnalise->Fechar();
}

TAnalises::~TAnalises()
{
    vigia_.reset();
    ListaLogAlertasAndErros.clear();
    ListaLogAlertasAndErros.shrink_to_fit();
    LogAlertasAndErros = {};
    QryAnalise.reset();
}

iAnalises& TAnalises::LimparLog()
{
    if (vigia_)
        vigia_->Rearmar();
    if (LogAlertasAndErros.FLista)
        LogAlertasAndErros.FLista->clear();
    return *this;
}

iAnalises& TAnalises::Executar(const Verificacao& verificacao)
{
    Rodar(verificacao, LogAlertasAndErros);
    return *this;
}

TListaLogAlertasAndErros TAnalises::AchadosDe(const Verificacao& verificacao)
{
    TListaLogAlertasAndErros achados;
    TLogAlertasAndErros buffer;
    buffer.Create(achados);
    Rodar(verificacao, buffer);
    return achados;
}

void TAnalises::Rodar(const Verificacao& verificacao, TLogAlertasAndErros& buffer)
{
    // The state is the process's: an engine destroyed before this one took it with it.
    if (!QryAnalise || !LogAlertasAndErros.FLista)
        throw Erro(QStringLiteral("O motor de análises foi encerrado"));
    if (vigia_->Cancelada())
        throw ErroAnaliseCancelada();
    // The attachment was cut to stop the check before: replaced here, before the watch starts,
    // so that the watch never sees it change.
    if (ConexaoSql* conexao = QryAnalise->Conexao(); conexao && conexao->Abortada())
        conexao->Reconectar();

    if (acompanhamento_) {
        const auto& ordem = VerificacoesNaOrdemDeExecucao();
        const auto aqui = std::find(ordem.begin(), ordem.end(), &verificacao);
        acompanhamento_(aqui == ordem.end() ? 0 : static_cast<std::size_t>(aqui - ordem.begin()) + 1, ordem.size(), verificacao);
    }
    vigia_->Iniciar(tempoLimite_);
    const auto parado = [this] {
        switch (vigia_->Terminar()) {
        case VigiaDaVerificacao::Motivo::Cancelada:
            throw ErroAnaliseCancelada();
        case VigiaDaVerificacao::Motivo::TempoEsgotado:
            throw ErroTempoEsgotado();
        case VigiaDaVerificacao::Motivo::Nenhum:
            break;
        }
    };
    try {
        ExecutarVerificacao(verificacao, *QryAnalise, DataCargaInicial, formato_, buffer);
    } catch (...) {
        // A check stopped on purpose fails for that reason, not with what the client said.
        parado();
        throw;
    }
    parado();
}

void TAnalises::Cancelar()
{
    if (vigia_)
        vigia_->Cancelar();
}

void TAnalises::DefinirAcompanhamento(Acompanhamento acompanhamento)
{
    acompanhamento_ = std::move(acompanhamento);
}

void TAnalises::DefinirTempoLimite(std::optional<std::chrono::milliseconds> tempo)
{
    tempoLimite_ = tempo;
}

iAnalises& TAnalises::CargaInicialSemCustoUnitarioEntrada()
{
    return Executar(VerificacaoCargaInicialSemCustoUnitarioEntrada());
}

iAnalises& TAnalises::CFOPBeneficiamentoTerceiroAoMesmoTempo()
{
    return Executar(VerificacaoCFOPBeneficiamentoTerceiroAoMesmoTempo());
}

iAnalises& TAnalises::CFOPConsumoMovimentandoEstoque()
{
    return Executar(VerificacaoCFOPConsumoMovimentandoEstoque());
}

iAnalises& TAnalises::ImportacaoSemDespesas()
{
    return Executar(VerificacaoImportacaoSemDespesas());
}

iAnalises& TAnalises::ImportacaoSemFOB()
{
    return Executar(VerificacaoImportacaoSemFOB());
}

iAnalises& TAnalises::PrimeiroLancamentoSaidaMovimentaEstoque()
{
    return Executar(VerificacaoPrimeiroLancamentoSaidaMovimentaEstoque());
}

iAnalises& TAnalises::AcertoEntradaSemValorUnitario()
{
    return Executar(VerificacaoAcertoEntradaSemValorUnitario());
}

void TAnalises::ShowTelaLog()
{
    if (vigia_ && vigia_->Cancelada())
        throw ErroAnaliseCancelada();
    if (telaLog_)
        telaLog_->Mostrar(LogAlertasAndErros, GetDataCargaInicial());
}

QString TAnalises::GetDataCargaInicial()
{
    return DataCargaInicial.isValid() ? FormatarDataCarga(DataCargaInicial, formato_) : QString();
}

TLogAlertasAndErros& TAnalises::GetLogAlertasAndErros()
{
    return LogAlertasAndErros;
}

} // namespace Quorvane
