#include "ExportacaoPlanilha.h"

#include "AplicativoPadrao.h"
#include "Erro.h"
#include "ExecucaoEmSegundoPlano.h"
#include "ModeloAlertasAndErros.h"
#include "PlanilhaAchados.h"
#include "RelatorioDeErro.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QScopeGuard>

namespace Quorvane {

namespace {

const QString VersaoIncompativel = QStringLiteral("Versão do Ms-Excel incompatível");
// An application still running after this has opened the workbook.
constexpr int SegundosParaFalhar = 5;

// The rows exactly as the list shows them, column by column.
TListaLogAlertasAndErros LinhasDaLista(const QAbstractItemModel& linhas)
{
    TListaLogAlertasAndErros achados;
    achados.reserve(static_cast<std::size_t>(linhas.rowCount()));
    const auto texto = [&](int linha, int coluna) { return linhas.data(linhas.index(linha, coluna)).toString(); };
    for (int linha = 0; linha < linhas.rowCount(); ++linha)
        achados.push_back({texto(linha, TModeloAlertasAndErros::ColunaErro), texto(linha, TModeloAlertasAndErros::ColunaCorrecao),
                           nullptr, texto(linha, TModeloAlertasAndErros::ColunaAlerta)});
    return achados;
}

} // namespace

bool AbrirComODesktop(const std::filesystem::path& planilha, std::function<void()> falhou)
{
    // Absolute: an application started elsewhere would not find a relative path.
    std::error_code erro;
    const std::filesystem::path absoluto = std::filesystem::absolute(planilha, erro);
    QStringList comando;
    ExecutarEmSegundoPlano([&] {
        comando = ComandoDoAplicativoPadrao(QStringLiteral("application/vnd.openxmlformats-officedocument.spreadsheetml.sheet"),
                                            QFile::decodeName((erro ? planilha : absoluto).c_str()));
    });
    if (comando.isEmpty())
        return false;
    // Not "gio open" nor QDesktopServices: both answer once the application has started, and
    // never hear that it failed. A shell starts it and reports how it ended, if that is within
    // the first seconds; after that it is the user's, and goes on when this program ends.
    const QString vigiar = QStringLiteral(
        "\"$@\" </dev/null & p=$!; i=0\n"
        "while [ $i -lt %1 ]; do\n"
        "  if ! kill -0 $p 2>/dev/null; then wait $p; exit $?; fi\n"
        "  sleep 0.1; i=$((i+1))\n"
        "done\n").arg(SegundosParaFalhar * 10);
    auto* vigia = new QProcess(QCoreApplication::instance());
    vigia->setProcessChannelMode(QProcess::ForwardedChannels);
    vigia->setStandardInputFile(QProcess::nullDevice());
    QObject::connect(vigia, &QProcess::finished, vigia, [vigia, falhou](int codigo, QProcess::ExitStatus estado) {
        vigia->deleteLater();
        if (estado != QProcess::NormalExit || codigo != 0)
            falhou();
    });
    vigia->start(QStringLiteral("/bin/sh"), QStringList{QStringLiteral("-c"), vigiar, QStringLiteral("sh")} + comando);
    if (!vigia->waitForStarted()) {
        delete vigia;
        return false;
    }
    return true;
}

ExportacaoPlanilha CriarExportacaoPlanilha(AbrirNoDesktop abrir)
{
    return [abrir = std::move(abrir)](const QAbstractItemModel& linhas) {
        std::filesystem::path planilha;
        try {
            planilha = GravarPlanilhaTemporaria(LinhasDaLista(linhas));
        } catch (const Erro&) {
            throw Erro(VersaoIncompativel);
        }
        // Unless an application takes it, nobody will look at it: the customer's figures do not
        // stay behind in /tmp, whatever went wrong.
        const auto removerPasta = [pasta = planilha.parent_path()] {
            std::error_code erro;
            std::filesystem::remove_all(pasta, erro);
        };
        auto remover = qScopeGuard(removerPasta);
        // An application that took it and then failed: as if there had been none.
        if (!abrir(planilha, [removerPasta] {
                removerPasta();
                ReportarErro(VersaoIncompativel);
            }))
            throw Erro(VersaoIncompativel);
        remover.dismiss();
    };
}

} // namespace Quorvane
