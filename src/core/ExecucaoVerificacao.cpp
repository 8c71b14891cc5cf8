#include "ExecucaoVerificacao.h"

#include "ChaveDoAchado.h"
#include "ConsultaSql.h"
#include "DataLocal.h"
#include "FormatacaoValores.h"

namespace Quorvane {

namespace {

// The message pattern cut at each "%s", so that a row costs one pass and no searching.
struct Modelo {
    QStringList pedacos;

    explicit Modelo(const QString& mensagem) : pedacos(mensagem.split(QStringLiteral("%s"))) {}

    QString Preencher(const std::vector<QString>& valores) const
    {
        qsizetype tamanho = 0;
        for (const QString& p : pedacos)
            tamanho += p.size();
        for (const QString& v : valores)
            tamanho += v.size();
        QString texto;
        texto.reserve(tamanho);
        for (qsizetype i = 0; i < pedacos.size(); ++i) {
            texto += pedacos[i];
            if (i + 1 < pedacos.size() && static_cast<std::size_t>(i) < valores.size())
                texto += valores[static_cast<std::size_t>(i)];
        }
        return texto;
    }
};

// A value whose text is the same in every locale needs no second formatting for the key.
bool TextoSemLocal(const CampoSql& campo)
{
    switch (campo.tipo) {
    case TipoCampo::Char:
    case TipoCampo::Varchar:
    case TipoCampo::Blob:
    case TipoCampo::Inteiro:
    case TipoCampo::Booleano:
        return true;
    default:
        return false;
    }
}

} // namespace

QStringList LinhasDoComando(const Verificacao& verificacao, QDate dataCargaInicial)
{
    const QString data = FormatarDataFiltro(dataCargaInicial.isValid() ? dataCargaInicial : DiaZero);
    QStringList linhas;
    linhas.reserve(static_cast<qsizetype>(verificacao.linhas.size()));
    for (const LinhaSql& linha : verificacao.linhas)
        linhas.append(linha.comData ? linha.texto + data + u'\'' : linha.texto);
    return linhas;
}

void ExecutarVerificacao(const Verificacao& verificacao, ConsultaSql& consulta, QDate dataCargaInicial,
                         const FormatoLocal& formato, TLogAlertasAndErros& buffer)
{
    consulta.LimparSQL();
    for (const QString& linha : LinhasDoComando(verificacao, dataCargaInicial))
        consulta.AdicionarLinha(linha);
    consulta.Abrir();

    // Columns are looked up once per statement, not per row.
    std::vector<int> indices;
    indices.reserve(verificacao.colunas.size());
    for (const ColunaAchado& coluna : verificacao.colunas)
        indices.push_back(consulta.IndiceCampo(coluna.nome));
    const int indiceCorrecao = verificacao.colunaCorrecao.isEmpty() ? -1 : consulta.IndiceCampo(verificacao.colunaCorrecao);

    const Modelo modelo(verificacao.mensagem);
    const bool erro = verificacao.tipo == TipoAchado::Erro;
    static const FormatoLocal canonico = FormatoLocal::Canonico();
    ChaveDoAchado chave;
    std::vector<QString> valores(indices.size());
    // The key's values: the message's in the canonical form, then the correction's column.
    std::vector<QString> canonicos(indices.size() + (indiceCorrecao < 0 ? 0 : 1));
    std::vector<bool> semLocal(indices.size());
    for (std::size_t i = 0; i < indices.size(); ++i)
        semLocal[i] = !verificacao.colunas[i].dinheiro && TextoSemLocal(consulta.Campo(indices[i]));
    const bool correcaoSemLocal = indiceCorrecao >= 0 && TextoSemLocal(consulta.Campo(indiceCorrecao));
    while (!consulta.Eof()) {
        (erro ? buffer.FAlerta : buffer.FErro).clear();
        for (std::size_t i = 0; i < indices.size(); ++i) {
            const bool dinheiro = verificacao.colunas[i].dinheiro;
            valores[i] = dinheiro ? CampoComoDinheiro(consulta, indices[i], formato) : CampoComoTexto(consulta, indices[i], formato);
            canonicos[i] = semLocal[i] ? valores[i]
                           : dinheiro  ? CampoComoDinheiro(consulta, indices[i], canonico)
                                       : CampoComoTexto(consulta, indices[i], canonico);
        }
        (erro ? buffer.FErro : buffer.FAlerta) = modelo.Preencher(valores);
        if (indiceCorrecao < 0) {
            buffer.FCorrecao = verificacao.correcao;
        } else {
            const QString correcao = CampoComoTexto(consulta, indiceCorrecao, formato);
            canonicos.back() = correcaoSemLocal ? correcao : CampoComoTexto(consulta, indiceCorrecao, canonico);
            buffer.FCorrecao = verificacao.correcao + correcao + u';';
        }
        buffer.FChave = chave.DosValores(verificacao.nome, canonicos);
        buffer.FLista->push_back(buffer);
        consulta.Proximo();
    }
}

} // namespace Quorvane
