#pragma once

#include "LogAlertasAndErros.h"

#include <cstddef>
#include <utility>
#include <vector>

namespace Quorvane::Cli {

// The log window's order: ascending correction text, compared code unit by code unit (UTF-16,
// no locale rules). Equal corrections keep the order in which they were found, so the same
// database always gives the same output.
std::vector<std::size_t> OrdemDaTelaDeLog(const TListaLogAlertasAndErros& achados);

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

} // namespace Quorvane::Cli
