#include "Programa.h"

#include "Analises.h"
#include "Auditoria.h"
#include "CodigoSaida.h"
#include "ConferenciaDeSaidas.h"
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

#include <atomic>
#include <chrono>
#include <memory>
#include <optional>

namespace Quorvane::Cli {

namespace {

// Past this, a run a stop signal could not end in order ends all the same.
constexpr std::chrono::milliseconds PrazoAposSinal(1500);

// Said once, whoever ends the run: the program in order, or the forced end.
class AvisoDeInterrupcao {
public:
    void Dar(int sinal)
    {
        if (!dado_.exchange(true))
            MostrarErro(QStringLiteral("Execução interrompida pelo sinal %1: nenhum resultado foi gravado.").arg(sinal));
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

    // Before the client library loads, so that a signal during the connection reaches us too.
    InstalarSinaisDeEncerramento();
    const auto aviso = std::make_shared<AvisoDeInterrupcao>();
    GarantirFimAposSinal(PrazoAposSinal, [aviso](int sinal) { aviso->Dar(sinal); });

    // Declared in this order so that they go in reverse: the engine before the connection.
    std::optional<Destino> destino;
    std::optional<EscopoConexao> conexao;
    std::shared_ptr<iAnalises> analises;
    try {
        destino.emplace(opcoes.saida);
        conexao.emplace(OpcoesConexao{opcoes.config.value_or(std::filesystem::path())});
        if (const QString& aviso = Conexao->GetConexao()->AvisoDaConexao(); !aviso.isEmpty())
            MostrarErro(aviso);
        analises = TAnalises::New(FormatoLocal::DoSistema());
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
    const ResultadoAuditoria resultado = Auditar(*analises, opcoes.verificacoes, opcoes.tempoLimite, progresso,
                                                 [&] { return interrupcao.Sinal() != 0; });
    if (const int codigo = interrompida())
        return codigo;
    // Both outputs are written before either is put in place, so that a stop signal meanwhile
    // leaves neither.
    try {
        EscreverNoFormato(opcoes.formato, resultado, destino->Dispositivo());
    } catch (const Erro& e) {
        MostrarErro(e.Mensagem());
        return FalhaDeConfiguracao;
    }
    std::optional<Destino> planilha;
    QString falhaPlanilha;
    if (opcoes.planilha) {
        try {
            planilha.emplace(opcoes.planilha, QStringLiteral("a planilha"));
            planilha->GravarPorArquivo([&](const std::filesystem::path& arquivo) { GravarPlanilhaAchados(arquivo, resultado.Achados()); });
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
    return CodigoDoResultado(resultado);
}

} // namespace Quorvane::Cli
