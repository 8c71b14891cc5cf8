#pragma once

#include "ComparacaoAchados.h"
#include "LogAlertasAndErros.h"
#include "SinaisDeEncerramento.h"

#include <QFile>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

namespace Quorvane::Cli {

// Where an output goes, so that no file is ever damaged:
//  - standard output, for no file or "-" (on a Windows console, as text the console shows);
//  - straight into an open descriptor by name (/dev/stdout, /dev/fd/N, /proc/self/fd/N) and into
//    anything that is not a regular file (a device, a FIFO; NUL, a named pipe), or a link to one,
//    opened only when the output is written;
//  - otherwise a regular file that appears whole or not at all: written beside it under another
//    name and renamed over it at the end (a reader of a scheduled run's file never sees half of
//    it; a failed or interrupted run, or a full disk, leaves an old file untouched). Through a
//    link, the file it names is replaced and the link kept.
class Destino {
public:
    // Throws Erro when the file cannot be created; `oQue` names it in the message ("o arquivo").
    explicit Destino(const std::optional<std::filesystem::path>& arquivo, QString oQue = QStringLiteral("o arquivo"));
    ~Destino();
    Destino(const Destino&) = delete;
    Destino& operator=(const Destino&) = delete;

    // Throws Erro when what is not a regular file cannot be opened.
    QIODevice& Dispositivo();
    // Whether what Dispositivo() opened is a terminal (a person reads it).
    bool EhTerminal() const;
    // Writes the findings as a workbook, which needs a file of its own; Concluir follows.
    void GravarPlanilha(const TListaLogAlertasAndErros& achados, const ResultadoComparacao* comparacao);
    // Flushes and, for a file, puts it in place. Throws Erro when anything could not be written.
    void Concluir();

private:
    void Descartar() noexcept;
    [[noreturn]] void Falhar(const QString& motivo) const;

    QString oQue_;
    QString nome_;                        // as the user gave it
    std::filesystem::path alvo_;          // the file replaced at the end, or what is written into
    std::filesystem::path provisorio_;    // beside alvo_, until Concluir
    std::optional<ArquivoEmEscrita> emEscrita_;
    bool direto_ = false;
    QFile dispositivo_;
    std::unique_ptr<QIODevice> console_;  // standard output, where it is a Windows console
};

} // namespace Quorvane::Cli
