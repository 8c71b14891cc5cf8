#include "PedidosDeParada.h"

#include <windows.h>

#include <atomic>

namespace Quorvane {

namespace {

std::atomic<AoPedirParada> Resposta{nullptr};

// Runs on a thread the system starts for each console event.
BOOL WINAPI AoEventoDoConsole(DWORD evento)
{
    int sinal = 0;
    switch (evento) {
    case CTRL_C_EVENT:
        sinal = 2;
        break;
    case CTRL_BREAK_EVENT:
        sinal = 21;
        break;
    case CTRL_CLOSE_EVENT:
        sinal = 1;
        break;
    case CTRL_LOGOFF_EVENT:
    case CTRL_SHUTDOWN_EVENT:
        sinal = 15;
        break;
    default:
        return FALSE;
    }
    const AoPedirParada aoPedir = Resposta.load();
    if (!aoPedir)
        return FALSE;
    aoPedir(sinal);
    // Returning would let the system end the process here and now, before the outputs being
    // written are removed: the program's orderly end, or the forced one, ends it instead (within
    // the few seconds the system allows).
    if (evento != CTRL_C_EVENT && evento != CTRL_BREAK_EVENT)
        ::Sleep(INFINITE);
    return TRUE;
}

} // namespace

void InstalarPedidosDeParada(AoPedirParada aoPedir)
{
    Resposta = aoPedir;
    // The handlers registered last are asked first: ours goes back on top. Ctrl+C turned off for
    // the process (a process group of its own) never reaches any handler, so it stays ignored.
    ::SetConsoleCtrlHandler(AoEventoDoConsole, FALSE);
    ::SetConsoleCtrlHandler(AoEventoDoConsole, TRUE);
}

void TerminarProcessoJa(int codigo)
{
    // Not ExitProcess: that runs the libraries' detach routines, which may wait on a lock a
    // held thread keeps.
    ::TerminateProcess(::GetCurrentProcess(), static_cast<UINT>(codigo));
    for (;;)
        ::Sleep(INFINITE);
}

} // namespace Quorvane
