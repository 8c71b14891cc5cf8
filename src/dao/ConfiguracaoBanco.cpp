#include "ConfiguracaoBanco.h"

#include "ArquivoIni.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Quorvane {

namespace {

// A configuration file is a few lines; past this it is not one, and is not read whole.
constexpr qint64 TamanhoMaximo = 64 << 20;

QString Nome(const std::filesystem::path& arquivo)
{
    return QFile::decodeName(arquivo.c_str());
}

QString FaltaDoArquivo(const std::filesystem::path& arquivo)
{
    struct stat info {};
    if (::stat(arquivo.c_str(), &info) != 0) {
        const int erro = errno;
        if (erro == ENOENT || erro == ENOTDIR)
            return ::lstat(arquivo.c_str(), &info) == 0 ? QStringLiteral("%1 é um link para um arquivo que não existe").arg(Nome(arquivo))
                                                         : QStringLiteral("%1 não existe").arg(Nome(arquivo));
        if (erro == EACCES)
            return QStringLiteral("%1 não pode ser lido: sem permissão de acesso à pasta").arg(Nome(arquivo));
        return QStringLiteral("%1 não pode ser lido: %2").arg(Nome(arquivo), QString::fromLocal8Bit(std::strerror(erro)));
    }
    if (S_ISDIR(info.st_mode))
        return QStringLiteral("%1 é uma pasta, não um arquivo").arg(Nome(arquivo));
    if (!S_ISREG(info.st_mode))
        return QStringLiteral("%1 não é um arquivo comum (é um FIFO, um dispositivo ou um socket)").arg(Nome(arquivo));
    return {};
}

} // namespace

ConfiguracaoBanco LerConfiguracaoBanco(const std::filesystem::path& arquivo, const QString& nome)
{
    const QString naoEncontrado = QStringLiteral("Arquivo %1 de configuração não encontrado.").arg(nome);
    if (const QString falta = FaltaDoArquivo(arquivo); !falta.isEmpty())
        throw ErroConfiguracao(naoEncontrado, falta);
    const int fd = ::open(arquivo.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) {
        const int erro = errno;
        throw ErroConfiguracao(naoEncontrado, erro == EACCES ? QStringLiteral("%1 não pode ser lido: sem permissão de leitura").arg(Nome(arquivo))
                                                             : QStringLiteral("%1 não pode ser lido: %2")
                                                                   .arg(Nome(arquivo), QString::fromLocal8Bit(std::strerror(erro))));
    }
    QFile file;
    file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
    const QByteArray bytes = file.read(TamanhoMaximo);
    if (file.error() != QFileDevice::NoError)
        throw ErroConfiguracao(naoEncontrado, QStringLiteral("%1 não pode ser lido: %2").arg(Nome(arquivo), file.errorString()));

    const QString invalido = QStringLiteral("Caminho do banco de dados dentro arquivo %1 inválido").arg(nome);
    if (bytes.trimmed().isEmpty())
        throw ErroConfiguracao(invalido, QStringLiteral("%1 está vazio").arg(Nome(arquivo)));
    const QString texto = DecodificarArquivoIni(bytes);
    const ValorIni caminho = ProcurarValorIni(texto, QStringLiteral("BANCO"), QStringLiteral("CAMINHO"));
    // NUL characters (not the zero bytes of UTF-16) come only in a file that is not text.
    if ((!caminho.valor || caminho.valor->isEmpty()) && texto.contains(QChar(0)))
        throw ErroConfiguracao(invalido, QStringLiteral("%1 não é um arquivo de texto").arg(Nome(arquivo)));
    if (!caminho.secao)
        throw ErroConfiguracao(invalido, QStringLiteral("%1 não tem a seção [BANCO]").arg(Nome(arquivo)));
    if (!caminho.valor)
        throw ErroConfiguracao(invalido, QStringLiteral("%1: a seção [BANCO] não tem a chave CAMINHO").arg(Nome(arquivo)));
    if (caminho.valor->isEmpty())
        throw ErroConfiguracao(invalido, QStringLiteral("%1: CAMINHO está vazio na seção [BANCO]").arg(Nome(arquivo)));
    return {*caminho.valor, LerValorIniDeTexto(texto, QStringLiteral("BANCO"), QStringLiteral("MOTOR"))};
}

QString CausaDoMotorInvalido(const std::filesystem::path& arquivo, const QString& motor)
{
    return QStringLiteral("%1: MOTOR=%2 não é válido na seção [BANCO] (use servidor ou embutido, ou apague a linha "
                          "para que o programa escolha)")
        .arg(Nome(arquivo), motor);
}

} // namespace Quorvane
