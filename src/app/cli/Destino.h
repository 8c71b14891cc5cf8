#pragma once

#include <QFile>
#include <QSaveFile>
#include <filesystem>
#include <optional>

namespace Quorvane::Cli {

// Where the findings go: standard output, or a file that appears whole or not at all (a reader
// of a scheduled run's file never sees half of it; a failed run leaves an old file untouched).
class Destino {
public:
    // Throws Erro when the file cannot be created.
    explicit Destino(const std::optional<std::filesystem::path>& arquivo);
    Destino(const Destino&) = delete;
    Destino& operator=(const Destino&) = delete;

    QIODevice& Dispositivo();
    // Flushes and, for a file, puts it in place. Throws Erro when anything could not be written.
    void Concluir();

private:
    QFile saidaPadrao_;
    std::optional<QSaveFile> arquivo_;
};

} // namespace Quorvane::Cli
