#include "Destino.h"

#include "Erro.h"
#include "PlanilhaAchados.h"
#include "SubstituicaoDeArquivo.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace Quorvane::Cli {

namespace {

QString Texto(const std::filesystem::path& caminho)
{
    return QFile::decodeName(caminho.c_str());
}

QString TextoDoErro(int numero)
{
    return QString::fromLocal8Bit(std::strerror(numero));
}

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

// Follows the links to what they name. A descriptor is written straight, whatever it leads to:
// into a file the shell opened for appending, what is there stays. Anything else is written
// straight only when it is not a regular file (a device, a FIFO).
std::filesystem::path Resolver(const std::filesystem::path& pedido, bool& direto)
{
    std::error_code erro;
    std::filesystem::path caminho = std::filesystem::absolute(pedido, erro);
    for (int saltos = 0; saltos < 40; ++saltos) {
        if (PorDescritor(caminho)) {
            direto = true;
            return caminho;
        }
        if (!std::filesystem::is_symlink(caminho, erro))
            break;
        const std::filesystem::path destino = std::filesystem::read_symlink(caminho, erro);
        if (erro)
            break;
        caminho = destino.is_absolute() ? destino : caminho.parent_path() / destino;
    }
    struct stat info {};
    direto = ::stat(caminho.c_str(), &info) == 0 && !S_ISREG(info.st_mode);
    return caminho;
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

Destino::Destino(const std::optional<std::filesystem::path>& arquivo, QString oQue) : oQue_(std::move(oQue))
{
    if (!arquivo || *arquivo == "-") {
        nome_ = QStringLiteral("-");
        if (!dispositivo_.open(stdout, QIODevice::WriteOnly))
            throw Erro(QStringLiteral("Não foi possível escrever na saída padrão: %1").arg(dispositivo_.errorString()));
        return;
    }
    nome_ = Texto(*arquivo);
    alvo_ = Resolver(*arquivo, direto_);
    if (direto_) {
        struct stat info {};
        if (::stat(alvo_.c_str(), &info) == 0 && S_ISDIR(info.st_mode))
            Falhar(TextoDoErro(EISDIR));
        return;
    }
    std::string modelo = (alvo_.parent_path() / ("." + alvo_.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(modelo.data());
    if (fd < 0)
        Falhar(TextoDoErro(errno));
    provisorio_ = modelo;
    emEscrita_.emplace(modelo);
    ::fchmod(fd, PermissoesPara(alvo_));
    dispositivo_.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle);
}

Destino::~Destino()
{
    Descartar();
}

bool Destino::EhTerminal() const
{
    return dispositivo_.isOpen() && ::isatty(dispositivo_.handle()) == 1;
}

QIODevice& Destino::Dispositivo()
{
    if (direto_ && !dispositivo_.isOpen()) {
        // Appending: into /dev/stdout of a job that appends to its log, what was there stays.
        const int fd = ::open(alvo_.c_str(), O_WRONLY | O_APPEND | O_NOCTTY | O_CLOEXEC);
        if (fd < 0)
            Falhar(TextoDoErro(errno));
        dispositivo_.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle);
    }
    return dispositivo_;
}

void Destino::GravarPlanilha(const TListaLogAlertasAndErros& achados, const ResultadoComparacao* comparacao)
{
    if (!provisorio_.empty()) {
        dispositivo_.close();
        try {
            GravarPlanilhaAchados(provisorio_, achados, comparacao);
        } catch (const Erro& e) {
            // The user knows the file by the name given, not by the one it had meanwhile.
            QString mensagem = e.Mensagem();
            throw Erro(mensagem.replace(Texto(provisorio_), nome_));
        }
        return;
    }
    // Into what is not a file, the workbook goes through a private folder of its own.
    struct PastaRemovida {
        std::filesystem::path pasta;
        ~PastaRemovida()
        {
            std::error_code erro;
            std::filesystem::remove_all(pasta, erro);
        }
    };
    const std::filesystem::path arquivo = GravarPlanilhaTemporaria(achados, comparacao);
    const PastaRemovida temporaria{arquivo.parent_path()};
    QFile pronto(Texto(arquivo));
    if (!pronto.open(QIODevice::ReadOnly))
        Falhar(pronto.errorString());
    QIODevice& saida = Dispositivo();
    while (!pronto.atEnd())
        if (saida.write(pronto.read(1 << 16)) < 0)
            break;
}

void Destino::Concluir()
{
    if (dispositivo_.isOpen() && (!dispositivo_.flush() || dispositivo_.error() != QFileDevice::NoError))
        Falhar(dispositivo_.errorString());
    if (provisorio_.empty()) {
        dispositivo_.close();
        return;
    }
    dispositivo_.close();
    if (const QString erro = SubstituirArquivo(provisorio_, alvo_); !erro.isEmpty())
        Falhar(erro);
    provisorio_.clear();
    emEscrita_.reset();
}

void Destino::Descartar() noexcept
{
    dispositivo_.close();
    if (!provisorio_.empty())
        ::unlink(provisorio_.c_str());
    provisorio_.clear();
    emEscrita_.reset();
}

void Destino::Falhar(const QString& motivo) const
{
    if (nome_ == u"-")
        throw Erro(QStringLiteral("Não foi possível escrever na saída padrão: %1").arg(motivo));
    throw Erro(QStringLiteral("Não foi possível gravar %1 %2: %3").arg(oQue_, nome_, motivo));
}

} // namespace Quorvane::Cli
