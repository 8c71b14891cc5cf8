#pragma once

#include "LinhaDeBase.h"
#include "LogAlertasAndErros.h"

#include <QString>
#include <QStringList>

#include <cstddef>
#include <vector>

namespace Quorvane {

enum class Comparacao {
    Novo,           // not in the baseline
    Persistente,    // in the baseline too
    NaoComparado,   // its check did not run in one of the two audits
    Resolvido,      // in the baseline, and gone
};

// "novo", "persistente", "naoComparado", "resolvido": the word every output format uses.
QString NomeDaComparacao(Comparacao comparacao);

// A run's findings against an earlier audit's. A finding is the same finding when its key (its
// check and values, ChaveDoAchado) is equal, whatever locale either run was in; against an
// earlier version's baseline, without keys, when its check and texts are. A finding repeated n
// times matches up to n of the other side's.
struct ResultadoComparacao {
    QString arquivo;                       // the baseline
    QString banco;                         // the baseline's database
    std::vector<Comparacao> marcas;        // one per finding of the run, in its order
    TListaLogAlertasAndErros resolvidos;   // the baseline's findings that are gone, in its order
    std::vector<QString> origensDosResolvidos;
    std::size_t novos = 0;
    std::size_t persistentes = 0;
    std::size_t naoComparados = 0;
    // Checks that did not run to the end in one of the two audits: their findings are neither
    // new nor resolved.
    QStringList verificacoesNaoComparadas;
};

// achados[i] was found by the check named origens[i]; `verificacoes` are the checks this run
// named, in run order, and `executadas` those of them that ran to the end.
ResultadoComparacao Comparar(const LinhaDeBase& base, const TListaLogAlertasAndErros& achados,
                             const std::vector<QString>& origens, const QStringList& verificacoes,
                             const QSet<QString>& executadas);

} // namespace Quorvane
