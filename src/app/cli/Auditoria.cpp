#include "Auditoria.h"

#include "ConexaoSql.h"
#include "Erro.h"
#include "OrdemDosAchados.h"
#include "VigiaTempo.h"

#include <QElapsedTimer>

namespace Quorvane::Cli {

namespace {

// The window's own words for a database without a start date.
const QString SemCustoInicial = QStringLiteral("Não tem Custo Inicial rodado..");

QString Mensagem(const std::exception& e)
{
    if (const auto* erro = dynamic_cast<const Erro*>(&e))
        return erro->Mensagem();
    return QString::fromLocal8Bit(e.what());
}

} // namespace

ResultadoAuditoria Auditar(iAnalises& analises, const std::vector<const Verificacao*>& verificacoes,
                           std::optional<std::chrono::seconds> tempoLimite, iAcompanhamento& acompanhamento,
                           const std::function<bool()>& interrompida)
{
    ConexaoSql* conexao = Conexao ? Conexao->GetConexao() : nullptr;
    ResultadoAuditoria resultado;
    resultado.banco = Conexao ? Conexao->GetCaminhoBanco() : QString();
    resultado.dataCargaInicial = analises.GetDataCargaInicial();
    resultado.verificacoes.reserve(verificacoes.size());

    std::optional<VigiaTempo> vigia;
    if (tempoLimite && conexao)
        vigia.emplace(*tempoLimite, [conexao] { conexao->CancelarOperacao(); });

    analises.LimparLog();
    TListaLogAlertasAndErros& lista = *analises.GetLogAlertasAndErros().FLista;
    for (const Verificacao* verificacao : verificacoes) {
        if (interrompida && interrompida())
            break;
        ResultadoVerificacao r;
        r.verificacao = verificacao;
        if (verificacao->UsaData() && resultado.dataCargaInicial.isEmpty()) {
            r.situacao = SituacaoVerificacao::SemDataCarga;
            r.erro = SemCustoInicial;
        } else {
            const std::size_t antes = lista.size();
            QElapsedTimer relogio;
            relogio.start();
            if (vigia)
                vigia->Armar();
            try {
                analises.Executar(*verificacao);
            } catch (const std::exception& e) {
                r.situacao = SituacaoVerificacao::Falhou;
                r.erro = Mensagem(e);
                if (const auto* banco = dynamic_cast<const ErroBanco*>(&e)) {
                    r.codigoErro = banco->Codigo();
                    r.sqlState = banco->SqlState();
                }
            }
            if (vigia && vigia->Desarmar()) {
                r.situacao = SituacaoVerificacao::TempoEsgotado;
                r.erro = QStringLiteral("Tempo limite de %1 s esgotado: a verificação foi cancelada")
                             .arg(tempoLimite->count());
            }
            r.milissegundos = relogio.elapsed();
            // A check that did not finish reports nothing rather than part of its findings.
            if (r.situacao != SituacaoVerificacao::Executada)
                lista.erase(lista.begin() + static_cast<std::ptrdiff_t>(antes), lista.end());
            r.achados = lista.size() - antes;
            resultado.origens.insert(resultado.origens.end(), r.achados, verificacao);
        }
        acompanhamento.VerificacaoConcluida(r);
        resultado.verificacoes.push_back(std::move(r));
    }

    const std::vector<std::size_t> ordem = OrdemPorCorrecao(lista);
    Reordenar(lista, ordem);
    Reordenar(resultado.origens, ordem);
    resultado.achados = &lista;
    return resultado;
}

} // namespace Quorvane::Cli
