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

// An index the statement needs to run in time linear in the data (one whose first column is this
// column), and the statement a DBA could run to create it.
struct IndiceDeApoio {
    QString tabela;
    QString coluna;
    QString criacao;
};

// A key column the statement reads through NOT IN: its NULL rows are data problems of their own.
struct ChaveLida {
    QString tabela;
    QString coluna;
};

// A check as data: what the one check mechanism needs to run it.
struct Verificacao {
    QString nome;
    // What it looks for, in one line of Portuguese for a reader who is not a technician (the
    // accountant who gets the report).
    QString descricao;
    TipoAchado tipo = TipoAchado::Alerta;
    std::vector<LinhaSql> linhas;
    std::vector<ColunaAchado> colunas;
    QString mensagem;          // one "%s" per column
    QString correcao;
    // When set, the correction is followed by this column as text and ";".
    QString colunaCorrecao;
    std::vector<IndiceDeApoio> indices;
    std::vector<ChaveLida> chaves;

    bool UsaData() const
    {
        for (const LinhaSql& linha : linhas)
            if (linha.comData)
                return true;
        return false;
    }
};

} // namespace Quorvane
