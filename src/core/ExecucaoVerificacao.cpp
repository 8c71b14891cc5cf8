#include "ExecucaoVerificacao.h"

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
    std::vector<QString> valores(indices.size());
    while (!consulta.Eof()) {
        (erro ? buffer.FAlerta : buffer.FErro).clear();
        for (std::size_t i = 0; i < indices.size(); ++i)
            valores[i] = verificacao.colunas[i].dinheiro ? CampoComoDinheiro(consulta, indices[i], formato)
                                                         : CampoComoTexto(consulta, indices[i], formato);
        (erro ? buffer.FErro : buffer.FAlerta) = modelo.Preencher(valores);
        if (indiceCorrecao < 0)
            buffer.FCorrecao = verificacao.correcao;
        else
            buffer.FCorrecao = verificacao.correcao + CampoComoTexto(consulta, indiceCorrecao, formato) + u';';
        buffer.FLista->push_back(buffer);
        consulta.Proximo();
    }
}

} // namespace Quorvane
