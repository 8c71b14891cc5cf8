#include "ProgramaJanelas.h"

#include "Dialogos.h"
#include "EncerramentoPorSinal.h"
#include "Erro.h"
#include "ExportacaoPlanilha.h"
#include "FormatoLocal.h"
#include "Interfaces.h"
#include "MenuPrincipalView.h"
#include "PlanilhaAchados.h"
#include "TelaLogModal.h"

#include <QApplication>
#include <cstdio>
#include <memory>
#include <optional>

namespace Quorvane {

int ExecutarJanelas(const OpcoesConexao& opcoes, const std::function<bool()>& prepararTela,
                    EncerramentoPorSinal* encerramento)
{
    // Workbooks handed to the spreadsheet by earlier runs: after a day it has long finished with them.
    RemoverPlanilhasTemporariasAntigas(std::chrono::hours(24));
    std::optional<EscopoConexao> conexao;
    try {
        conexao.emplace(opcoes);
    } catch (const Erro& e) {
        std::fprintf(stderr, "%s\n", e.what());
        if (prepararTela()) {
            // A log-out while the message waits for its OK still ends the program.
            if (encerramento)
                encerramento->Conectar();
            Dialogos().MensagemDeErro(TituloDaAplicacao(), e.Mensagem());
        }
        return 1;
    }
    if (!prepararTela()) {
        std::fprintf(stderr, "Nenhuma tela gráfica disponível (DISPLAY ou WAYLAND_DISPLAY).\n");
        return 1;
    }

    if (encerramento)
        encerramento->Conectar();
    // Destroyed before the connection: it releases the engine.
    TMenuPrincipalView janela(FormatoLocal::DoSistema(), std::make_shared<TTelaLogModal>(CriarExportacaoPlanilha()));
    janela.show();
    return QApplication::exec();
}

} // namespace Quorvane
