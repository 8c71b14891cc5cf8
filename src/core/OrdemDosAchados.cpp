#include "OrdemDosAchados.h"

#include <QStringView>

#include <algorithm>
#include <numeric>

namespace Quorvane {

namespace {

bool AntesPelaCorrecao(const QString& x, const QString& y)
{
    // A check gives all its findings one shared correction text: the same data is equal text.
    if (x.constData() == y.constData() && x.size() == y.size())
        return false;
    // Qt's case-sensitive comparison is by UTF-16 code unit, with no locale rules, and vectorised.
    return QStringView(x).compare(QStringView(y), Qt::CaseSensitive) < 0;
}

} // namespace

std::vector<std::size_t> OrdemPorCorrecao(const TListaLogAlertasAndErros& achados)
{
    std::vector<std::size_t> ordem(achados.size());
    std::iota(ordem.begin(), ordem.end(), std::size_t{0});
    std::stable_sort(ordem.begin(), ordem.end(),
                     [&](std::size_t a, std::size_t b) { return AntesPelaCorrecao(achados[a].FCorrecao, achados[b].FCorrecao); });
    return ordem;
}

void OrdenarPorCorrecao(TListaLogAlertasAndErros& achados)
{
    // Positions are sorted, then each finding is moved once: cheaper than swapping records.
    Reordenar(achados, OrdemPorCorrecao(achados));
}

} // namespace Quorvane
