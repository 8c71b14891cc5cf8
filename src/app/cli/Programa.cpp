#include "Programa.h"

#include "Analises.h"
#include "AvisosAntesDaAnalise.h"
#include "Auditoria.h"
#include "CodigoSaida.h"
#include "ComparacaoDaAuditoria.h"
#include "Destino.h"
#include "Erro.h"
#include "FormatoLocal.h"
#include "Formatos.h"
#include "Interfaces.h"
#include "InterrupcaoPorSinal.h"
#include "Opcoes.h"
#include "PlanilhaAchados.h"
#include "Progresso.h"
#include "SinaisDeEncerramento.h"
#include "Terminal.h"

#include <QElapsedTimer>

#include <optional>

namespace Quorvane::Cli {

namespace {

// Without a PARAMETRO table or its M6_VALOR column there is no start date to read: the checks that
// need none still run, and the failure is reported with the warnings. Any other failure stops all.
std::shared_ptr<iAnalises> CriarMotor(QStringList& avisos)
{
    try {
        return TAnalises::New(FormatoLocal::DoSistema());
    } catch (const ErroBanco& e) {
        if (e.SqlState() != QLatin1String("42S02") && e.SqlState() != QLatin1String("42S22"))
            throw;
        avisos << QStringLiteral("Data Carga Inicial não lida: ") + e.Mensagem();
        return TAnalises::NewSemDataCarga(FormatoLocal::DoSistema());
    }
}

// The warnings about the checks that will run, each on standard error as well.
QStringList Avisar(QStringList avisos, iAnalises& analises, const std::vector<const Verificacao*>& selecionadas)
{
    std::vector<const Verificacao*> executadas;
    for (const Verificacao* v : selecionadas)
        if (!v->UsaData() || !analises.GetDataCargaInicial().isEmpty())
            executadas.push_back(v);
    avisos << AvisosAntesDaAnalise(Conexao->GetConexao(), executadas);
    for (const QString& aviso : avisos)
        MostrarErro(QStringLiteral("Aviso: ") + aviso);
    return avisos;
}

} // namespace

int ExecutarPrograma(const QStringList& argumentos)
{
    OpcoesCli opcoes;
    try {
        opcoes = LerOpcoes(argumentos);
    } catch (const ErroUso& e) {
        MostrarErro(e.Mensagem() + u'\n' + u'\n' + TextoUso().chopped(1));
        return ArgumentosInvalidos;
    }
    if (opcoes.ajuda) {
        MostrarTexto(TextoUso());
        return SemAchados;
    }
    if (opcoes.versao) {
        MostrarTexto(QStringLiteral("quorvane-cli " QUORVANE_VERSAO "\n"));
        return SemAchados;
    }

    // A baseline that cannot be used is a mistake in the command, found before the database is opened.
    std::optional<LinhaDeBase> linhaDeBase;
    if (opcoes.linhaDeBase) {
        try {
            linhaDeBase = LerLinhaDeBase(*opcoes.linhaDeBase);
        } catch (const Erro& e) {
            MostrarErro(e.Mensagem());
            return ArgumentosInvalidos;
        }
    }

    // Before the client library loads, so that a signal during the connection reaches us too.
    InstalarSinaisDeEncerramento();

    // Declared in this order so that they go in reverse: the engine before the connection.
    std::optional<Destino> destino;
    std::optional<EscopoConexao> conexao;
    std::shared_ptr<iAnalises> analises;
    QStringList avisos;
    try {
        destino.emplace(opcoes.saida);
        conexao.emplace(OpcoesConexao{opcoes.config.value_or(std::filesystem::path())});
        analises = CriarMotor(avisos);
    } catch (const Erro& e) {
        MostrarErro(e.Mensagem());
        return FalhaDeConfiguracao;
    }

    Progresso progresso(opcoes.progresso.value_or(SaidaDeErrosEhTerminal()));
    std::optional<InterrupcaoPorSinal> interrupcao;
    interrupcao.emplace([conexao = Conexao->GetConexao()] { conexao->CancelarOperacao(); });
    avisos = Avisar(avisos, *analises, opcoes.verificacoes);
    MomentoDaAuditoria momento{QDateTime::currentDateTime()};
    QElapsedTimer relogio;
    relogio.start();
    ResultadoAuditoria resultado = Auditar(*analises, opcoes.verificacoes, opcoes.tempoLimite, progresso,
                                           [&] { return interrupcao->Sinal() != 0; });
    momento.milissegundos = relogio.elapsed();
    resultado.avisos = avisos;
    const int sinal = interrupcao->Sinal();
    interrupcao.reset();
    if (sinal) {
        // A run cut short is no result: nothing is written, and the status says why it ended.
        MostrarErro(QStringLiteral("Execução interrompida pelo sinal %1: nenhum resultado foi gravado.").arg(sinal));
        return 128 + sinal;
    }
    std::optional<ResultadoComparacao> comparacao;
    if (linhaDeBase) {
        comparacao = CompararComLinhaDeBase(*linhaDeBase, resultado);
        AvisarSobreComparacao(*comparacao, resultado);
    }
    const ResultadoComparacao* comComparacao = comparacao ? &*comparacao : nullptr;
    try {
        EscreverNoFormato(opcoes.formato, resultado, destino->Dispositivo(), comComparacao, momento,
                          !opcoes.saida && SaidaPadraoEhTerminal());
        destino->Concluir();
    } catch (const Erro& e) {
        MostrarErro(e.Mensagem());
        return FalhaDeConfiguracao;
    }
    if (opcoes.planilha) {
        try {
            GravarPlanilhaAchados(*opcoes.planilha, resultado.Achados(), comComparacao);
        } catch (const Erro& e) {
            MostrarErro(e.Mensagem());
            return PlanilhaNaoGravada;
        }
    }
    return comparacao ? CodigoDaComparacao(resultado, *comparacao) : CodigoDoResultado(resultado);
}

} // namespace Quorvane::Cli
