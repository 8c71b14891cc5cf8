#pragma once

#include <QSize>

#include <vector>

namespace Quorvane {

// How the user left the log window, kept per user between runs (the user's configuration
// folder, Quorvane/quorvane.conf): its size, whether it was maximised, and the columns' widths
// as shares of the list's width (empty while they were the equal thirds).
struct PreferenciasJanelaLog {
    QSize tamanho;
    bool maximizada = false;
    std::vector<double> colunas;

    // Values that make no sense (a hand-edited file) are left out, never used.
    static PreferenciasJanelaLog Ler();
    void Gravar() const;
};

} // namespace Quorvane
