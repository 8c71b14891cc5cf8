#include "ExportacaoPlanilha.h"

#include "AplicativoDoDesktop.h"
#include "Erro.h"
#include "ExecucaoEmSegundoPlano.h"
#include "PlanilhaAchados.h"
#include "RelatorioDeErro.h"

#include <QScopeGuard>

namespace Quorvane {

namespace {

const QString VersaoIncompativel = QStringLiteral("Versão do Ms-Excel incompatível");

} // namespace

bool AbrirComODesktop(const std::filesystem::path& planilha, std::function<void()> falhou)
{
    std::optional<AplicativoDoDesktop> aplicativo;
    ExecutarEmSegundoPlano([&] { aplicativo = ProcurarAplicativoDoDesktop(planilha); });
    return aplicativo && AbrirNoAplicativo(*aplicativo, std::move(falhou));
}

ExportacaoPlanilha CriarExportacaoPlanilha(AbrirNoDesktop abrir)
{
    return [abrir = std::move(abrir)](const TListaLogAlertasAndErros& achados) {
        std::filesystem::path planilha;
        try {
            planilha = GravarPlanilhaTemporaria(achados);
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
