#include "Programa.h"

#include "Analises.h"
#include "Auditoria.h"
#include "CodigoSaida.h"
#include "Destino.h"
#include "Erro.h"
#include "FormatoLocal.h"
#include "Formatos.h"
#include "Interfaces.h"
#include "Opcoes.h"
#include "PlanilhaAchados.h"
#include "Progresso.h"
#include "Terminal.h"

#include <optional>

namespace Quorvane::Cli {

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

    // Declared in this order so that they go in reverse: the engine before the connection.
    std::optional<Destino> destino;
    std::optional<EscopoConexao> conexao;
    std::shared_ptr<iAnalises> analises;
    try {
        destino.emplace(opcoes.saida);
        conexao.emplace(OpcoesConexao{opcoes.config.value_or(std::filesystem::path())});
        analises = TAnalises::New(FormatoLocal::DoSistema());
    } catch (const Erro& e) {
        MostrarErro(e.Mensagem());
        return FalhaDeConfiguracao;
    }

    Progresso progresso(opcoes.progresso.value_or(SaidaDeErrosEhTerminal()));
    const ResultadoAuditoria resultado = Auditar(*analises, opcoes.verificacoes, opcoes.tempoLimite, progresso);
    try {
        EscreverNoFormato(opcoes.formato, resultado, destino->Dispositivo());
        destino->Concluir();
    } catch (const Erro& e) {
        MostrarErro(e.Mensagem());
        return FalhaDeConfiguracao;
    }
    if (opcoes.planilha) {
        try {
            GravarPlanilhaAchados(*opcoes.planilha, resultado.Achados());
        } catch (const Erro& e) {
            MostrarErro(e.Mensagem());
            return PlanilhaNaoGravada;
        }
    }
    return CodigoDoResultado(resultado);
}

} // namespace Quorvane::Cli
