#include "ArquivoDeSaida.h"

#include "ErroDoLinux.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace Quorvane {

namespace {

// /dev/stdout, /dev/stderr, /dev/fd/N, /proc/PID/fd/N: an open descriptor of this process (or
// another's), whatever its link names, as the shell's redirection left it.
bool PorDescritor(const std::filesystem::path& caminho)
{
    const std::filesystem::path normal = caminho.lexically_normal();
    if (normal == "/dev/stdout" || normal == "/dev/stderr")
        return true;
    std::vector<std::string> partes;
    for (const auto& parte : normal)
        partes.push_back(parte.string());
    return (partes.size() == 4 && partes[0] == "/" && partes[1] == "dev" && partes[2] == "fd") ||
           (partes.size() == 5 && partes[0] == "/" && partes[1] == "proc" && partes[3] == "fd");
}

// A new file gets the usual permissions; a replaced one keeps its own.
mode_t PermissoesPara(const std::filesystem::path& alvo)
{
    struct stat info {};
    if (::stat(alvo.c_str(), &info) == 0)
        return info.st_mode & 07777;
    const mode_t mascara = ::umask(0);
    ::umask(mascara);
    return 0666 & ~mascara;
}

} // namespace

// A descriptor is written straight, whatever it leads to: into a file the shell opened for
// appending, what is there stays. Anything else is written straight only when it is not a regular
// file.
SaidaResolvida ResolverSaida(const std::filesystem::path& pedido)
{
    std::error_code erro;
    SaidaResolvida saida{std::filesystem::absolute(pedido, erro), false, {}};
    std::filesystem::path& caminho = saida.alvo;
    for (int saltos = 0; saltos < 40 && !saida.direto; ++saltos) {
        if (PorDescritor(caminho)) {
            saida.direto = true;
            break;
        }
        if (!std::filesystem::is_symlink(caminho, erro))
            break;
        const std::filesystem::path destino = std::filesystem::read_symlink(caminho, erro);
        if (erro)
            break;
        caminho = destino.is_absolute() ? destino : caminho.parent_path() / destino;
    }
    struct stat info {};
    const bool existe = ::stat(caminho.c_str(), &info) == 0;
    if (!saida.direto)
        saida.direto = existe && !S_ISREG(info.st_mode);
    if (saida.direto && existe && S_ISDIR(info.st_mode))
        saida.falha = TextoDoErro(EISDIR);
    return saida;
}

ArquivoProvisorio CriarProvisorioAoLado(const std::filesystem::path& alvo)
{
    std::string modelo = (alvo.parent_path() / ("." + alvo.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(modelo.data());
    if (fd < 0)
        return {{}, -1, TextoDoErro(errno)};
    ::fchmod(fd, PermissoesPara(alvo));
    return {modelo, fd, {}};
}

int AbrirParaAcrescentar(const std::filesystem::path& alvo, QString& falha)
{
    const int fd = ::open(alvo.c_str(), O_WRONLY | O_APPEND | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        falha = TextoDoErro(errno);
    return fd;
}

} // namespace Quorvane
