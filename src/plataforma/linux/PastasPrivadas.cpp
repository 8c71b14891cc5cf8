#include "PastasPrivadas.h"

#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace Quorvane {

std::filesystem::path CriarPastaPrivada(const std::filesystem::path& pai, const std::string& prefixo)
{
    std::string modelo = (pai / (prefixo + "XXXXXX")).string();
    return ::mkdtemp(modelo.data()) ? std::filesystem::path(modelo) : std::filesystem::path();
}

bool PastaPropriaSemMudancaDesde(const std::filesystem::path& pasta, std::time_t limite)
{
    struct stat info {};
    return ::lstat(pasta.c_str(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == ::geteuid() && info.st_mtime <= limite;
}

bool SemMudancaDesde(const std::filesystem::path& item, std::time_t limite)
{
    struct stat info {};
    return ::lstat(item.c_str(), &info) == 0 && info.st_mtime <= limite;
}

void SomenteParaOUsuario(const std::filesystem::path& arquivo) noexcept
{
    ::chmod(arquivo.c_str(), S_IRUSR | S_IWUSR);
}

} // namespace Quorvane
