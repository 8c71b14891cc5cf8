#include "LeituraDeArquivo.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Quorvane {

namespace {

QString TextoDoErro(int erro)
{
    return QString::fromLocal8Bit(std::strerror(erro));
}

} // namespace

SituacaoDoArquivo SituacaoDe(const std::filesystem::path& arquivo)
{
    struct stat info {};
    if (::stat(arquivo.c_str(), &info) != 0) {
        const int erro = errno;
        if (erro == ENOENT || erro == ENOTDIR)
            return {::lstat(arquivo.c_str(), &info) == 0 ? TipoDeArquivo::LinkQuebrado : TipoDeArquivo::Ausente, {}};
        if (erro == EACCES)
            return {TipoDeArquivo::SemAcesso, {}};
        return {TipoDeArquivo::Falha, TextoDoErro(erro)};
    }
    if (S_ISDIR(info.st_mode))
        return {TipoDeArquivo::Pasta, {}};
    if (S_ISREG(info.st_mode))
        return {TipoDeArquivo::Comum, {}};
    return {S_ISBLK(info.st_mode) ? TipoDeArquivo::Bloco : TipoDeArquivo::Especial, {}};
}

LeituraDoArquivo LerInicioDoArquivo(const std::filesystem::path& arquivo, qint64 limite, bool aceitaBloco)
{
    LeituraDoArquivo leitura;
    // O_NONBLOCK: a FIFO put in the file's place since it was looked at must not hold the program.
    const int fd = ::open(arquivo.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        const int erro = errno;
        leitura.semPermissao = erro == EACCES;
        leitura.erro = TextoDoErro(erro);
        return leitura;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !(S_ISREG(info.st_mode) || (aceitaBloco && S_ISBLK(info.st_mode)))) {
        ::close(fd);
        leitura.erro = TextoDoErro(S_ISDIR(info.st_mode) ? EISDIR : EINVAL);
        return leitura;
    }
    QFile file;
    file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
    QByteArray bytes = file.read(limite);
    if (file.error() != QFileDevice::NoError) {
        leitura.erro = file.errorString();
        return leitura;
    }
    leitura.bytes = std::move(bytes);
    return leitura;
}

QString NomeParaExibir(const std::filesystem::path& arquivo)
{
    return QFile::decodeName(arquivo.c_str());
}

} // namespace Quorvane
