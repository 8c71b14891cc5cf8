#include "PastasPrivadas.h"

#include <windows.h>

#include <random>
#include <string>

namespace Quorvane {

namespace {

// The last change and the attributes of a name, a link not followed.
bool Ler(const std::filesystem::path& item, WIN32_FILE_ATTRIBUTE_DATA& dados)
{
    return ::GetFileAttributesExW(item.c_str(), GetFileExInfoStandard, &dados) != 0;
}

std::time_t Segundos(const FILETIME& momento)
{
    // 100 ns since 1601 to seconds since 1970.
    const ULONGLONG ticks = (static_cast<ULONGLONG>(momento.dwHighDateTime) << 32) | momento.dwLowDateTime;
    return static_cast<std::time_t>((ticks - 116444736000000000ULL) / 10000000ULL);
}

} // namespace

std::filesystem::path CriarPastaPrivada(const std::filesystem::path& pai, const std::string& prefixo)
{
    // The user's temporary folder is the user's alone; a new folder inherits its rights.
    static constexpr char Letras[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device aleatorio;
    for (int tentativa = 0; tentativa < 100; ++tentativa) {
        std::string nome = prefixo;
        for (int i = 0; i < 6; ++i)
            nome += Letras[aleatorio() % (sizeof Letras - 1)];
        const std::filesystem::path pasta = pai / nome;
        if (::CreateDirectoryW(pasta.c_str(), nullptr))
            return pasta;
        if (::GetLastError() != ERROR_ALREADY_EXISTS)
            return {};
    }
    return {};
}

bool PastaPropriaSemMudancaDesde(const std::filesystem::path& pasta, std::time_t limite)
{
    WIN32_FILE_ATTRIBUTE_DATA dados{};
    return Ler(pasta, dados) && (dados.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
           !(dados.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) && Segundos(dados.ftLastWriteTime) <= limite;
}

bool SemMudancaDesde(const std::filesystem::path& item, std::time_t limite)
{
    WIN32_FILE_ATTRIBUTE_DATA dados{};
    return Ler(item, dados) && Segundos(dados.ftLastWriteTime) <= limite;
}

void SomenteParaOUsuario(const std::filesystem::path&) noexcept
{
}

} // namespace Quorvane
