#pragma once

#include <QString>
#include <vector>

namespace Quorvane {

enum class TipoAchado { Alerta, Erro };

// One line of a check's statement; a date line is completed at run time with the start date
// as 'dd.MM.yyyy' and a closing quote.
struct LinhaSql {
    QString texto;
    bool comData = false;
};

// A column whose value goes into the finding text, in the message's order.
struct ColunaAchado {
    QString nome;
    bool dinheiro = false;
};

// A check as data: what the one check mechanism needs to run it.
struct Verificacao {
    QString nome;
    TipoAchado tipo = TipoAchado::Alerta;
    std::vector<LinhaSql> linhas;
    std::vector<ColunaAchado> colunas;
    QString mensagem;          // one "%s" per column
    QString correcao;
    // When set, the correction is followed by this column as text and ";".
    QString colunaCorrecao;

    bool UsaData() const
    {
        for (const LinhaSql& linha : linhas)
            if (linha.comData)
                return true;
        return false;
    }
};

} // namespace Quorvane
