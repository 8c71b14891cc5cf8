#include "CanalDeSinais.h"
#include "EncerramentoPorSinal.h"
#include "SinaisDeEncerramento.h"

#include <QCoreApplication>
#include <QTimer>

#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <fstream>

using namespace Quorvane;

namespace {

// The console's Ctrl+C goes to every process attached to it, this one included: the test itself
// lives on. Only a process with a console can send one (under wine: one started on a terminal).
class EventosDoConsole : public ::testing::Test {
public:
    static BOOL WINAPI Ignorar(DWORD) { return TRUE; }
    void SetUp() override
    {
        if (!::GetConsoleWindow())
            GTEST_SKIP() << "sem console";
        ::SetConsoleCtrlHandler(Ignorar, TRUE);
    }
    void TearDown() override { ::SetConsoleCtrlHandler(Ignorar, FALSE); }

    static void CtrlC()
    {
        if (!::GenerateConsoleCtrlEvent(CTRL_C_EVENT, 0)) {
            std::fprintf(stderr, "GenerateConsoleCtrlEvent: erro %lu\n", ::GetLastError());
            std::exit(3);
        }
    }
};

// The window program's way: the event loop ends with 128 + the signal.
int LacoAteOSinal()
{
    int argc = 1;
    char nome[] = "teste";
    char* argv[] = {nome, nullptr};
    EncerramentoPorSinal encerramento;
    QCoreApplication aplicacao(argc, argv);
    encerramento.Conectar();
    QTimer::singleShot(0, [] { EventosDoConsole::CtrlC(); });
    QTimer::singleShot(20000, [] { QCoreApplication::exit(1); });
    return aplicacao.exec();
}

} // namespace

TEST_F(EventosDoConsole, CtrlCChegaComoSinalDois)
{
    EXPECT_EXIT(std::exit(LacoAteOSinal()), ::testing::ExitedWithCode(130), "");

    // Held where nothing answers: the forced end removes the file being written and ends the
    // process with 128 + 2.
    const auto arquivo = std::filesystem::temp_directory_path() / u8"quorvane-em-escrita-ção.tmp";
    EXPECT_EXIT(
        {
            InstalarSinaisDeEncerramento();
            GarantirFimAposSinal(std::chrono::milliseconds(0), [](int sinal) { std::fprintf(stderr, "sinal %d\n", sinal); });
            std::ofstream(arquivo) << "parte";
            ArquivoEmEscrita emEscrita(arquivo);
            CtrlC();
            ::Sleep(20000);
            std::exit(1);
        },
        ::testing::ExitedWithCode(130), "sinal 2");
    EXPECT_FALSE(std::filesystem::exists(arquivo));
}
