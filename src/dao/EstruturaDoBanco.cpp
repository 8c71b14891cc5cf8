#include "EstruturaDoBanco.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Quorvane {

namespace {

// The header page: page type 1 at byte 0, the page size at 16-17 and the ODS at 18-19 (both
// little-endian), whose high bit marks a Firebird (not InterBase) structure.
constexpr unsigned char PaginaDeCabecalho = 1;
constexpr unsigned MarcaFirebird = 0x8000;

unsigned Palavra(const unsigned char* bytes)
{
    return bytes[0] | (bytes[1] << 8);
}

} // namespace

std::optional<EstruturaDoBanco> LerEstruturaDoBanco(const std::filesystem::path& arquivo)
{
    // O_NONBLOCK: a FIFO or a device named by mistake must not hold the program.
    const int fd = ::open(arquivo.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return std::nullopt;
    struct stat info {};
    unsigned char cabecalho[20] = {};
    // A block device may hold a database too (Firebird opens raw partitions).
    const bool lido = ::fstat(fd, &info) == 0 && (S_ISREG(info.st_mode) || S_ISBLK(info.st_mode)) &&
                      ::pread(fd, cabecalho, sizeof cabecalho, 0) == static_cast<ssize_t>(sizeof cabecalho);
    ::close(fd);
    if (!lido || cabecalho[0] != PaginaDeCabecalho)
        return std::nullopt;
    const unsigned tamanhoPagina = Palavra(cabecalho + 16);
    const unsigned ods = Palavra(cabecalho + 18);
    const bool tamanhoValido = tamanhoPagina >= 1024 && (tamanhoPagina & (tamanhoPagina - 1)) == 0;
    // InterBase's structures (up to ODS 10) carry no Firebird mark.
    if (!tamanhoValido || (!(ods & MarcaFirebird) && (ods < 8 || ods > 10)))
        return std::nullopt;
    return EstruturaDoBanco{static_cast<int>(ods & ~MarcaFirebird), -1};
}

QString VersaoDoFirebird(EstruturaDoBanco e)
{
    switch (e.maior) {
    case 10:
        return QStringLiteral("Firebird 1");
    case 11:
        return e.menor == 0 ? QStringLiteral("Firebird 2.0") : e.menor == 1 ? QStringLiteral("Firebird 2.1") : QStringLiteral("Firebird 2.5");
    case 12:
        return QStringLiteral("Firebird 3");
    case 13:
        return e.menor == 1 ? QStringLiteral("Firebird 5") : QStringLiteral("Firebird 4");
    default:
        break;
    }
    return e.maior < 10 ? QStringLiteral("InterBase") : QStringLiteral("Firebird mais novo que o 5");
}

QString MotivoDaEstrutura(const QString& arquivo, EstruturaDoBanco doArquivo, EstruturaDoBanco suportada)
{
    const auto ods = [](EstruturaDoBanco e) {
        return e.menor >= 0 ? QStringLiteral("ODS %1.%2").arg(e.maior).arg(e.menor) : QStringLiteral("ODS %1").arg(e.maior);
    };
    const QString versao = VersaoDoFirebird(doArquivo);
    QString motivo = QStringLiteral("%1 é um banco do %2 (%3), e o Firebird desta máquina abre só bancos do %4 (%5).")
                         .arg(arquivo, versao, ods(doArquivo), VersaoDoFirebird(suportada), ods(suportada));
    if (doArquivo.maior > suportada.maior)
        motivo += QStringLiteral(" Audite-o pelo servidor %1 que o usa, com CAMINHO=servidor:caminho no Config.ini, "
                                 "ou numa máquina com o %1.")
                      .arg(versao);
    else
        motivo += QStringLiteral(" Audite-o pelo servidor %1 que o usa, com CAMINHO=servidor:caminho no Config.ini, "
                                 "ou faça um backup dele com o gbak do %1 e restaure-o com o do %2.")
                      .arg(versao, VersaoDoFirebird(suportada));
    return motivo;
}

} // namespace Quorvane
