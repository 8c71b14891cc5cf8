#include "PastaDoPrograma.h"

#include <system_error>

namespace Quorvane {

std::filesystem::path PastaDoPrograma()
{
    std::error_code erro;
    const std::filesystem::path programa = std::filesystem::read_symlink("/proc/self/exe", erro);
    return erro ? std::filesystem::path() : programa.parent_path();
}

} // namespace Quorvane
