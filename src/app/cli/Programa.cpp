#include "Programa.h"

#include "Analises.h"
#include "ArquivoDoBancoAberto.h"
#include "Auditoria.h"
#include "CodigoSaida.h"
#include "ComparacaoDaAuditoria.h"
#include "ConferenciaDeSaidas.h"
#include "Destino.h"
#include "Erro.h"
#include "FormatoLocal.h"
#include "Formatos.h"
#include "Interfaces.h"
#include "InterrupcaoPorSinal.h"
#include "Opcoes.h"
#include "Progresso.h"
#include "SinaisDeEncerramento.h"
#include "Terminal.h"

#include <QElapsedTimer>

#include <atomic>
#include <chrono>
#include <memory>
#include <optional>
#include <utility>

namespace Quorvane::Cli {

namespace {

// Without a PARAMETRO table or its M6_VALOR column there is no start date to read: the checks that
// need none still run, and the failure is reported with the warnings. Any other failure stops all.
std::shared_ptr<iAnalises> CriarMotor(const FormatoLocal& local, QStringList& avisos)
{
    try {
        return TAnalises::New(local);
    } catch (const ErroBanco& e) {
        if (e.SqlState() != QLatin1String("42S02") && e.SqlState() != QLatin1String("42S22"))
            throw;
        avisos << QStringLiteral("Data Carga Inicial não lida: ") + e.Mensagem();
        return TAnalises::NewSemDataCarga(local);
    }
}

// Adds the warnings about the checks that will run, and shows them all on standard error.
void Avisar(QStringList& avisos, iAnalises& analises, const std::vector<const Verificacao*>& selecionadas)
{
    std::vector<const Verificacao*> executadas;
    for (const Verificacao* v : selecionadas)
        if (!v->UsaData() || !analises.GetDataCargaInicial().isEmpty())
            executadas.push_back(v);
    avisos << analises.LerAvisos(executadas);
    for (const QString& aviso : avisos)
        MostrarErro(QStringLiteral("Aviso: ") + aviso);
}

// Past this, a run a stop signal could not end in order ends all the same.
constexpr std::chrono::milliseconds PrazoAposSinal(1500);

// Said once, whoever ends the run: the program in order, or the forced end (with MostrarErroSemEsperar).
class AvisoDeInterrupcao {
public:
    void Dar(int sinal, void (*mostrar)(const QString&) = MostrarErro)
    {
        if (!dado_.exchange(true))
            mostrar(QStringLiteral("Execução interrompida pelo sinal %1: nenhum resultado foi gravado.").arg(sinal));
    }

private:
    std::atomic<bool> dado_{false};
};

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
    try {
        ConferirSaidas(opcoes);
    } catch (const ErroUso& e) {
        MostrarErro(e.Mensagem());
        return ArgumentosInvalidos;
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
    const auto aviso = std::make_shared<AvisoDeInterrupcao>();
    GarantirFimAposSinal(PrazoAposSinal, [aviso](int sinal) { aviso->Dar(sinal, MostrarErroSemEsperar); });

    // Declared in this order so that they go in reverse: the engine before the connection.
    std::optional<Destino> destino;
    std::optional<EscopoConexao> conexao;
    std::shared_ptr<iAnalises> analises;
    // The user's regional settings: the engine's values and the report's dates and numbers.
    const FormatoLocal local = FormatoLocal::DoSistema();
    QStringList avisos;
    try {
        destino.emplace(opcoes.saida);
        conexao.emplace(OpcoesConexao{opcoes.config.value_or(std::filesystem::path())});
        MostrarErro(DescricaoDoMotor(Conexao->GetConexao()->MotorEmUso()));
        // No spelling of CAMINHO (an alias, another name of this machine) may hide the database
        // from the outputs: its server names its file. Asked only when there is a file to guard:
        // the first read of a monitoring table makes the server take a snapshot of every attachment.
        if (HaSaidaEmArquivo(opcoes)) {
            try {
                ConferirSaidasContraOBanco(opcoes, ArquivoDoBancoAberto(*Conexao->GetConexao()));
            } catch (const ErroUso& e) {
                MostrarErro(e.Mensagem());
                return ArgumentosInvalidos;
            } catch (const ErroBanco&) {
                // A server that will not say: the outputs were already checked against every database file.
            }
        }
        analises = CriarMotor(local, avisos);
    } catch (const ErroConexao& e) {
        // The window's single message, then, for the technician, the client's own reason.
        MostrarErro(e.Mensagem());
        if (!e.Causa().isEmpty())
            MostrarErro(e.Causa());
        return FalhaDeConfiguracao;
    } catch (const Erro& e) {
        MostrarErro(e.Mensagem());
        return FalhaDeConfiguracao;
    }

    Progresso progresso(opcoes.progresso.value_or(SaidaDeErrosEhTerminal()));
    InterrupcaoPorSinal interrupcao([analises] { analises->Cancelar(); });
    const auto interrompida = [&] {
        // A run cut short is no result: nothing is written, and the status says why it ended.
        if (const int sinal = interrupcao.Sinal()) {
            aviso->Dar(sinal);
            return 128 + sinal;
        }
        return 0;
    };
    if (opcoes.tempoLimite)
        analises->DefinirTempoLimite(*opcoes.tempoLimite);
    try {
        Avisar(avisos, *analises, opcoes.verificacoes);
    } catch (const ErroAnaliseCancelada&) {
        // Only a stop signal cancels here.
    }
    MomentoDaAuditoria momento{QDateTime::currentDateTime()};
    QElapsedTimer relogio;
    relogio.start();
    ResultadoAuditoria resultado = Auditar(*analises, opcoes.verificacoes, opcoes.tempoLimite, progresso,
                                           [&] { return interrupcao.Sinal() != 0; });
    momento.milissegundos = relogio.elapsed();
    resultado.avisos = std::move(avisos);
    if (const int codigo = interrompida())
        return codigo;
    std::optional<ResultadoComparacao> comparacao;
    if (linhaDeBase) {
        try {
            comparacao = CompararComLinhaDeBase(*linhaDeBase, resultado);
        } catch (const Erro& e) {
            // Read again for the resolved findings, and changed meanwhile.
            MostrarErro(e.Mensagem());
            return ArgumentosInvalidos;
        }
        AvisarSobreComparacao(*comparacao, resultado);
    }
    const ResultadoComparacao* comComparacao = comparacao ? &*comparacao : nullptr;
    // Both outputs are written before either is put in place, so that a stop signal meanwhile
    // leaves neither.
    try {
        QIODevice& saida = destino->Dispositivo();
        EscreverNoFormato(opcoes.formato, resultado, saida, comComparacao, momento, local, destino->EhTerminal());
    } catch (const Erro& e) {
        MostrarErro(e.Mensagem());
        return FalhaDeConfiguracao;
    }
    std::optional<Destino> planilha;
    QString falhaPlanilha;
    if (opcoes.planilha) {
        try {
            planilha.emplace(opcoes.planilha, QStringLiteral("a planilha"));
            planilha->GravarPlanilha(resultado.Achados(), comComparacao);
        } catch (const Erro& e) {
            planilha.reset();
            falhaPlanilha = e.Mensagem();
        }
    }
    if (const int codigo = interrompida())
        return codigo;
    try {
        destino->Concluir();
        if (planilha)
            try {
                planilha->Concluir();
            } catch (const Erro& e) {
                falhaPlanilha = e.Mensagem();
            }
    } catch (const Erro& e) {
        MostrarErro(e.Mensagem());
        return FalhaDeConfiguracao;
    }
    if (!falhaPlanilha.isEmpty()) {
        MostrarErro(falhaPlanilha);
        return PlanilhaNaoGravada;
    }
    return CodigoDoResultado(resultado, comComparacao);
}

} // namespace Quorvane::Cli
