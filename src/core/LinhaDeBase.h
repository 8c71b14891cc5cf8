#pragma once

#include "LogAlertasAndErros.h"

#include <QFile>
#include <QSet>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

namespace Quorvane {

// An earlier audit, as the runner's JSON recorded it: what a new run is compared with. Of its
// findings only their keys are kept (8 bytes each, sorted); their texts are read again, from the
// file held open, for those that turn out resolved.
struct LinhaDeBase {
    QString arquivo;
    QString banco;
    QStringList verificacoes;        // every check the run named, in its order
    QSet<QString> executadas;        // those that ran to the end
    // Written before findings carried their key: they are matched by their texts instead
    // (ChaveDoAchado::DosTextos), as then.
    bool porTexto = false;
    std::vector<std::uint64_t> chaves; // one per finding, sorted
    std::shared_ptr<QFile> conteudo;
};

// The largest baseline read: some 2.5 million findings.
constexpr qint64 LimiteDaLinhaDeBase = qint64(1) << 30;

// Throws Erro naming the file and what is wrong with it: not a regular file, larger than
// LimiteDaLinhaDeBase, unreadable, not JSON, JSON that is not the runner's (a missing or mistyped
// member), or naming no check of this version. Members the runner may add are ignored.
LinhaDeBase LerLinhaDeBase(const std::filesystem::path& arquivo);

// The baseline's findings again, in its order, each with its check and key.
void ParaCadaAchadoDaLinhaDeBase(const LinhaDeBase& base,
                                 const std::function<void(const QString& verificacao, TLogAlertasAndErros&& achado)>& achado);

} // namespace Quorvane
