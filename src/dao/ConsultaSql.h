#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <QTime>
#include <cstdint>
#include <memory>
#include <vector>

namespace Quorvane {

class ConexaoSql;

// Kinds of result column, as the Firebird client describes them.
enum class TipoCampo {
    Char,      // fixed width, blank-padded
    Varchar,
    Inteiro,   // SMALLINT, INTEGER, BIGINT, INT128 without scale
    Decimal,   // NUMERIC, DECIMAL: a scaled integer, up to 128 bits
    Float,
    Double,
    Data,
    Hora,
    Timestamp,
    Booleano,
    Blob,
    Nulo,      // a bare NULL in the select list: every value is NULL
    Desconhecido,
};

// SMALLINT to INT128 (NUMERIC(38)), exactly.
__extension__ typedef __int128 Inteiro128;

struct CampoSql {
    QString nome;        // the column's alias, as the statement names it
    TipoCampo tipo = TipoCampo::Desconhecido;
    unsigned tipoSql = 0;
    int escala = 0;      // negative: digits after the decimal point
    unsigned comprimento = 0;
    unsigned subTipo = 0;
    unsigned charSet = 0;
    unsigned caracteres = 0; // CHAR(n): n; the column arrives as n times the set's widest character
    unsigned deslocamento = 0;
    unsigned deslocamentoNulo = 0;
};

// One SELECT statement at a time over the connection: its SQL text as lines, the open result and
// the current row. Each statement runs in its own read-only snapshot transaction, started just
// before it and committed as soon as the last row has been read: the statement sees one committed
// state of the database, and nothing stays open while idle.
class ConsultaSql {
public:
    explicit ConsultaSql(ConexaoSql* conexao = nullptr);
    ~ConsultaSql();
    ConsultaSql(const ConsultaSql&) = delete;
    ConsultaSql& operator=(const ConsultaSql&) = delete;

    void DefinirConexao(ConexaoSql* conexao);
    ConexaoSql* Conexao() const { return conexao_; }

    // Changing the text closes an open result.
    void LimparSQL();
    void AdicionarLinha(const QString& linha);
    const QStringList& SQL() const { return linhas_; }
    // The statement sent to the server: the lines in order, each followed by CR LF.
    QString Comando() const;

    // Prepares and runs the statement and reads the first row. Only SELECT statements run; a
    // column of a type this reader does not know throws Erro naming the column and the type.
    void Abrir();
    bool Ativa() const;
    bool Eof() const { return eof_; }
    void Proximo();
    void Fechar() noexcept;

    int QuantidadeCampos() const { return static_cast<int>(campos_.size()); }
    // Throws Erro for an index outside the result.
    const CampoSql& Campo(int indice) const;
    // Case-insensitive, like the rest of SQL; throws Erro when the statement has no such column.
    int IndiceCampo(const QString& nome) const;

    // Values of the current row. Each getter reads the kinds listed beside it; another kind, a
    // NULL value (test EhNulo first), an index outside the result or no current row (past the last
    // one) throws Erro naming the column.
    bool EhNulo(int indice) const;
    std::int64_t Inteiro(int indice) const;   // Inteiro, Decimal (the scaled integer), Booleano; 64 bits
    Inteiro128 InteiroExato(int indice) const; // the same kinds, at any width
    double Real(int indice) const;            // Float, Double; also Inteiro and Decimal, converted
    QString Texto(int indice) const;          // Char (untrimmed), Varchar, Blob (whole)
    QDate Data(int indice) const;             // Data, Timestamp
    QTime Hora(int indice) const;             // Hora, Timestamp (to the millisecond)
    unsigned FracaoHora(int indice) const;    // Hora, Timestamp: the time in 1/10,000 s of the day

private:
    struct Estado;
    void Fechar(bool confirmar) noexcept;
    void LerProxima();
    // The column of the current row, if it is of one of the kinds (a mask of TipoCampo bits) and
    // not NULL.
    const CampoSql& CampoDaLinha(int indice, unsigned tipos, const char* leitura) const;
    const CampoSql& CampoAtual(int indice) const;
    const unsigned char* Valor(const CampoSql& campo) const { return &linha_[campo.deslocamento]; }

    ConexaoSql* conexao_;
    QStringList linhas_;
    std::unique_ptr<Estado> estado_;
    std::vector<CampoSql> campos_;
    std::vector<unsigned char> linha_;
    bool eof_ = true;
};

} // namespace Quorvane
