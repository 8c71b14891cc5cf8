#include "ExportacaoPlanilha.h"

#include "Erro.h"
#include "ModeloAlertasAndErros.h"
#include "PlanilhaAchados.h"

#include <QDesktopServices>
#include <QUrl>

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
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(planilha.string())));
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
        if (!abrir(planilha)) {
            // Nobody will look at it: the customer's figures do not stay behind in /tmp.
            std::error_code erro;
            std::filesystem::remove_all(planilha.parent_path(), erro);
            throw Erro(VersaoIncompativel);
        }
    };
}

} // namespace Quorvane
