#pragma once

#include "LogAlertasAndErros.h"

#include <QSet>
#include <QString>
#include <QStringList>

#include <filesystem>
#include <vector>

namespace Quorvane {

// An earlier audit, as the runner's JSON recorded it: what a new run is compared with.
struct LinhaDeBase {
    QString arquivo;
    QString banco;
    QStringList verificacoes;        // every check the run named, in its order
    QSet<QString> executadas;        // those that ran to the end
    TListaLogAlertasAndErros achados;
    std::vector<QString> origens;    // origens[i]: the check that found achados[i]
};

// Throws Erro naming the file and what is wrong with it: unreadable, not JSON, or JSON that is
// not the runner's (a missing or mistyped member). Members the runner may add are ignored.
LinhaDeBase LerLinhaDeBase(const std::filesystem::path& arquivo);

} // namespace Quorvane
