#include "LeituraDeArquivo.h"

#include "ErroDoLinux.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Quorvane {

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

ArquivoParaLeitura AbrirArquivoComum(const std::filesystem::path& caminho)
{
    ArquivoParaLeitura aberto;
    // Opened without waiting: a FIFO with no writer would hold the open for ever.
    const int fd = ::open(caminho.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        aberto.erro = TextoDoErro(errno);
        return aberto;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        aberto.naoEhComum = true;
        return aberto;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    auto arquivo = std::make_shared<QFile>();
    if (!arquivo->open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        aberto.erro = arquivo->errorString();
        return aberto;
    }
    aberto.arquivo = std::move(arquivo);
    aberto.tamanho = info.st_size;
    return aberto;
}

} // namespace Quorvane
