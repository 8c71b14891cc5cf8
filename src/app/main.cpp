#include "Aplicacao.h"
#include "ClienteFirebird.h"
#include "EncerramentoPorSinal.h"
#include "ProgramaJanelas.h"
#include "SinaisDeEncerramento.h"
#include "TelaGrafica.h"

#include <optional>

using namespace Quorvane;

namespace {

int ExecutarPrograma(char* programa)
{
    // The program takes no arguments: Qt is handed only the program's own name.
    int argc = 1;
    char* argv[] = {programa, nullptr};

    // Before the client library loads, so that its signal handlers pass the signals on to ours.
    EncerramentoPorSinal encerramento;
    // Should the orderly end not come (a server that never answers), the program ends all the same.
    GarantirFimAposSinal(std::chrono::milliseconds(1500));
    // Outlives the connection and the windows, which ExecutarJanelas releases before returning.
    std::optional<TAplicacao> aplicacao;
    const auto prepararTela = [&] {
        // Qt aborts when it finds no window system; this program says so and ends instead.
        if (!TemTelaGrafica())
            return false;
        if (!aplicacao)
            aplicacao.emplace(argc, argv);
        return true;
    };
    return ExecutarJanelas(OpcoesConexao{}, prepararTela, &encerramento);
}

} // namespace

int main(int argc, char* argv[])
{
    static char nomePadrao[] = "quorvane";
    const int resultado = ExecutarPrograma(argc > 0 && argv[0] ? argv[0] : nomePadrao);
    EncerrarClientesFirebird();
    return resultado;
}
