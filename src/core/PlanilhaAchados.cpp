#include "PlanilhaAchados.h"

#include "Erro.h"

#include <xlsxwriter.h>

#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <cstdlib>
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
        .arg(QString::fromStdString(arquivo.string()), QString::fromUtf8(lxw_strerror(erro)));
}

struct FecharWorkbook {
    void operator()(lxw_workbook* workbook) const { workbook_close(workbook); }
};

} // namespace

void GravarPlanilhaAchados(const std::filesystem::path& arquivo, const TListaLogAlertasAndErros& achados)
{
    const std::string pastaTemporaria = arquivo.parent_path().empty() ? std::string(".") : arquivo.parent_path().string();
    lxw_workbook_options opcoes{};
    // Rows go straight to disk in order, so memory stays flat however many findings there are;
    // its scratch files stay beside the workbook.
    opcoes.constant_memory = LXW_TRUE;
    opcoes.tmpdir = const_cast<char*>(pastaTemporaria.c_str());
    std::unique_ptr<lxw_workbook, FecharWorkbook> workbook(workbook_new_opt(arquivo.c_str(), &opcoes));
    if (!workbook)
        throw Erro(Falha(arquivo, LXW_ERROR_CREATING_TMPFILE));

    lxw_doc_properties propriedades{};
    propriedades.title = const_cast<char*>("Quorvane");
    workbook_set_properties(workbook.get(), &propriedades);

    lxw_worksheet* planilha = workbook_add_worksheet(workbook.get(), nullptr);
    if (!planilha)
        throw Erro(Falha(arquivo, LXW_ERROR_MEMORY_MALLOC_FAILED));
    const auto larguras = Larguras(achados);
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
    lxw_row_t linha = 1;
    for (const TLogAlertasAndErros& achado : achados) {
        const auto colunas = Colunas(achado);
        for (lxw_col_t c = 0; c < 3; ++c)
            escrever(linha, c, *colunas[c]);
        ++linha;
    }

    const lxw_error erro = workbook_close(workbook.release());
    if (erro != LXW_NO_ERROR)
        throw Erro(Falha(arquivo, erro));
}

std::filesystem::path GravarPlanilhaTemporaria(const TListaLogAlertasAndErros& achados)
{
    std::string modelo = (std::filesystem::temp_directory_path() / "quorvane-XXXXXX").string();
    if (!mkdtemp(modelo.data()))
        throw Erro(QStringLiteral("Não foi possível criar uma pasta temporária para a planilha"));
    const std::filesystem::path arquivo = std::filesystem::path(modelo) / "Quorvane.xlsx";
    GravarPlanilhaAchados(arquivo, achados);
    ::chmod(arquivo.c_str(), S_IRUSR | S_IWUSR);
    return arquivo;
}

} // namespace Quorvane
