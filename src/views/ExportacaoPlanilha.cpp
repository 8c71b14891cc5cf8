#include "ExportacaoPlanilha.h"

#include "Erro.h"
#include "ExecucaoEmSegundoPlano.h"
#include "ModeloAlertasAndErros.h"
#include "PlanilhaAchados.h"

#include <QProcess>
#include <QScopeGuard>

namespace Quorvane {

namespace {

const QString VersaoIncompativel = QStringLiteral("Versão do Ms-Excel incompatível");

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

bool AbrirComODesktop(const std::filesystem::path& planilha)
{
    // Not QDesktopServices::openUrl: it answers as soon as the opener starts, before anything is
    // known. gio opens with the desktop's default application for the workbook's type and only
    // succeeds once that application has been started. Clicks wait until it has answered: a
    // second "Excel" would open a second workbook, "Sair" would close the window under this one.
    bool aberta = false;
    ExecutarEmSegundoPlano([&] {
        QProcess gio;
        gio.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        gio.setStandardInputFile(QProcess::nullDevice());
        // Absolute: gio would read a relative path that looks like "x:..." as a URI.
        std::error_code erro;
        const std::filesystem::path absoluto = std::filesystem::absolute(planilha, erro);
        gio.start(QStringLiteral("gio"), {QStringLiteral("open"), QString::fromStdString((erro ? planilha : absoluto).string())});
        if (!gio.waitForFinished(60000)) {
            gio.kill();
            gio.waitForFinished();
            return;
        }
        aberta = gio.exitStatus() == QProcess::NormalExit && gio.exitCode() == 0;
    });
    return aberta;
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
        auto remover = qScopeGuard([&] {
            std::error_code erro;
            std::filesystem::remove_all(planilha.parent_path(), erro);
        });
        if (!abrir(planilha))
            throw Erro(VersaoIncompativel);
        remover.dismiss();
    };
}

} // namespace Quorvane
