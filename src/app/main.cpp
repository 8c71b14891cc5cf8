#include "Aplicacao.h"
#include "ClienteFirebird.h"
#include "Dialogos.h"
#include "EncerramentoPorSinal.h"
#include "Erro.h"
#include "FormatoLocal.h"
#include "ExportacaoPlanilha.h"
#include "Interfaces.h"
#include "MenuPrincipalView.h"
#include "TelaLogModal.h"

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>

using namespace Quorvane;

namespace {

bool Definida(const char* variavel)
{
    const char* valor = std::getenv(variavel);
    return valor && *valor;
}

// Qt aborts when it finds no window system; this program says so and ends instead.
bool TemTelaGrafica()
{
    return Definida("DISPLAY") || Definida("WAYLAND_DISPLAY") || Definida("QT_QPA_PLATFORM");
}

int ExecutarPrograma(char* programa)
{
    // The program takes no arguments: Qt is handed only the program's own name.
    int argc = 1;
    char* argv[] = {programa, nullptr};

    // Before the client library loads, so that its signal handlers pass the signals on to ours.
    EncerramentoPorSinal encerramento;

    // The connection comes first: without it no window of the program opens.
    std::optional<EscopoConexao> conexao;
    try {
        conexao.emplace();
    } catch (const Erro& e) {
        std::fprintf(stderr, "%s\n", e.what());
        if (TemTelaGrafica()) {
            TAplicacao aplicacao(argc, argv);
            Dialogos().MensagemDeErro(TituloDaAplicacao(), e.Mensagem());
        }
        return 1;
    }
    if (!TemTelaGrafica()) {
        std::fprintf(stderr, "Nenhuma tela gráfica disponível (DISPLAY ou WAYLAND_DISPLAY).\n");
        return 1;
    }

    TAplicacao aplicacao(argc, argv);
    encerramento.Conectar();
    // Destroyed before the application and the connection: it releases the engine.
    TMenuPrincipalView janela(FormatoLocal::DoSistema(), std::make_shared<TTelaLogModal>(CriarExportacaoPlanilha()));
    janela.show();
    return aplicacao.exec();
}

} // namespace

int main(int argc, char* argv[])
{
    static char nomePadrao[] = "quorvane";
    const int resultado = ExecutarPrograma(argc > 0 && argv[0] ? argv[0] : nomePadrao);
    EncerrarClientesFirebird();
    return resultado;
}
