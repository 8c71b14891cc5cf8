#include "IdentidadeDeArquivo.h"

#include <windows.h>

#include <cwctype>
#include <optional>
#include <string>

namespace Quorvane {

namespace {

struct Identidade {
    DWORD volume;
    DWORD indiceAlto;
    DWORD indiceBaixo;
    bool operator==(const Identidade&) const = default;
};

std::optional<Identidade> IdentidadeDe(const std::filesystem::path& arquivo)
{
    // Attributes only: a file another program holds open is still identified.
    HANDLE h = ::CreateFileW(arquivo.c_str(), FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                             nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return std::nullopt;
    BY_HANDLE_FILE_INFORMATION info{};
    const bool lido = ::GetFileInformationByHandle(h, &info) != 0;
    ::CloseHandle(h);
    if (!lido)
        return std::nullopt;
    return Identidade{info.dwVolumeSerialNumber, info.nFileIndexHigh, info.nFileIndexLow};
}

// Windows' names ignore letter case.
std::wstring Comparavel(const std::filesystem::path& caminho)
{
    std::wstring texto = caminho.lexically_normal().wstring();
    for (wchar_t& c : texto)
        c = c == L'/' ? L'\\' : static_cast<wchar_t>(std::towlower(c));
    return texto;
}

} // namespace

bool MesmoArquivo(const std::filesystem::path& a, const std::filesystem::path& b)
{
    const auto identidadeA = IdentidadeDe(a);
    const auto identidadeB = IdentidadeDe(b);
    if (identidadeA && identidadeB)
        return *identidadeA == *identidadeB;
    std::error_code erroA, erroB;
    const std::filesystem::path canonicoA = std::filesystem::weakly_canonical(std::filesystem::absolute(a, erroA), erroA);
    const std::filesystem::path canonicoB = std::filesystem::weakly_canonical(std::filesystem::absolute(b, erroB), erroB);
    return !erroA && !erroB && Comparavel(canonicoA) == Comparavel(canonicoB);
}

} // namespace Quorvane
