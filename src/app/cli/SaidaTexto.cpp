#include "Formatos.h"

#include <algorithm>

namespace Quorvane::Cli {

namespace {

const QString TituloTipo = QStringLiteral("Tipo");
const QString TituloAchado = QStringLiteral("Achado");
const QString TituloCorrecao = QStringLiteral("Correção");
const QString Espaco = QStringLiteral("  ");

const QString& TextoDoAchado(const TLogAlertasAndErros& achado)
{
    return achado.FErro.isEmpty() ? achado.FAlerta : achado.FErro;
}

} // namespace

// A table sized to its contents: the columns of a row line up, however long the texts are.
void EscreverTexto(const ResultadoAuditoria& resultado, QIODevice& saida)
{
    const TListaLogAlertasAndErros& achados = resultado.Achados();
    qsizetype larguraTipo = std::max(TituloTipo.size(), QStringLiteral("Alerta").size());
    qsizetype larguraAchado = TituloAchado.size();
    qsizetype larguraCorrecao = TituloCorrecao.size();
    for (const TLogAlertasAndErros& achado : achados) {
        larguraAchado = std::max(larguraAchado, TextoDoAchado(achado).size());
        larguraCorrecao = std::max(larguraCorrecao, achado.FCorrecao.size());
    }

    Escrever(saida, QStringLiteral("Banco de Dados: %1\nData Carga Inicial: %2\n\n")
                        .arg(EmUmaLinha(resultado.banco), resultado.dataCargaInicial));
    Escrever(saida, TituloTipo.leftJustified(larguraTipo) + Espaco + TituloAchado.leftJustified(larguraAchado) + Espaco +
                        TituloCorrecao + u'\n');
    Escrever(saida, QString(larguraTipo, u'-') + Espaco + QString(larguraAchado, u'-') + Espaco +
                        QString(larguraCorrecao, u'-') + u'\n');
    for (const TLogAlertasAndErros& achado : achados) {
        const QString tipo = achado.FErro.isEmpty() ? QStringLiteral("Alerta") : QStringLiteral("Erro");
        Escrever(saida, tipo.leftJustified(larguraTipo) + Espaco + EmUmaLinha(TextoDoAchado(achado)).leftJustified(larguraAchado) +
                            Espaco + EmUmaLinha(achado.FCorrecao) + u'\n');
    }
    Escrever(saida, QStringLiteral("\nTotal de registros: %1\n").arg(achados.size()));
}

} // namespace Quorvane::Cli
