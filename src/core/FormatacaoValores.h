#pragma once

#include "ConsultaSql.h"
#include "FormatoLocal.h"

#include <QDate>
#include <QString>
#include <QTime>
#include <cstdint>

namespace Quorvane {

// Value-to-text rules of the findings, all in the user's locale.
QString FormatarData(QDate data, const FormatoLocal& formato);
QString FormatarHora(QTime hora, const FormatoLocal& formato);
// The short date and, unless the time of day is exactly midnight, a blank and the long time.
QString FormatarDataHora(QDate data, QTime hora, bool meiaNoite, const FormatoLocal& formato);
QString FormatarInteiro(Inteiro128 valor);
// A fixed-point number from its scaled integer: no thousands separator, no trailing zeros after
// the decimal separator, and no separator when no decimals remain (10.0000 gives 10).
QString FormatarDecimal(Inteiro128 escalado, int escala, const FormatoLocal& formato);
// The general form: at most 15 significant digits, scientific only for very large or small values.
// A FLOAT column too: its value, not its shortest single-precision digits.
QString FormatarReal(double valor, const FormatoLocal& formato);
// Money, "##,###,##0.00": two decimals rounded half away from zero on the amount's decimal form
// taken to 15 significant digits, as FormatarReal takes it; a negative amount that rounds to zero
// has no sign.
QString FormatarDinheiro(double valor, const FormatoLocal& formato);
// Money from a fixed-point column: its exact decimal, rounded by the same rule.
QString FormatarDinheiroDecimal(Inteiro128 escalado, int escala, const FormatoLocal& formato);

// A column of the current row as text, by the rule of its kind; NULL is empty text.
QString CampoComoTexto(const ConsultaSql& consulta, int indice, const FormatoLocal& formato);
// A money column of the current row; NULL counts as 0.
QString CampoComoDinheiro(const ConsultaSql& consulta, int indice, const FormatoLocal& formato);

} // namespace Quorvane
