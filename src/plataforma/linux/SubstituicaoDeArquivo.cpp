#include "SubstituicaoDeArquivo.h"

#include "ErroDoLinux.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace Quorvane {

QString SubstituirArquivo(const std::filesystem::path& provisorio, const std::filesystem::path& alvo)
{
    // On the disk before it takes the old file's place.
    const int fd = ::open(provisorio.c_str(), O_RDONLY | O_CLOEXEC);
    const bool sincronizado = fd >= 0 && ::fsync(fd) == 0;
    const int erroSincronia = errno;
    if (fd >= 0)
        ::close(fd);
    if (!sincronizado)
        return TextoDoErro(erroSincronia);
    if (::rename(provisorio.c_str(), alvo.c_str()) != 0)
        return TextoDoErro(errno);
    return {};
}

} // namespace Quorvane
