#include "Formatos.h"
#include "PaginaHtml.h"

#include <QFile>

#include <algorithm>

namespace Quorvane::Cli {

namespace {

// A group longer than this starts folded: its header still shows the correction and the count.
constexpr std::size_t GrupoLongo = 25;

QString Recurso(const QString& nome)
{
    QFile arquivo(QStringLiteral(":/relatorio/") + nome);
    arquivo.open(QIODevice::ReadOnly);
    return QString::fromUtf8(arquivo.readAll());
}

QString Duracao(std::int64_t milissegundos, const QLocale& locale)
{
    if (milissegundos < 0)
        return QStringLiteral("—");
    if (milissegundos < 1000)
        return QStringLiteral("%1 ms").arg(milissegundos);
    if (milissegundos < 60000)
        return locale.toString(static_cast<double>(milissegundos) / 1000.0, 'f', 1) + QStringLiteral(" s");
    const std::int64_t segundos = (milissegundos + 500) / 1000;
    return QStringLiteral("%1 min %2 s").arg(segundos / 60).arg(segundos % 60, 2, 10, QChar(u'0'));
}

void Linha(Pagina& p, const QString& rotulo, const QString& valor)
{
    p << u"<dt>" << rotulo << u"</dt><dd>";
    p.Texto(valor) << u"</dd>\n";
}

void Cabecalho(Pagina& p, const ResultadoAuditoria& r, const ResultadoComparacao* comparacao, const MomentoDaAuditoria& momento,
               const FormatoLocal& formato)
{
    p << u"<header>\n<h1>Auditoria do custo de aquisição</h1>\n<dl class=\"dados\">\n";
    Linha(p, QStringLiteral("Banco de dados"), r.banco);
    Linha(p, QStringLiteral("Data Carga Inicial"),
          r.dataCargaInicial.isEmpty() ? QStringLiteral("não informada") : r.dataCargaInicial);
    const QDateTime& inicio = momento.inicio;
    Linha(p, QStringLiteral("Executada em"),
          formato.locale.toString(inicio.date(), formato.formatoDataCurta) + u' ' +
              formato.locale.toString(inicio.time(), formato.formatoHoraLonga));
    Linha(p, QStringLiteral("Duração"), Duracao(momento.milissegundos, formato.locale));
    Linha(p, QStringLiteral("Programa"), momento.programa + QStringLiteral(" " QUORVANE_VERSAO));
    Linha(p, QStringLiteral("Total de registros"), formato.locale.toString(static_cast<qint64>(r.Achados().size())));
    if (comparacao) {
        Linha(p, QStringLiteral("Comparada com"), comparacao->arquivo + QStringLiteral(" (banco ") + comparacao->banco + u')');
        Linha(p, QStringLiteral("Novos"), formato.locale.toString(static_cast<qint64>(comparacao->novos)));
        Linha(p, QStringLiteral("Persistentes"), formato.locale.toString(static_cast<qint64>(comparacao->persistentes)));
        Linha(p, QStringLiteral("Resolvidos"), formato.locale.toString(static_cast<qint64>(comparacao->resolvidos.size())));
        if (comparacao->naoComparados > 0)
            Linha(p, QStringLiteral("Não comparados"), formato.locale.toString(static_cast<qint64>(comparacao->naoComparados)));
    }
    p << u"</dl>\n</header>\n";
}

// A check's name may break where a new word starts, so that the table fits a phone's width.
QString NomeQuebravel(const QString& nome)
{
    QString quebravel;
    for (qsizetype i = 0; i < nome.size(); ++i) {
        if (i > 0 && nome[i].isUpper() && nome[i - 1].isLower())
            quebravel += QStringLiteral("<wbr>");
        AcrescentarEscapado(quebravel, QStringView(nome).mid(i, 1));
    }
    return quebravel;
}

void Verificacoes(Pagina& p, const ResultadoAuditoria& r, const FormatoLocal& formato)
{
    p << u"<section id=\"verificacoes\">\n<h2>Verificações</h2>\n<div class=\"rolagem\"><table class=\"verificacoes ordenavel\">\n"
         u"<thead><tr><th>Verificação</th><th>O que procura</th><th>Tipo</th><th class=\"numero\">Achados</th>"
         u"<th class=\"numero\">Tempo</th><th>Situação</th></tr></thead>\n<tbody>\n";
    for (const ResultadoVerificacao& v : r.verificacoes) {
        const bool executada = v.situacao == SituacaoVerificacao::Executada;
        p << u"<tr><td>" << NomeQuebravel(v.verificacao->nome) << u"</td><td>";
        p.Texto(v.verificacao->descricao)
            << u"</td><td class=\"curta\" data-rotulo=\"Tipo\">" << NomeDoTipo(v.verificacao->tipo);
        p << u"</td><td class=\"numero\" data-rotulo=\"Achados\" data-valor=\""
          << QString::number(executada ? static_cast<qint64>(v.achados) : -1) << u"\">"
          << (executada ? formato.locale.toString(static_cast<qint64>(v.achados)) : QStringLiteral("—"));
        p << u"</td><td class=\"numero\" data-rotulo=\"Tempo\" data-valor=\"" << QString::number(v.milissegundos) << u"\">"
          << (v.situacao == SituacaoVerificacao::SemDataCarga ? QStringLiteral("—") : Duracao(v.milissegundos, formato.locale));
        p << u"</td><td class=\"situacao " << NomeDaSituacao(v.situacao) << (executada ? u" curta" : u"")
          << u"\" data-rotulo=\"Situação\">" << NomeDaSituacao(v.situacao);
        if (!executada)
            p.Texto(QStringLiteral(": ") + v.erro);
        p << u"</td></tr>\n";
    }
    p << u"</tbody></table></div>\n";
}

// Findings per check as bars, drawn here so that the page needs nothing else to show them.
void Grafico(Pagina& p, const ResultadoAuditoria& r, const FormatoLocal& formato)
{
    // Narrow enough that its text stays legible when a phone scales it down.
    constexpr int Largura = 420;
    constexpr int Barra = 330;
    constexpr int Altura = 40;
    std::size_t maior = 1;
    for (const ResultadoVerificacao& v : r.verificacoes)
        maior = std::max(maior, v.achados);
    const int altura = Altura * static_cast<int>(r.verificacoes.size()) + 8;
    p << QStringLiteral("<figure class=\"grafico\"><svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 %1 %2\" role=\"img\" "
                        "aria-labelledby=\"titulo-grafico\"><title id=\"titulo-grafico\">Achados por verificação</title>\n")
             .arg(Largura)
             .arg(altura);
    int y = 4;
    for (const ResultadoVerificacao& v : r.verificacoes) {
        const bool executada = v.situacao == SituacaoVerificacao::Executada;
        const int comprimento = executada && v.achados > 0
                                    ? std::max(2, static_cast<int>(static_cast<double>(v.achados) / static_cast<double>(maior) * Barra))
                                    : 0;
        p << QStringLiteral("<text x=\"0\" y=\"%1\" class=\"nome\">").arg(y + 13);
        p.Texto(v.verificacao->nome) << u"</text>";
        p << QStringLiteral("<rect x=\"0\" y=\"%1\" width=\"%2\" height=\"14\" rx=\"2\" class=\"%3\"/>")
                 .arg(y + 19)
                 .arg(comprimento)
                 .arg(v.verificacao->tipo == TipoAchado::Erro ? QStringLiteral("erro") : QStringLiteral("alerta"));
        p << QStringLiteral("<text x=\"%1\" y=\"%2\" class=\"valor\">").arg(comprimento + 6).arg(y + 31)
          << (executada ? formato.locale.toString(static_cast<qint64>(v.achados)) : QStringLiteral("não executada"))
          << u"</text>\n";
        y += Altura;
    }
    p << u"</svg><figcaption>Achados por verificação</figcaption></figure>\n</section>\n";
}

void CelulaDaComparacao(Pagina& p, const ResultadoComparacao* comparacao, Comparacao marca)
{
    if (comparacao)
        p << u"<td class=\"marca\">" << NomeDaComparacao(marca) << u"</td>";
}

// The findings in the log window's order, a group per correction. A check whose correction
// names each finding's record (an SQL statement per adjustment) makes one group, headed by the
// common part of its statements, and each row carries its own.
void Achados(Pagina& p, const ResultadoAuditoria& r, const ResultadoComparacao* comparacao, const FormatoLocal& formato)
{
    const TListaLogAlertasAndErros& achados = r.Achados();
    p << u"<section id=\"achados\">\n<h2>Achados</h2>\n";
    if (achados.empty())
        p << u"<p class=\"vazio\">Nenhum achado.</p>\n";
    for (std::size_t inicio = 0; inicio < achados.size();) {
        const Verificacao& verificacao = *r.origens[inicio];
        const bool correcaoPorAchado = !verificacao.colunaCorrecao.isEmpty();
        std::size_t fim = inicio + 1;
        while (fim < achados.size() && r.origens[fim] == &verificacao &&
               (correcaoPorAchado || achados[fim].FCorrecao == achados[inicio].FCorrecao))
            ++fim;
        const std::size_t quantidade = fim - inicio;
        const QString tipo = NomeDoTipo(achados[inicio]);
        p << u"<details class=\"grupo\" data-tipo=\"" << tipo.toLower() << u"\"" << (quantidade > GrupoLongo ? u"" : u" open")
          << u"><summary><span class=\"tipo " << tipo.toLower() << u"\">" << tipo << u"</span> <span class=\"correcao\">";
        if (correcaoPorAchado)
            p.Texto(verificacao.correcao + u'…');
        else
            p.Texto(achados[inicio].FCorrecao);
        p << u"</span> <span class=\"contagem\" data-total=\"" << QString::number(quantidade) << u"\">"
          << formato.locale.toString(static_cast<qint64>(quantidade)) << (quantidade == 1 ? u" achado" : u" achados")
          << u"</span></summary>\n<div class=\"rolagem\"><table class=\"ordenavel\"><thead><tr><th>" << tipo << u"</th>"
          << (correcaoPorAchado ? u"<th>Correção</th>" : u"") << (comparacao ? u"<th>Comparação</th>" : u"")
          << u"</tr></thead>\n<tbody>\n";
        for (std::size_t i = inicio; i < fim; ++i) {
            const bool novo = comparacao && comparacao->marcas[i] == Comparacao::Novo;
            p << (novo ? u"<tr class=\"novo\"><td>" : u"<tr><td>");
            p.Texto(TextoDoAchado(achados[i])) << u"</td>";
            if (correcaoPorAchado) {
                p << u"<td class=\"sql\">";
                p.Texto(achados[i].FCorrecao) << u"</td>";
            }
            CelulaDaComparacao(p, comparacao, comparacao ? comparacao->marcas[i] : Comparacao::Novo);
            p << u"</tr>\n";
        }
        p << u"</tbody></table></div>\n</details>\n";
        inicio = fim;
    }
    p << u"</section>\n";
}

void Resolvidos(Pagina& p, const ResultadoComparacao& comparacao, const FormatoLocal& formato)
{
    const TListaLogAlertasAndErros& resolvidos = comparacao.resolvidos;
    p << u"<section id=\"resolvidos\">\n<h2>Resolvidos</h2>\n";
    if (resolvidos.empty()) {
        p << u"<p class=\"vazio\">Nenhum achado da linha de base foi resolvido.</p>\n</section>\n";
        return;
    }
    p << u"<details class=\"grupo\" data-tipo=\"resolvido\"" << (resolvidos.size() > GrupoLongo ? u"" : u" open")
      << u"><summary><span class=\"correcao\">Achados da linha de base que não aparecem mais</span> "
         u"<span class=\"contagem\" data-total=\""
      << QString::number(resolvidos.size()) << u"\">" << formato.locale.toString(static_cast<qint64>(resolvidos.size()))
      << (resolvidos.size() == 1 ? u" achado" : u" achados")
      << u"</span></summary>\n<div class=\"rolagem\"><table class=\"ordenavel\"><thead><tr><th>Tipo</th><th>Achado</th>"
         u"<th>Correção</th></tr></thead>\n<tbody>\n";
    for (const TLogAlertasAndErros& achado : resolvidos) {
        p << u"<tr><td>" << NomeDoTipo(achado) << u"</td><td>";
        p.Texto(TextoDoAchado(achado)) << u"</td><td>";
        p.Texto(achado.FCorrecao) << u"</td></tr>\n";
    }
    p << u"</tbody></table></div>\n</details>\n</section>\n";
}

} // namespace

// One file that needs nothing else: styles, chart and script are all inside. Every text that comes
// from the database or the command line is escaped, so a value never becomes markup.
void EscreverHtml(const ResultadoAuditoria& resultado, QIODevice& saida, const ResultadoComparacao* comparacao,
                  const MomentoDaAuditoria& momento, const FormatoLocal& formato)
{
    Pagina p(saida);
    p << u"<!DOCTYPE html>\n<html lang=\"pt-BR\">\n<head>\n<meta charset=\"utf-8\">\n"
         u"<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n<title>Quorvane: auditoria de ";
    p.Texto(resultado.banco) << u"</title>\n<style>\n" << Recurso(QStringLiteral("estilo.css")) << u"</style>\n</head>\n<body>\n";
    Cabecalho(p, resultado, comparacao, momento, formato);
    p << u"<main>\n";
    Verificacoes(p, resultado, formato);
    Grafico(p, resultado, formato);
    Achados(p, resultado, comparacao, formato);
    if (comparacao)
        Resolvidos(p, *comparacao, formato);
    p << u"</main>\n<footer>Relatório do " << momento.programa << u" " QUORVANE_VERSAO ". O Quorvane só lê o banco de dados: "
         u"as correções são feitas no ERP.</footer>\n<script>\n"
      << Recurso(QStringLiteral("roteiro.js")) << u"</script>\n</body>\n</html>\n";
    p.Descarregar();
}

} // namespace Quorvane::Cli
