#include "Analises.h"

#include "AvisosAntesDaAnalise.h"
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

// The watch goes first: it may be touching the connection the query runs on.
TAnalises::~TAnalises() = default;

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
    if (acompanhamento_) {
        const auto& ordem = Verificacoes();
        const auto aqui = std::find(ordem.begin(), ordem.end(), &verificacao);
        acompanhamento_(aqui == ordem.end() ? 0 : static_cast<std::size_t>(aqui - ordem.begin()) + 1, ordem.size(), verificacao);
    }
    Vigiado([&] { ExecutarVerificacao(verificacao, *QryAnalise, DataCargaInicial, formato_, buffer); });
}

void TAnalises::Vigiado(const std::function<void()>& trabalho)
{
    if (vigia_->Cancelada())
        throw ErroAnaliseCancelada();
    // The attachment was cut to stop the statement before: replaced here, before the watch
    // starts, so that the watch never sees it change.
    if (ConexaoSql* conexao = QryAnalise->Conexao(); conexao && conexao->Abortada())
        conexao->Reconectar();

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
        trabalho();
    } catch (...) {
        // A statement stopped on purpose fails for that reason, not with what the client said.
        parado();
        throw;
    }
    parado();
}

const std::vector<const Verificacao*>& TAnalises::Verificacoes() const
{
    return VerificacoesNaOrdemDeExecucao();
}

QStringList TAnalises::LerAvisos(const std::vector<const Verificacao*>& verificacoes)
{
    QStringList avisos;
    try {
        Vigiado([&] { AvisosAntesDaAnalise(*QryAnalise, verificacoes, avisos); });
    } catch (const ErroAnaliseCancelada&) {
        throw;
    } catch (const ErroTempoEsgotado&) {
        avisos << QStringLiteral("Tempo limite esgotado: a leitura dos avisos foi cancelada, e eles podem estar incompletos.");
    } catch (const Erro& e) {
        // Only advice: the checks report the database's trouble themselves.
        avisos << QStringLiteral("Não foi possível ler as tabelas de sistema para os avisos: %1").arg(e.Mensagem());
    }
    return avisos;
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
