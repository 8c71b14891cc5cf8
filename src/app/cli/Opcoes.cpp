#include "Opcoes.h"

#include "ArgumentosDoPrograma.h"
#include "Verificacoes.h"

#include <QSet>
#include <algorithm>
#include <functional>

namespace Quorvane::Cli {

namespace {

struct DefinicaoOpcao {
    QString nome;
    QString valor;      // how the usage names the value; empty for a switch
    bool repetivel = false;
    QStringList descricao;
    std::function<void(OpcoesCli&, const QString&)> aplicar;
};

QStringList NomesDasVerificacoes()
{
    QStringList nomes;
    for (const Verificacao* v : VerificacoesNaOrdemDeExecucao())
        nomes << v->nome;
    return nomes;
}

FormatoSaida LerFormato(const QString& valor)
{
    if (valor == u"text")
        return FormatoSaida::Texto;
    if (valor == u"tsv")
        return FormatoSaida::Tsv;
    if (valor == u"csv")
        return FormatoSaida::Csv;
    if (valor == u"json")
        return FormatoSaida::Json;
    if (valor == u"html")
        return FormatoSaida::Html;
    throw ErroUso(QStringLiteral("Formato desconhecido: %1 (use text, tsv, csv, json ou html)").arg(valor));
}

std::chrono::seconds LerTempoLimite(const QString& valor)
{
    bool ok = false;
    const int segundos = valor.toInt(&ok);
    if (!ok || segundos <= 0)
        throw ErroUso(QStringLiteral("Tempo limite inválido: %1 (informe um número inteiro de segundos maior que zero)").arg(valor));
    return std::chrono::seconds(segundos);
}

std::filesystem::path Caminho(const QString& valor)
{
    return CaminhoDoArgumento(valor);
}

// A new option is one entry here and one field in OpcoesCli.
const std::vector<DefinicaoOpcao>& Definicoes()
{
    static const std::vector<DefinicaoOpcao> definicoes = {
        {QStringLiteral("--config"), QStringLiteral("ARQUIVO"), false,
         {QStringLiteral("Config.ini a usar (padrão: o Config.ini ao lado do programa)")},
         [](OpcoesCli& o, const QString& v) { o.config = Caminho(v); }},
        {QStringLiteral("--format"), QStringLiteral("FORMATO"), false,
         {QStringLiteral("text (padrão), tsv, csv, json ou html (um relatório que se abre no navegador)")},
         [](OpcoesCli& o, const QString& v) { o.formato = LerFormato(v); }},
        {QStringLiteral("--output"), QStringLiteral("ARQUIVO"), false,
         {QStringLiteral("grava os achados neste arquivo em vez da saída padrão")},
         [](OpcoesCli& o, const QString& v) { o.saida = Caminho(v); }},
        {QStringLiteral("--xlsx"), QStringLiteral("ARQUIVO"), false,
         {QStringLiteral("grava também os achados numa planilha .xlsx, como o botão Excel da janela")},
         [](OpcoesCli& o, const QString& v) { o.planilha = Caminho(v); }},
        {QStringLiteral("--baseline"), QStringLiteral("ARQUIVO"), false,
         {QStringLiteral("compara com a saída --format json de uma auditoria anterior:"),
          QStringLiteral("cada achado novo ou persistente, e os resolvidos")},
         [](OpcoesCli& o, const QString& v) { o.linhaDeBase = Caminho(v); }},
        {QStringLiteral("--check"), QStringLiteral("NOME"), true,
         QStringList{QStringLiteral("executa só esta verificação (pode ser repetida):")} + NomesDasVerificacoes(),
         [](OpcoesCli& o, const QString& v) {
             for (const Verificacao* verificacao : VerificacoesNaOrdemDeExecucao())
                 if (verificacao->nome == v) {
                     o.verificacoes.push_back(verificacao);
                     return;
                 }
             throw ErroUso(QStringLiteral("Verificação desconhecida: %1").arg(v));
         }},
        {QStringLiteral("--timeout"), QStringLiteral("SEGUNDOS"), false,
         {QStringLiteral("cancela a verificação que passar deste tempo")},
         [](OpcoesCli& o, const QString& v) { o.tempoLimite = LerTempoLimite(v); }},
        {QStringLiteral("--progress"), QString(), false,
         {QStringLiteral("uma linha por verificação na saída de erros (padrão num terminal)")},
         [](OpcoesCli& o, const QString&) { o.progresso = true; }},
        {QStringLiteral("--help"), QString(), false, {QStringLiteral("mostra esta ajuda")},
         [](OpcoesCli& o, const QString&) { o.ajuda = true; }},
        {QStringLiteral("--version"), QString(), false, {QStringLiteral("mostra a versão")},
         [](OpcoesCli& o, const QString&) { o.versao = true; }},
    };
    return definicoes;
}

const DefinicaoOpcao* Procurar(const QString& nome)
{
    for (const DefinicaoOpcao& d : Definicoes())
        if (d.nome == nome)
            return &d;
    return nullptr;
}

// --check names the checks to run; they still run in the order of an analysis run.
std::vector<const Verificacao*> NaOrdemDeExecucao(const std::vector<const Verificacao*>& escolhidas)
{
    std::vector<const Verificacao*> ordem;
    for (const Verificacao* v : VerificacoesNaOrdemDeExecucao())
        if (escolhidas.empty() || std::find(escolhidas.begin(), escolhidas.end(), v) != escolhidas.end())
            ordem.push_back(v);
    return ordem;
}

} // namespace

OpcoesCli LerOpcoes(const QStringList& argumentos)
{
    OpcoesCli opcoes;
    QSet<QString> vistas;
    for (qsizetype i = 0; i < argumentos.size(); ++i) {
        const QString& argumento = argumentos[i];
        if (!argumento.startsWith(QStringLiteral("--")))
            throw ErroUso(QStringLiteral("Argumento inesperado: %1").arg(argumento));

        const qsizetype igual = argumento.indexOf(u'=');
        const QString nome = igual < 0 ? argumento : argumento.left(igual);
        const DefinicaoOpcao* definicao = Procurar(nome);
        if (!definicao)
            throw ErroUso(QStringLiteral("Opção desconhecida: %1").arg(nome));
        if (!definicao->repetivel && vistas.contains(nome))
            throw ErroUso(QStringLiteral("A opção %1 foi informada mais de uma vez").arg(nome));
        vistas.insert(nome);

        QString valor;
        if (definicao->valor.isEmpty()) {
            if (igual >= 0)
                throw ErroUso(QStringLiteral("A opção %1 não aceita valor").arg(nome));
        } else if (igual >= 0) {
            valor = argumento.mid(igual + 1);
        } else if (i + 1 < argumentos.size() && !argumentos[i + 1].startsWith(QStringLiteral("--"))) {
            // "--output --format" is a forgotten value, not a file named --format (--output=--format is).
            valor = argumentos[++i];
        } else {
            throw ErroUso(QStringLiteral("A opção %1 exige um valor (%2)").arg(nome, definicao->valor));
        }
        if (!definicao->valor.isEmpty() && valor.isEmpty())
            throw ErroUso(QStringLiteral("A opção %1 exige um valor (%2)").arg(nome, definicao->valor));
        definicao->aplicar(opcoes, valor);
    }
    opcoes.verificacoes = NaOrdemDeExecucao(opcoes.verificacoes);
    return opcoes;
}

QString TextoUso()
{
    QString uso = QStringLiteral("Uso: quorvane-cli");
    for (const DefinicaoOpcao& d : Definicoes()) {
        uso += QStringLiteral(" [") + d.nome + (d.valor.isEmpty() ? QString() : u' ' + d.valor) + u']';
        if (d.repetivel)
            uso += QStringLiteral("...");
    }
    uso += QStringLiteral("\n\nExecuta as verificações do Quorvane, sem janelas, no banco de dados do Config.ini.\n\nOpções:\n");
    constexpr qsizetype largura = 22;
    for (const DefinicaoOpcao& d : Definicoes()) {
        const QString chamada = d.nome + (d.valor.isEmpty() ? QString() : u' ' + d.valor);
        uso += QStringLiteral("  ") + chamada.leftJustified(largura) + d.descricao.first() + u'\n';
        for (qsizetype i = 1; i < d.descricao.size(); ++i)
            uso += QString(largura + 4, u' ') + d.descricao[i] + u'\n';
    }
    uso += QStringLiteral("\nCódigos de saída: 0 nenhum achado; 1 só alertas; 2 algum erro; 3 alguma verificação não executada;\n"
                          "4 falha de configuração, de conexão ou de gravação; 64 argumentos inválidos.\n"
                          "Com --baseline, 0, 1 e 2 contam só os achados novos.\n");
    return uso;
}

} // namespace Quorvane::Cli
