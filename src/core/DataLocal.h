#pragma once

#include "FormatoLocal.h"

#include <QDate>
#include <QString>
#include <optional>

namespace Quorvane {

// Day 0 of the ERP's date count: a date's number is its days since then, and as the start date
// it stands for no date at all.
inline const QDate DiaZero(1899, 12, 30);

// Reads a date written in the locale's short date format: numbers in the format's order of day,
// month and year, separated by the locale's date separator, blanks before each number and each
// separator skipped. With two numbers the year is this year's; a year of at most two digits lies
// in the hundred years that begin 50 years before this year; the day must exist in its month.
// A trailing separator and blanks are passed over, and whatever follows a valid date is ignored.
std::optional<QDate> LerDataLocal(const QString& texto, const FormatoLocal& formato, QDate hoje);

// Two-digit day and month and four-digit year, in the order of LerDataLocal's reading and with the
// locale's date separator: "dd/MM/yyyy" in pt_BR, "MM/dd/yyyy" in en_US, "yyyy-MM-dd" in sv_SE.
QString FormatarDataCarga(QDate data, const FormatoLocal& formato);

// The date as an SQL literal body: "dd.MM.yyyy", with dots whatever the locale.
QString FormatarDataFiltro(QDate data);

} // namespace Quorvane
