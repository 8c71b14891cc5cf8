#pragma once

#include <QChar>
#include <QLocale>
#include <QString>

#include "PadraoDataHora.h"

#include <optional>

namespace Quorvane {

// The user's regional settings that every value-to-text conversion uses. Built once from the
// system at start-up and handed to the engine; tests build it for a named locale.
struct FormatoLocal {
    QLocale locale;               // names used by the time format (AM/PM)
    QChar separadorData;
    QString formatoDataCurta;     // a QLocale pattern, e.g. "dd/MM/yyyy" or "M/d/yy"
    QString formatoHoraLonga;     // a QLocale pattern without the time zone, e.g. "HH:mm:ss"
    QChar separadorDecimal;
    QChar separadorMilhar;
    // The two patterns, read once (empty when only QLocale can write them).
    std::optional<PadraoDataHora> padraoData;
    std::optional<PadraoDataHora> padraoHora;

    static FormatoLocal De(const QLocale& locale);
    static FormatoLocal DoSistema() { return De(QLocale::system()); }
    // The same in every locale (dates yyyy-MM-dd, times HH:mm:ss, "." for decimals): a finding's
    // identity is written with it.
    static FormatoLocal Canonico();
};

} // namespace Quorvane
