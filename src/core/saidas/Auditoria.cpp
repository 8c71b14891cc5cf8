#include "Auditoria.h"

#include "Erro.h"
#include "OrdemDosAchados.h"

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
    ResultadoAuditoria resultado;
    resultado.banco = Conexao ? Conexao->GetCaminhoBanco() : QString();
    resultado.motor = Conexao && Conexao->GetConexao() ? NomeDoMotor(Conexao->GetConexao()->MotorEmUso()) : QString();
    resultado.dataCargaInicial = analises.GetDataCargaInicial();
    resultado.verificacoes.reserve(verificacoes.size());
    if (tempoLimite)
        analises.DefinirTempoLimite(*tempoLimite);

    TListaLogAlertasAndErros& lista = resultado.achados;
    for (const Verificacao* verificacao : verificacoes) {
        if (interrompida && interrompida())
            break;
        ResultadoVerificacao r;
        r.verificacao = verificacao;
        if (verificacao->UsaData() && resultado.dataCargaInicial.isEmpty()) {
            r.situacao = SituacaoVerificacao::SemDataCarga;
            r.erro = SemCustoInicial;
        } else {
            QElapsedTimer relogio;
            relogio.start();
            try {
                TListaLogAlertasAndErros achados = analises.AchadosDe(*verificacao);
                r.achados = achados.size();
                lista.insert(lista.end(), std::make_move_iterator(achados.begin()), std::make_move_iterator(achados.end()));
            } catch (const ErroTempoEsgotado&) {
                r.situacao = SituacaoVerificacao::TempoEsgotado;
                r.erro = QStringLiteral("Tempo limite de %1 s esgotado: a verificação foi cancelada").arg(tempoLimite->count());
            } catch (const std::exception& e) {
                r.situacao = SituacaoVerificacao::Falhou;
                r.erro = Mensagem(e);
                if (const auto* banco = dynamic_cast<const ErroBanco*>(&e)) {
                    r.codigoErro = banco->Codigo();
                    r.sqlState = banco->SqlState();
                }
            }
            r.milissegundos = relogio.elapsed();
            resultado.origens.insert(resultado.origens.end(), r.achados, verificacao);
        }
        acompanhamento.VerificacaoConcluida(r);
        resultado.verificacoes.push_back(std::move(r));
    }

    const std::vector<std::size_t> ordem = OrdemPorCorrecao(lista);
    Reordenar(lista, ordem);
    Reordenar(resultado.origens, ordem);
    return resultado;
}

} // namespace Quorvane::Cli
