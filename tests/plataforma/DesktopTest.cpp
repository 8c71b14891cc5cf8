#include "AplicativoDoDesktop.h"
#include "TelaGrafica.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>

#include <windows.h>

#include <fstream>

using namespace Quorvane;

namespace {

// An extension of the test's own, associated with a command line, so that no real association is
// touched. Windows reads the user's classes; wine 8 only the machine's (here the test's own
// prefix), which a real Windows lets only an administrator write.
struct AssociacaoDeTeste {
    explicit AssociacaoDeTeste(const std::wstring& comando)
    {
        for (const auto& [raiz, classes] : lugares) {
            Gravar(raiz, classes + L".quorvaneteste", L"Quorvane.Teste");
            Gravar(raiz, classes + L"Quorvane.Teste\\shell\\open\\command", comando);
        }
    }
    ~AssociacaoDeTeste()
    {
        for (const auto& [raiz, classes] : lugares) {
            ::RegDeleteTreeW(raiz, (classes + L".quorvaneteste").c_str());
            ::RegDeleteTreeW(raiz, (classes + L"Quorvane.Teste").c_str());
        }
    }
    static void Gravar(HKEY raiz, const std::wstring& chave, const std::wstring& valor)
    {
        ::RegSetKeyValueW(raiz, chave.c_str(), nullptr, REG_SZ, valor.c_str(), static_cast<DWORD>((valor.size() + 1) * sizeof(wchar_t)));
    }
    const std::pair<HKEY, std::wstring> lugares[2] = {{HKEY_CURRENT_USER, L"Software\\Classes\\"}, {HKEY_CLASSES_ROOT, L""}};
};

// The event loop runs until `pronto` holds, at most a generous minute.
template <typename Condicao>
bool EsperarAte(Condicao pronto)
{
    static int argc = 1;
    static char nome[] = "testes_windows";
    static char* argv[] = {nome, nullptr};
    static QCoreApplication aplicacao(argc, argv);
    const QDeadlineTimer limite(60000);
    // Wakes the loop up to look at files, which send no event.
    QTimer batida;
    batida.start(50);
    while (!pronto() && !limite.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return pronto();
}

std::wstring Cmd()
{
    wchar_t sistema[MAX_PATH];
    ::GetSystemDirectoryW(sistema, MAX_PATH);
    return L"\"" + std::wstring(sistema) + L"\\cmd.exe\"";
}

} // namespace

TEST(AplicativoDoDesktop, AssociacaoRecebeOArquivoEFalhaLogoEhAvisada)
{
    const std::filesystem::path pasta = std::filesystem::temp_directory_path() / u8"quorvane-desktop-relatório ção";
    std::filesystem::remove_all(pasta);
    std::filesystem::create_directories(pasta);
    const auto arquivo = pasta / "Quorvane.quorvaneteste";
    const auto copia = pasta / u8"aberto-ção.txt";
    std::ofstream(arquivo, std::ios::binary) << "planilha";
    // No association for the type: no application, as when no spreadsheet is installed.
    EXPECT_FALSE(ProcurarAplicativoDoDesktop(pasta / "Quorvane.quorvanesemaplicativo").has_value());
    {
        // An application that takes the whole path, accents and blanks included, and ends well.
        AssociacaoDeTeste associacao(Cmd() + L" /c copy /y \"%1\" \"" + copia.wstring() + L"\"");
        const auto aplicativo = ProcurarAplicativoDoDesktop(arquivo);
        ASSERT_TRUE(aplicativo.has_value());
        EXPECT_TRUE(aplicativo->comando.value(0).endsWith(QStringLiteral("cmd.exe"), Qt::CaseInsensitive))
            << aplicativo->comando.join(u' ').toStdString();
        bool falhou = false;
        ASSERT_TRUE(AbrirNoAplicativo(*aplicativo, [&] { falhou = true; }));
        EXPECT_TRUE(EsperarAte([&] { return std::filesystem::exists(copia); }));
        EXPECT_FALSE(falhou);
    }
    {
        // One that cannot open the file and ends with an error at once.
        AssociacaoDeTeste associacao(Cmd() + L" /c exit 3");
        const auto aplicativo = ProcurarAplicativoDoDesktop(arquivo);
        ASSERT_TRUE(aplicativo.has_value());
        bool falhou = false;
        ASSERT_TRUE(AbrirNoAplicativo(*aplicativo, [&] { falhou = true; }));
        EXPECT_TRUE(EsperarAte([&] { return falhou; }));
    }
    std::filesystem::remove_all(pasta);
}

TEST(TelaGrafica, WindowsSempreTemMesmoSemVariavelDeTela)
{
    // Wine hands the X server's DISPLAY down to its programs; a real Windows names no display.
    for (const char* variavel : {"DISPLAY=", "WAYLAND_DISPLAY=", "QT_QPA_PLATFORM="})
        ASSERT_EQ(::_putenv(variavel), 0);
    EXPECT_TRUE(TemTelaGrafica());
}
