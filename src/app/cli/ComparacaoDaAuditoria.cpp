#include "ComparacaoDaAuditoria.h"

#include "Terminal.h"

namespace Quorvane::Cli {

ResultadoComparacao CompararComLinhaDeBase(const LinhaDeBase& base, const ResultadoAuditoria& resultado)
{
    QStringList verificacoes;
    QSet<QString> executadas;
    for (const ResultadoVerificacao& v : resultado.verificacoes) {
        verificacoes << v.verificacao->nome;
        if (v.situacao == SituacaoVerificacao::Executada)
            executadas.insert(v.verificacao->nome);
    }
    std::vector<QString> origens;
    origens.reserve(resultado.origens.size());
    for (const Verificacao* v : resultado.origens)
        origens.push_back(v->nome);
    return Comparar(base, resultado.Achados(), origens, verificacoes, executadas);
}

void AvisarSobreComparacao(const ResultadoComparacao& comparacao, const ResultadoAuditoria& resultado)
{
    if (comparacao.banco != resultado.banco)
        MostrarErro(QStringLiteral("Aviso: a linha de base %1 é do banco %2, e esta auditoria do banco %3; "
                                   "os achados foram comparados assim mesmo.")
                        .arg(comparacao.arquivo, comparacao.banco, resultado.banco));
    if (!comparacao.verificacoesNaoComparadas.isEmpty())
        MostrarErro(QStringLiteral("Aviso: verificações não comparadas com a linha de base (não executadas numa das "
                                   "duas auditorias): %1")
                        .arg(comparacao.verificacoesNaoComparadas.join(QStringLiteral(", "))));
}

} // namespace Quorvane::Cli
