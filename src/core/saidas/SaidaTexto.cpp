#include "Formatos.h"

#include <algorithm>

namespace Quorvane::Cli {

namespace {

const QString TituloTipo = QStringLiteral("Tipo");
const QString TituloAchado = QStringLiteral("Achado");
const QString TituloCorrecao = QStringLiteral("Correção");
const QString Espaco = QStringLiteral("  ");
const QString TituloComparacao = QStringLiteral("Comparação");
// A column is as wide as its longest value up to this; a longer value runs over, so that one huge
// value does not pad every line of the report to its width.
constexpr qsizetype LarguraMaxima = 120;

} // namespace

// A table sized to its contents, up to a width: the columns of a row line up unless a value is
// longer than that.
void EscreverTexto(const ResultadoAuditoria& resultado, QIODevice& saida, const ResultadoComparacao* comparacao,
                   bool terminal)
{
    const auto linha = [terminal](const QString& valor) { return EmUmaLinha(terminal ? Visivel(valor) : valor); };
    const TListaLogAlertasAndErros& achados = resultado.Achados();
    qsizetype larguraTipo = std::max(TituloTipo.size(), NomeDoTipo(TipoAchado::Alerta).size());
    qsizetype larguraAchado = TituloAchado.size();
    qsizetype larguraCorrecao = TituloCorrecao.size();
    for (const TLogAlertasAndErros& achado : achados) {
        larguraAchado = std::max(larguraAchado, TextoDoAchado(achado).size());
        larguraCorrecao = std::max(larguraCorrecao, achado.FCorrecao.size());
    }
    larguraAchado = std::min(larguraAchado, LarguraMaxima);
    larguraCorrecao = std::min(larguraCorrecao, LarguraMaxima);

    Escrever(saida, QStringLiteral("Banco de Dados: %1\nData Carga Inicial: %2\n\n")
                        .arg(linha(resultado.banco), resultado.dataCargaInicial));
    // With a comparison, each row starts with its mark.
    const qsizetype larguraMarca = std::max(TituloComparacao.size(), NomeDaComparacao(Comparacao::NaoComparado).size());
    const auto marca = [&](const QString& texto) { return comparacao ? texto.leftJustified(larguraMarca) + Espaco : QString(); };
    Escrever(saida, marca(TituloComparacao) + TituloTipo.leftJustified(larguraTipo) + Espaco +
                        TituloAchado.leftJustified(larguraAchado) + Espaco + TituloCorrecao + u'\n');
    Escrever(saida, marca(QString(larguraMarca, u'-')) + QString(larguraTipo, u'-') + Espaco + QString(larguraAchado, u'-') +
                        Espaco + QString(larguraCorrecao, u'-') + u'\n');
    for (std::size_t i = 0; i < achados.size(); ++i) {
        const TLogAlertasAndErros& achado = achados[i];
        Escrever(saida, marca(comparacao ? NomeDaComparacao(comparacao->marcas[i]) : QString()) +
                            NomeDoTipo(achado).leftJustified(larguraTipo) + Espaco + linha(TextoDoAchado(achado)).leftJustified(larguraAchado) +
                            Espaco + linha(achado.FCorrecao) + u'\n');
    }
    Escrever(saida, QStringLiteral("\nTotal de registros: %1\n").arg(achados.size()));
    if (comparacao) {
        Escrever(saida, QStringLiteral("Novos: %1\nPersistentes: %2\nResolvidos: %3\n")
                            .arg(comparacao->novos)
                            .arg(comparacao->persistentes)
                            .arg(comparacao->resolvidos.size()));
        if (comparacao->naoComparados > 0)
            Escrever(saida, QStringLiteral("Não comparados: %1\n").arg(comparacao->naoComparados));
    }
}

} // namespace Quorvane::Cli
