// Any bytes in any character set: decoding never fails, and single-byte sets keep one
// character per byte.
#include "DecodificacaoTexto.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho)
{
    if (tamanho < 1)
        return 0;
    const unsigned charSet = dados[0];
    const char* bytes = reinterpret_cast<const char*>(dados + 1);
    const QString texto = Quorvane::DecodificarTexto(bytes, tamanho - 1, charSet);
    if (Quorvane::BytesPorCaractere(charSet) == 1 && static_cast<std::size_t>(texto.size()) != tamanho - 1)
        std::abort();
    return 0;
}
