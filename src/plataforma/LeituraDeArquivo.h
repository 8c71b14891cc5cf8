#pragma once

#include <QByteArray>
#include <QString>
#include <filesystem>
#include <optional>

namespace Quorvane {

// What a name on disk is, as a reader must know before opening it: a FIFO or a device named by
// mistake would hold the program for ever.
enum class TipoDeArquivo {
    Comum,
    Pasta,
    Bloco,        // a block device (Firebird opens raw partitions)
    Especial,     // a FIFO, a character device, a socket
    Ausente,
    LinkQuebrado, // a link to a file that does not exist
    SemAcesso,    // a folder on the way may not be searched
    Falha,        // any other reason, in `erro`
};

struct SituacaoDoArquivo {
    TipoDeArquivo tipo = TipoDeArquivo::Falha;
    QString erro; // the system's own words
};

SituacaoDoArquivo SituacaoDe(const std::filesystem::path& arquivo);

// The first `limite` bytes (or fewer, the whole file) of a regular file, or of a block device when
// `aceitaBloco`; never waits on a FIFO or a device. Empty `bytes` with the reason on failure.
struct LeituraDoArquivo {
    std::optional<QByteArray> bytes;
    bool semPermissao = false;
    QString erro; // the system's own words
};

LeituraDoArquivo LerInicioDoArquivo(const std::filesystem::path& arquivo, qint64 limite, bool aceitaBloco = false);

// A path as the user wrote it, for messages.
QString NomeParaExibir(const std::filesystem::path& arquivo);

} // namespace Quorvane
