// Any text as the start date: the reader either refuses it or returns a real date, which the
// caption writes so that the same locale reads back the same day.
#include "DataLocal.h"

#include <QLocale>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho)
{
    static const Quorvane::FormatoLocal formatos[] = {
        Quorvane::FormatoLocal::De(QLocale(QLocale::Portuguese, QLocale::Brazil)),
        Quorvane::FormatoLocal::De(QLocale(QLocale::English, QLocale::UnitedStates)),
        Quorvane::FormatoLocal::De(QLocale(QLocale::German, QLocale::Germany)),
    };
    const QString texto = QString::fromUtf8(reinterpret_cast<const char*>(dados), static_cast<qsizetype>(tamanho));
    for (const auto& formato : formatos) {
        const auto data = Quorvane::LerDataLocal(texto, formato, QDate(2026, 12, 8));
        if (data && (!data->isValid() || data->year() < 1 || data->year() > 9999))
            std::abort();
        if (data && Quorvane::FormatarDataFiltro(*data).size() != 10)
            std::abort();
        if (data && Quorvane::LerDataLocal(Quorvane::FormatarDataCarga(*data, formato), formato, QDate(2026, 12, 8)) != data)
            std::abort();
    }
    return 0;
}
