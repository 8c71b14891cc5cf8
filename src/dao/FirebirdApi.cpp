#include "FirebirdApi.h"

namespace Quorvane {

ErroBanco ErroDoStatus(const ClienteFirebird& cliente, Firebird::IStatus* status)
{
    // The status vector begins with the error's own code: isc_arg_gds, then the code.
    const intptr_t* vetor = status->getErrors();
    const std::int64_t codigo = vetor && vetor[0] == isc_arg_gds ? vetor[1] : 0;
    return ErroBanco(cliente.TextoDoStatus(status), codigo, cliente.SqlStateDoStatus(status));
}

} // namespace Quorvane
