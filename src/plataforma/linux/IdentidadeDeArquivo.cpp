#include "IdentidadeDeArquivo.h"

#include <sys/stat.h>

namespace Quorvane {

bool MesmoArquivo(const std::filesystem::path& a, const std::filesystem::path& b)
{
    struct stat infoA {}, infoB {};
    if (::stat(a.c_str(), &infoA) == 0 && ::stat(b.c_str(), &infoB) == 0)
        return infoA.st_dev == infoB.st_dev && infoA.st_ino == infoB.st_ino;
    std::error_code erroA, erroB;
    const std::filesystem::path canonicoA = std::filesystem::weakly_canonical(std::filesystem::absolute(a, erroA), erroA);
    const std::filesystem::path canonicoB = std::filesystem::weakly_canonical(std::filesystem::absolute(b, erroB), erroB);
    return !erroA && !erroB && canonicoA == canonicoB;
}

} // namespace Quorvane
