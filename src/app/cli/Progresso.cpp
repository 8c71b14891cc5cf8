#include "Progresso.h"

#include "Terminal.h"

namespace Quorvane::Cli {

void Progresso::VerificacaoConcluida(const ResultadoVerificacao& r)
{
    const QString& nome = r.verificacao->nome;
    const bool comTempo = mostrarCadaVerificacao_ && r.situacao != SituacaoVerificacao::SemDataCarga;
    if (r.situacao != SituacaoVerificacao::Executada) {
        MostrarErro(QStringLiteral("%1: não executada%2: %3")
                        .arg(nome, comTempo ? QStringLiteral(" (%1 ms)").arg(r.milissegundos) : QString(), r.erro));
    } else if (mostrarCadaVerificacao_) {
        MostrarErro(QStringLiteral("%1: %2 %3 em %4 ms")
                        .arg(nome)
                        .arg(r.achados)
                        .arg(r.achados == 1 ? QStringLiteral("achado") : QStringLiteral("achados"))
                        .arg(r.milissegundos));
    }
}

} // namespace Quorvane::Cli
