#include "ArquivoDeSaida.h"

#include "ErroDoWindows.h"

#include <QRandomGenerator>

#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <string>

namespace Quorvane {

namespace {

// ERROR_DIRECTORY_NOT_SUPPORTED, newer than mingw's headers.
constexpr DWORD ErroEhPasta = 336;

struct Alca {
    HANDLE h;
    ~Alca()
    {
        if (h != INVALID_HANDLE_VALUE)
            ::CloseHandle(h);
    }
};

// The final path GetFinalPathNameByHandleW gives, without the \\?\ it puts in front of a drive
// letter (a C library's fopen, libxlsxwriter's, takes the plain form).
std::filesystem::path SemPrefixoLongo(std::wstring caminho)
{
    if (caminho.rfind(LR"(\\?\UNC\)", 0) == 0)
        return LR"(\\)" + caminho.substr(8);
    if (caminho.rfind(LR"(\\?\)", 0) == 0 && caminho.size() > 6 && caminho[5] == L':')
        return caminho.substr(4);
    return caminho;
}

} // namespace

SaidaResolvida ResolverSaida(const std::filesystem::path& pedido)
{
    std::error_code erro;
    SaidaResolvida saida{std::filesystem::absolute(pedido, erro), false, {}};
    if (erro)
        saida.alvo = pedido;
    // A device by the device namespace (\\.\pipe\x, \\.\COM1) is never a file to replace.
    if (saida.alvo.native().rfind(LR"(\\.\)", 0) == 0) {
        saida.direto = true;
        return saida;
    }
    // Whatever exists is opened, links followed, to learn what it is.
    const Alca existente{::CreateFileW(saida.alvo.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                       OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr)};
    if (existente.h == INVALID_HANDLE_VALUE)
        return saida;
    if (::GetFileType(existente.h) != FILE_TYPE_DISK) {
        // NUL, CON, a pipe.
        saida.direto = true;
        return saida;
    }
    BY_HANDLE_FILE_INFORMATION info{};
    if (::GetFileInformationByHandle(existente.h, &info) && (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
        saida.direto = true;
        saida.falha = TextoDoErro(ErroEhPasta);
        return saida;
    }
    std::wstring final(MAX_PATH, L'\0');
    for (;;) {
        const DWORD tamanho = ::GetFinalPathNameByHandleW(existente.h, final.data(), static_cast<DWORD>(final.size()), FILE_NAME_NORMALIZED);
        if (tamanho == 0)
            return saida;
        if (tamanho < final.size()) {
            final.resize(tamanho);
            break;
        }
        final.resize(tamanho + 1);
    }
    saida.alvo = SemPrefixoLongo(final);
    return saida;
}

ArquivoProvisorio CriarProvisorioAoLado(const std::filesystem::path& alvo)
{
    // The folder's own permissions, which a file made in it inherits.
    static constexpr char Letras[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    DWORD erro = ERROR_FILE_EXISTS;
    for (int tentativa = 0; tentativa < 100 && erro == ERROR_FILE_EXISTS; ++tentativa) {
        std::wstring sufixo;
        for (int i = 0; i < 6; ++i)
            sufixo += static_cast<wchar_t>(Letras[QRandomGenerator::system()->bounded(int(sizeof Letras - 1))]);
        const std::filesystem::path caminho = alvo.parent_path() / (L"." + alvo.filename().wstring() + L"." + sufixo);
        const HANDLE h = ::CreateFileW(caminho.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr, CREATE_NEW,
                                       FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h == INVALID_HANDLE_VALUE) {
            erro = ::GetLastError();
            continue;
        }
        const int fd = ::_open_osfhandle(reinterpret_cast<intptr_t>(h), _O_WRONLY | _O_BINARY);
        if (fd < 0) {
            ::CloseHandle(h);
            ::DeleteFileW(caminho.c_str());
            return {{}, -1, TextoDoErro(ERROR_TOO_MANY_OPEN_FILES)};
        }
        return {caminho, fd, {}};
    }
    return {{}, -1, TextoDoErro(erro)};
}

int AbrirParaAcrescentar(const std::filesystem::path& alvo, QString& falha)
{
    // Only devices and pipes are written straight here, and they have no end to append at.
    const HANDLE h = ::CreateFileW(alvo.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                   FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        falha = TextoDoErro(::GetLastError());
        return -1;
    }
    const int fd = ::_open_osfhandle(reinterpret_cast<intptr_t>(h), _O_WRONLY | _O_BINARY);
    if (fd < 0) {
        ::CloseHandle(h);
        falha = TextoDoErro(ERROR_TOO_MANY_OPEN_FILES);
    }
    return fd;
}

} // namespace Quorvane
