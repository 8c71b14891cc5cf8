#include "PlanilhaAchados.h"

#include "Erro.h"
#include "PastasPrivadas.h"
#include "TextoDeCaminho.h"

#include <xlsxwriter.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <string>

namespace Quorvane {

namespace {

// The most characters a cell holds; longer texts are cut there.
constexpr qsizetype MaximoCaracteresCelula = 32767;
// Widths in characters: a little room past the longest text, within what a screen shows.
constexpr double LarguraMinima = 8.0;
constexpr double LarguraMaxima = 120.0;

const std::array<QString, 3> Cabecalho = {QStringLiteral("Alerta"), QStringLiteral("Erro"), QStringLiteral("Correção")};
const QString CabecalhoComparacao = QStringLiteral("Comparação");

std::array<const QString*, 3> Colunas(const TLogAlertasAndErros& achado)
{
    return {&achado.FAlerta, &achado.FErro, &achado.FCorrecao};
}

// libxlsxwriter 1.1.4 has no autofit: the width comes from the longest text of each column.
std::array<double, 3> Larguras(const TListaLogAlertasAndErros& achados)
{
    std::array<qsizetype, 3> maiores{};
    for (std::size_t c = 0; c < 3; ++c)
        maiores[c] = Cabecalho[c].size();
    for (const TLogAlertasAndErros& achado : achados) {
        const auto colunas = Colunas(achado);
        for (std::size_t c = 0; c < 3; ++c)
            maiores[c] = std::max(maiores[c], colunas[c]->size());
    }
    std::array<double, 3> larguras{};
    for (std::size_t c = 0; c < 3; ++c)
        larguras[c] = std::clamp(static_cast<double>(maiores[c]) + 2.0, LarguraMinima, LarguraMaxima);
    return larguras;
}

// A cell's text as XML may hold it: the characters XML forbids (C0 controls other than tab, CR
// and LF, U+FFFE, U+FFFF, a surrogate without its pair) become U+FFFD, so that a NUL no longer
// ends the cell; cut at the cell's limit without splitting a pair.
QString TextoDaCelula(const QString& texto)
{
    QString celula = texto.left(MaximoCaracteresCelula);
    if (!celula.isEmpty() && celula.back().isHighSurrogate() && texto.size() > celula.size())
        celula.chop(1);
    for (qsizetype i = 0; i < celula.size(); ++i) {
        const char16_t c = celula[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < celula.size() && celula[i + 1].isLowSurrogate())
            ++i;
        else if ((c < 0x20 && c != u'\t' && c != u'\n' && c != u'\r') || c == 0xFFFE || c == 0xFFFF || QChar::isSurrogate(c))
            celula[i] = QChar::ReplacementCharacter;
    }
    return celula;
}

QString Falha(const std::filesystem::path& arquivo, lxw_error erro)
{
    return QStringLiteral("Não foi possível gravar a planilha %1: %2")
        .arg(NomeParaExibir(arquivo), QString::fromUtf8(lxw_strerror(erro)));
}

constexpr std::string_view NomeDaPlanilhaTemporaria = "Quorvane.xlsx";

// What GravarPlanilhaTemporaria leaves in its folder: the workbook, and the lock file a
// spreadsheet application writes beside it while it has the workbook open.
bool DaPlanilhaTemporaria(const std::string& nome)
{
    return nome == NomeDaPlanilhaTemporaria || nome == ".~lock." + std::string(NomeDaPlanilhaTemporaria) + "#" ||
           nome == "~$" + std::string(NomeDaPlanilhaTemporaria);
}

// The folder is ours, holds nothing but what we put there (a folder of the user's own may share
// the name's pattern), and nothing in it changed after `limite`: a spreadsheet still using its
// workbook keeps writing its lock file there.
bool PastaDePlanilhaAntiga(const std::filesystem::path& pasta, std::time_t limite)
{
    if (!PastaPropriaSemMudancaDesde(pasta, limite))
        return false;
    std::error_code erro;
    for (std::filesystem::directory_iterator item(pasta, erro), fim; !erro && item != fim; item.increment(erro))
        if (!DaPlanilhaTemporaria(item->path().filename().string()) || !SemMudancaDesde(item->path(), limite))
            return false;
    return !erro;
}

struct FecharWorkbook {
    void operator()(lxw_workbook* workbook) const { workbook_close(workbook); }
};

} // namespace

void GravarPlanilhaAchados(const std::filesystem::path& arquivo, const TListaLogAlertasAndErros& achados,
                           const ResultadoComparacao* comparacao)
{
    const std::string nome = NomeParaBibliotecaC(arquivo);
    // Checked first: the library would write its scratch files and fail only on closing, leaving
    // them behind on Windows.
    if (nome.empty())
        throw Erro(QStringLiteral("Não foi possível gravar a planilha %1: o nome tem caracteres que este sistema não "
                                  "permite usar numa planilha; escolha outro nome ou outra pasta")
                       .arg(NomeParaExibir(arquivo)));
    const std::string pastaTemporaria = arquivo.parent_path().empty() ? std::string(".") : NomeParaBibliotecaC(arquivo.parent_path());
    lxw_workbook_options opcoes{};
    // Rows go straight to disk in order, so memory stays flat however many findings there are;
    // its scratch files stay beside the workbook.
    opcoes.constant_memory = LXW_TRUE;
    opcoes.tmpdir = const_cast<char*>(pastaTemporaria.c_str());
    std::unique_ptr<lxw_workbook, FecharWorkbook> workbook(workbook_new_opt(nome.c_str(), &opcoes));
    if (!workbook)
        throw Erro(Falha(arquivo, LXW_ERROR_CREATING_TMPFILE));

    lxw_doc_properties propriedades{};
    propriedades.title = const_cast<char*>("Quorvane");
    workbook_set_properties(workbook.get(), &propriedades);

    lxw_worksheet* planilha = workbook_add_worksheet(workbook.get(), "Achados");
    if (!planilha)
        throw Erro(Falha(arquivo, LXW_ERROR_MEMORY_MALLOC_FAILED));
    auto larguras = Larguras(achados);
    if (comparacao) {
        const auto dosResolvidos = Larguras(comparacao->resolvidos);
        for (std::size_t c = 0; c < 3; ++c)
            larguras[c] = std::max(larguras[c], dosResolvidos[c]);
        const QString maisLonga = NomeDaComparacao(Comparacao::NaoComparado);
        worksheet_set_column(planilha, 3, 3, static_cast<double>(std::max(maisLonga.size(), CabecalhoComparacao.size())) + 2.0, nullptr);
    }
    for (lxw_col_t c = 0; c < 3; ++c)
        worksheet_set_column(planilha, c, c, larguras[c], nullptr);

    const auto escrever = [&](lxw_row_t linha, lxw_col_t coluna, const QString& texto) {
        if (texto.isEmpty())
            return;
        const QByteArray utf8 = TextoDaCelula(texto).toUtf8();
        const lxw_error erro = worksheet_write_string(planilha, linha, coluna, utf8.constData(), nullptr);
        if (erro != LXW_NO_ERROR)
            throw Erro(Falha(arquivo, erro));
    };
    // The header first: this mode only writes rows in ascending order.
    for (lxw_col_t c = 0; c < 3; ++c)
        escrever(0, c, Cabecalho[c]);
    if (comparacao)
        escrever(0, 3, CabecalhoComparacao);
    lxw_row_t linha = 1;
    const auto escreverAchado = [&](const TLogAlertasAndErros& achado, Comparacao marca) {
        const auto colunas = Colunas(achado);
        for (lxw_col_t c = 0; c < 3; ++c)
            escrever(linha, c, *colunas[c]);
        if (comparacao)
            escrever(linha, 3, NomeDaComparacao(marca));
        ++linha;
    };
    for (std::size_t i = 0; i < achados.size(); ++i)
        escreverAchado(achados[i], comparacao ? comparacao->marcas[i] : Comparacao::Novo);
    if (comparacao)
        for (const TLogAlertasAndErros& achado : comparacao->resolvidos)
            escreverAchado(achado, Comparacao::Resolvido);

    const lxw_error erro = workbook_close(workbook.release());
    if (erro != LXW_NO_ERROR)
        throw Erro(Falha(arquivo, erro));
}

std::filesystem::path GravarPlanilhaTemporaria(const TListaLogAlertasAndErros& achados, const ResultadoComparacao* comparacao)
{
    const std::filesystem::path modelo = CriarPastaPrivada(std::filesystem::temp_directory_path(), std::string(PrefixoPastaPlanilha));
    if (modelo.empty())
        throw Erro(QStringLiteral("Não foi possível criar uma pasta temporária para a planilha"));
    const std::filesystem::path arquivo = modelo / NomeDaPlanilhaTemporaria;
    try {
        GravarPlanilhaAchados(arquivo, achados, comparacao);
    } catch (...) {
        // A half-written workbook of the customer's figures does not stay behind either.
        std::error_code ignorado;
        std::filesystem::remove_all(modelo, ignorado);
        throw;
    }
    SomenteParaOUsuario(arquivo);
    return arquivo;
}

void RemoverPlanilhasTemporariasAntigas(std::chrono::seconds idade, const std::filesystem::path& pasta)
{
    std::error_code erro;
    const std::filesystem::path onde = pasta.empty() ? std::filesystem::temp_directory_path(erro) : pasta;
    const std::time_t limite = std::time(nullptr) - static_cast<std::time_t>(idade.count());
    const std::size_t tamanhoDoNome = PrefixoPastaPlanilha.size() + 6;
    for (std::filesystem::directory_iterator item(onde, erro), fim; !erro && item != fim; item.increment(erro)) {
        const std::string nome = item->path().filename().string();
        if (nome.size() == tamanhoDoNome && nome.starts_with(PrefixoPastaPlanilha) && PastaDePlanilhaAntiga(item->path(), limite)) {
            std::error_code ignorado;
            std::filesystem::remove_all(item->path(), ignorado);
        }
    }
}

} // namespace Quorvane
