#include "FirebirdApi.h"

namespace Quorvane {

std::int64_t CodigoDoStatus(Firebird::IStatus* status)
{
    // The status vector begins with the error's own code: isc_arg_gds, then the code.
    const intptr_t* vetor = status->getErrors();
    return vetor && vetor[0] == isc_arg_gds ? vetor[1] : 0;
}

ErroBanco ErroDoStatus(const ClienteFirebird& cliente, Firebird::IStatus* status)
{
    return ErroBanco(cliente.TextoDoStatus(status), CodigoDoStatus(status), cliente.SqlStateDoStatus(status));
}

} // namespace Quorvane
