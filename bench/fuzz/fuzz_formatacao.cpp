// Any number through every value-to-text rule: no crash, and money always has the
// "##,###,##0.00" shape.
#include "FormatacaoValores.h"

#include <QLocale>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

bool FormaDeDinheiro(const QString& texto)
{
    if (texto == QLatin1String("NAN") || texto == QLatin1String("INF") || texto == QLatin1String("-INF"))
        return true;
    const qsizetype virgula = texto.size() - 3;
    if (virgula < 1 || texto[virgula] != u',' || !texto[virgula + 1].isDigit() || !texto[virgula + 2].isDigit())
        return false;
    const qsizetype inicio = texto.startsWith(u'-') ? 1 : 0;
    int digitos = 0;
    for (qsizetype i = virgula - 1; i >= inicio; --i) {
        if (texto[i] == u'.') {
            if (digitos != 3)
                return false;
            digitos = 0;
        } else if (texto[i].isDigit()) {
            ++digitos;
        } else {
            return false;
        }
    }
    return digitos >= 1 && digitos <= 3;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho)
{
    static const auto br = Quorvane::FormatoLocal::De(QLocale(QLocale::Portuguese, QLocale::Brazil));
    if (tamanho < 9)
        return 0;
    double real;
    std::int64_t inteiro;
    std::memcpy(&real, dados, sizeof real);
    std::memcpy(&inteiro, dados, sizeof inteiro);
    const int escala = -static_cast<int>(dados[8] % 19);

    if (!FormaDeDinheiro(Quorvane::FormatarDinheiro(real, br)))
        std::abort();
    if (!FormaDeDinheiro(Quorvane::FormatarDinheiroDecimal(inteiro, escala, br)))
        std::abort();
    const QString geral = Quorvane::FormatarReal(real, br);
    if (std::isfinite(real) && geral.isEmpty())
        std::abort();
    if (Quorvane::FormatarDecimal(inteiro, escala, br).isEmpty())
        std::abort();
    return 0;
}
