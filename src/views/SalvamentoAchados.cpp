#include "SalvamentoAchados.h"

#include "Erro.h"
#include "Formatos.h"
#include "PlanilhaAchados.h"
#include "Verificacoes.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTemporaryFile>

#include <algorithm>
#include <filesystem>

namespace Quorvane {

namespace {

// The check that gave a finding, by its correction and kind: every check has its own.
const Verificacao* VerificacaoDoAchado(const TLogAlertasAndErros& achado)
{
    const TipoAchado tipo = achado.FErro.isEmpty() ? TipoAchado::Alerta : TipoAchado::Erro;
    for (const Verificacao* verificacao : VerificacoesNaOrdemDeExecucao())
        if (verificacao->tipo == tipo && (verificacao->colunaCorrecao.isEmpty() ? achado.FCorrecao == verificacao->correcao
                                                                                : achado.FCorrecao.startsWith(verificacao->correcao)))
            return verificacao;
    return nullptr;
}

// The run as the runner's report shows it: every check ran (the window shows findings only then);
// their times were not measured.
Cli::ResultadoAuditoria Resultado(const TListaLogAlertasAndErros& achados, const ContextoDoRelatorio& contexto)
{
    static const Verificacao outra = [] {
        Verificacao verificacao;
        verificacao.nome = QStringLiteral("Outra");
        verificacao.descricao = QStringLiteral("Achados de outra verificação");
        return verificacao;
    }();
    Cli::ResultadoAuditoria resultado;
    resultado.banco = contexto.banco;
    resultado.dataCargaInicial = contexto.dataCargaInicial;
    resultado.achados = achados;
    std::vector<std::size_t> contagem(VerificacoesNaOrdemDeExecucao().size() + 1);
    for (const TLogAlertasAndErros& achado : achados) {
        const Verificacao* verificacao = VerificacaoDoAchado(achado);
        resultado.origens.push_back(verificacao ? verificacao : &outra);
        const auto& ordem = VerificacoesNaOrdemDeExecucao();
        ++contagem[static_cast<std::size_t>(std::find(ordem.begin(), ordem.end(), verificacao) - ordem.begin())];
    }
    for (std::size_t i = 0; i < VerificacoesNaOrdemDeExecucao().size(); ++i)
        resultado.verificacoes.push_back({VerificacoesNaOrdemDeExecucao()[i], Cli::SituacaoVerificacao::Executada, contagem[i], -1, {}, 0, {}});
    return resultado;
}

[[noreturn]] void Falhar(const QString& arquivo, const QString& motivo)
{
    throw Erro(QStringLiteral("Não foi possível salvar %1: %2").arg(arquivo, motivo));
}

} // namespace

QString FiltrosParaSalvar()
{
    return QStringLiteral("Planilha (*.xlsx);;CSV (*.csv);;Relatório HTML (*.html)");
}

QString ComExtensaoDoFiltro(const QString& arquivo, const QString& filtro)
{
    if (!QFileInfo(arquivo).suffix().isEmpty())
        return arquivo;
    static const QRegularExpression extensao(QStringLiteral("\\(\\*(\\.\\w+)\\)"));
    const auto achado = extensao.match(filtro);
    return arquivo + (achado.hasMatch() ? achado.captured(1) : QStringLiteral(".xlsx"));
}

void SalvarAchados(const QString& arquivo, const TListaLogAlertasAndErros& achados, const ContextoDoRelatorio& contexto)
{
    const QString extensao = QFileInfo(arquivo).suffix().toLower();
    if (extensao == QStringLiteral("xlsx")) {
        // The workbook is written beside the file under another name, then put in its place.
        QTemporaryFile provisorio(QFileInfo(arquivo).absolutePath() + QStringLiteral("/.quorvane-XXXXXX.xlsx"));
        if (!provisorio.open())
            Falhar(arquivo, provisorio.errorString());
        provisorio.close();
        GravarPlanilhaAchados(std::filesystem::path(QFile::encodeName(provisorio.fileName()).toStdString()), achados);
        std::error_code erro;
        std::filesystem::rename(QFile::encodeName(provisorio.fileName()).toStdString(), QFile::encodeName(arquivo).toStdString(), erro);
        if (erro)
            Falhar(arquivo, QString::fromLocal8Bit(erro.message().c_str()));
        return;
    }
    if (extensao != QStringLiteral("csv") && extensao != QStringLiteral("html") && extensao != QStringLiteral("htm"))
        throw Erro(QStringLiteral("Formato desconhecido: salve como .xlsx, .csv ou .html"));
    QSaveFile saida(arquivo);
    if (!saida.open(QIODevice::WriteOnly))
        Falhar(arquivo, saida.errorString());
    const Cli::ResultadoAuditoria resultado = Resultado(achados, contexto);
    if (extensao == QStringLiteral("csv"))
        Cli::EscreverCsv(resultado, saida);
    else
        Cli::EscreverHtml(resultado, saida, nullptr, {contexto.momento, -1, QStringLiteral("quorvane")}, contexto.formato);
    if (!saida.commit())
        Falhar(arquivo, saida.errorString());
}

} // namespace Quorvane
