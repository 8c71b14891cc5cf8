#pragma once

#include <QString>
#include <cstdint>
#include <vector>

namespace Quorvane {

struct TLogAlertasAndErros;
using TListaLogAlertasAndErros = std::vector<TLogAlertasAndErros>;

// One finding, and also the buffer the checks fill before appending a copy of it to the list.
// A finding is an error when FErro is set and an alert when FAlerta is set, never both.
struct TLogAlertasAndErros {
    QString FErro;
    QString FCorrecao;
    // The result list. Only meaningful in the buffer; copies in the list carry it unread.
    // Not owning: the engine owns the list.
    TListaLogAlertasAndErros* FLista = nullptr;
    QString FAlerta;
    // Its identity (ChaveDoAchado.h): the same finding has the same key in every locale.
    std::uint64_t FChave = 0;

    // Gives the record a new, empty result list, owned by the caller.
    void Create(TListaLogAlertasAndErros& lista)
    {
        lista.clear();
        FLista = &lista;
    }
};

} // namespace Quorvane
