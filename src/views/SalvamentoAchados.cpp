#include "SalvamentoAchados.h"

#include "ArquivoDeSaida.h"
#include "Erro.h"
#include "Formatos.h"
#include "PlanilhaAchados.h"
#include "SubstituicaoDeArquivo.h"
#include "TextoDeCaminho.h"
#include "Verificacoes.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QScopeGuard>

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
        // Written beside the file under another name, then put in its place: a failure leaves the
        // old file whole.
        const std::filesystem::path alvo = CaminhoDoTexto(arquivo);
        const ArquivoProvisorio provisorio = CriarProvisorioAoLado(alvo);
        if (provisorio.descritor < 0)
            Falhar(arquivo, provisorio.falha);
        auto remover = qScopeGuard([&] {
            std::error_code erro;
            std::filesystem::remove(provisorio.caminho, erro);
        });
        // The workbook library opens it again by its name; the descriptor is closed as it was made,
        // through the C library (on Windows not a system handle).
        {
            QFile descritor;
            descritor.open(provisorio.descritor, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle);
            descritor.close();
        }
        try {
            GravarPlanilhaAchados(provisorio.caminho, achados);
        } catch (const Erro& e) {
            // The user knows the file by the name given, not by the one it had meanwhile.
            QString mensagem = e.Mensagem();
            throw Erro(mensagem.replace(NomeParaExibir(provisorio.caminho), arquivo));
        }
        if (const QString motivo = SubstituirArquivo(provisorio.caminho, alvo); !motivo.isEmpty())
            Falhar(arquivo, motivo);
        remover.dismiss();
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
