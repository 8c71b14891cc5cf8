#pragma once

#include <QDate>
#include <QString>
#include <QTime>
#include <optional>
#include <vector>

namespace Quorvane {

// A date or time pattern of QLocale's letters, read once so that each value is written by plain
// appends: the engine formats a date on almost every row. Only numeric fields and AM/PM are
// handled; a pattern with names (MMM, dddd…) is not compiled and QLocale formats it instead.
class PadraoDataHora {
public:
    static std::optional<PadraoDataHora> Compilar(const QString& padrao, const QString& am, const QString& pm);

    void Escrever(QString& destino, QDate data, QTime hora) const;

private:
    enum class Campo { Literal, Dia, Mes, Ano2, Ano4, Hora24, Hora12, Minuto, Segundo, AmPm };
    struct Pedaco {
        Campo campo;
        int largura; // digits, with leading zeros up to this
        QString literal; // the text of a literal; AM's text, in the pattern's case
        QString pm;
    };
    std::vector<Pedaco> pedacos_;
};

} // namespace Quorvane
