#include "OrdemDosAchados.h"

#include <algorithm>
#include <numeric>

namespace Quorvane::Cli {

std::vector<std::size_t> OrdemDaTelaDeLog(const TListaLogAlertasAndErros& achados)
{
    std::vector<std::size_t> ordem(achados.size());
    std::iota(ordem.begin(), ordem.end(), std::size_t{0});
    std::stable_sort(ordem.begin(), ordem.end(), [&](std::size_t a, std::size_t b) {
        const QString& x = achados[a].FCorrecao;
        const QString& y = achados[b].FCorrecao;
        return std::lexicographical_compare(x.utf16(), x.utf16() + x.size(), y.utf16(), y.utf16() + y.size());
    });
    return ordem;
}

} // namespace Quorvane::Cli
