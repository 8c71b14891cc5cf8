#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <filesystem>
#include <memory>
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

// A regular file opened to be read as a stream, never waiting on a FIFO, with its size; an empty
// `arquivo` with the reason (`naoEhComum` for a FIFO, a device, a folder) on failure.
struct ArquivoParaLeitura {
    std::shared_ptr<QFile> arquivo;
    qint64 tamanho = 0;
    bool naoEhComum = false;
    QString erro; // the system's own words
};

ArquivoParaLeitura AbrirArquivoComum(const std::filesystem::path& caminho);

} // namespace Quorvane
