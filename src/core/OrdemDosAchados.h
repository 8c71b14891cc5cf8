#pragma once

#include "LogAlertasAndErros.h"

#include <cstddef>
#include <utility>
#include <vector>

namespace Quorvane {

// The log window's order: ascending correction text, compared code unit by code unit (UTF-16,
// no locale rules). Equal corrections keep the order in which they were found, so the same
// database always gives the same list.
void OrdenarPorCorrecao(TListaLogAlertasAndErros& achados);

// The same order as positions in the list, for callers that keep data beside each finding.
std::vector<std::size_t> OrdemPorCorrecao(const TListaLogAlertasAndErros& achados);

// Puts the elements in the given order, moving rather than copying them.
template <class T>
void Reordenar(std::vector<T>& elementos, const std::vector<std::size_t>& ordem)
{
    std::vector<T> reordenados;
    reordenados.reserve(elementos.size());
    for (const std::size_t i : ordem)
        reordenados.push_back(std::move(elementos[i]));
    elementos.swap(reordenados);
}

} // namespace Quorvane
