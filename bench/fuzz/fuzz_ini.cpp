// Any bytes as Config.ini: the reader never fails and never returns more than 2,047 characters.
#include "ArquivoIni.h"

#include <QByteArray>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho)
{
    const QByteArray bytes(reinterpret_cast<const char*>(dados), static_cast<qsizetype>(tamanho));
    const QString texto = Quorvane::DecodificarArquivoIni(bytes);
    const QString caminho = Quorvane::LerValorIniDeTexto(texto, QStringLiteral("BANCO"), QStringLiteral("CAMINHO"));
    if (caminho.size() > 2047)
        std::abort();
    return 0;
}
