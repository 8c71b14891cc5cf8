#include "Console.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

using namespace Quorvane;

namespace {

// What the console shows on the cursor's line, without the blanks after it.
std::wstring LinhaDoCursor()
{
    const HANDLE console = ::GetStdHandle(STD_OUTPUT_HANDLE);
    CONSOLE_SCREEN_BUFFER_INFO info{};
    ::GetConsoleScreenBufferInfo(console, &info);
    std::wstring texto(static_cast<std::size_t>(info.dwSize.X), L'\0');
    DWORD lidos = 0;
    ::ReadConsoleOutputCharacterW(console, texto.data(), static_cast<DWORD>(texto.size()), {0, info.dwCursorPosition.Y}, &lidos);
    texto.resize(lidos);
    return texto.substr(0, texto.find_last_not_of(L' ') + 1);
}

} // namespace

// The report and the messages reach a console as the letters they are, whatever its code page,
// even when a letter's bytes come in two writes.
TEST(Console, TextoEmUtf8ChegaInteiroAoConsole)
{
    if (!::GetConsoleWindow())
        GTEST_SKIP() << "sem console";
    ASSERT_TRUE(EhTerminal(FluxoPadrao::Saida));
    EscreverTexto(FluxoPadrao::Saida, QStringLiteral("\r\n"));
    const auto dispositivo = DispositivoDoConsole(FluxoPadrao::Saida);
    ASSERT_TRUE(dispositivo);
    const QByteArray bytes = QStringLiteral("Ação 𝄞 é").toUtf8();
    // "Aç" cut inside the ç, then the rest cut inside the four bytes of the clef.
    dispositivo->write(bytes.left(2));
    dispositivo->write(bytes.mid(2, 7));
    dispositivo->write(bytes.mid(9));
    EXPECT_EQ(LinhaDoCursor(), std::wstring(L"Ação \U0001D11E é"));
    EscreverTexto(FluxoPadrao::Saida, QStringLiteral("\r\nçà"));
    EXPECT_EQ(LinhaDoCursor(), std::wstring(L"çà"));
    EscreverTexto(FluxoPadrao::Saida, QStringLiteral("\r\n"));
}
