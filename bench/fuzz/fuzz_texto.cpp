// Any bytes in any character set: decoding never fails, single-byte sets keep one character per
// byte, and no surrogate is left without its pair.
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
    for (qsizetype i = 0; i < texto.size(); ++i) {
        if (texto[i].isHighSurrogate() && i + 1 < texto.size() && texto[i + 1].isLowSurrogate())
            ++i;
        else if (texto[i].isSurrogate())
            std::abort();
    }
    return 0;
}
