#include "CaracteresUtf8.h"

#include <clocale>
#include <cstring>
#include <langinfo.h>

namespace Quorvane {

void GarantirCaracteresUtf8() noexcept
{
    const char* codificacao = ::nl_langinfo(CODESET);
    if (codificacao && std::strcmp(codificacao, "UTF-8") == 0)
        return;
    std::setlocale(LC_CTYPE, "C.UTF-8");
}

} // namespace Quorvane
