#include "ModeloAlertasAndErros.h"

#include "ComparacaoDeTextos.h"

#include <algorithm>
#include <climits>
#include <numeric>
#include <thread>

namespace Quorvane {

namespace {

const QString Nenhum;

bool MesmoTexto(const QString& a, const QString& b)
{
    return a.constData() == b.constData() && a.size() == b.size();
}

} // namespace

TModeloAlertasAndErros::TModeloAlertasAndErros(QObject* pai) : QAbstractTableModel(pai) {}

void TModeloAlertasAndErros::DefinirLista(const TListaLogAlertasAndErros* lista)
{
    beginResetModel();
    lista_ = lista;
    linhas_.clear();
    ordemCompleta_.clear();
    todasNaOrdemDaLista_ = true;
    filtro_.clear();
    colunaOrdem_ = -1;
    endResetModel();
}

int TModeloAlertasAndErros::Total() const
{
    // A view counts rows in int.
    if (!lista_)
        return 0;
    return lista_->size() > static_cast<std::size_t>(INT_MAX) ? INT_MAX : static_cast<int>(lista_->size());
}

const QString& TModeloAlertasAndErros::Texto(std::size_t achado, int coluna) const
{
    const TLogAlertasAndErros& a = (*lista_)[achado];
    switch (coluna) {
    case ColunaAlerta:
        return a.FAlerta;
    case ColunaErro:
        return a.FErro;
    case ColunaCorrecao:
        return a.FCorrecao;
    default:
        return Nenhum;
    }
}

void TModeloAlertasAndErros::OrdenarPosicoes(std::vector<int>& posicoes) const
{
    if (colunaOrdem_ < 0) {
        std::sort(posicoes.begin(), posicoes.end());
        return;
    }
    // The texts are looked up once, not at every comparison; neighbours that share one text (a
    // check's one correction) are sorted as one.
    struct Chave {
        ResumoNatural resumo;
        QStringView texto;
        std::size_t inicio;
        std::size_t fim;
    };
    std::vector<Chave> chaves;
    for (std::size_t k = 0; k < posicoes.size(); ++k) {
        const QString& texto = Texto(static_cast<std::size_t>(posicoes[k]), colunaOrdem_);
        if (!chaves.empty() && chaves.back().texto.data() == texto.constData() && chaves.back().texto.size() == texto.size())
            chaves.back().fim = k + 1;
        else
            chaves.push_back({{}, texto, k, k + 1});
    }
    // Most comparisons are decided by the summaries, beside each other in memory; the texts,
    // scattered over the heap, are read only where those are equal.
    {
        std::vector<QStringView> textos;
        textos.reserve(chaves.size());
        for (const Chave& chave : chaves)
            textos.push_back(chave.texto);
        const std::vector<ResumoNatural> resumos = ResumirNaturais(textos);
        for (std::size_t k = 0; k < chaves.size(); ++k)
            chaves[k].resumo = resumos[k];
    }
    // Stable: equal texts keep the list's order, in either direction.
    const bool crescente = ordem_ == Qt::AscendingOrder;
    const auto antes = [crescente](const Chave& x, const Chave& y) {
        int c = 0;
        if (x.resumo.inicio != y.resumo.inicio)
            c = x.resumo.inicio < y.resumo.inicio ? -1 : 1;
        else if (x.resumo.numero != y.resumo.numero)
            c = x.resumo.numero < y.resumo.numero ? -1 : 1;
        else if (x.texto.data() == y.texto.data() && x.texto.size() == y.texto.size())
            return false;
        else
            c = CompararNatural(x.texto, y.texto);
        return crescente ? c < 0 : c > 0;
    };
    // A long list is sorted in two halves at once, on a thread of its own each, then merged:
    // the comparisons wait on memory, and a second processor halves the wait.
    if (chaves.size() >= 100000 && std::thread::hardware_concurrency() > 1) {
        const auto meio = chaves.begin() + static_cast<std::ptrdiff_t>(chaves.size() / 2);
        std::thread primeira([&] { std::stable_sort(chaves.begin(), meio, antes); });
        std::stable_sort(meio, chaves.end(), antes);
        primeira.join();
        std::inplace_merge(chaves.begin(), meio, chaves.end(), antes);
    } else {
        std::stable_sort(chaves.begin(), chaves.end(), antes);
    }
    std::vector<int> ordenadas;
    ordenadas.reserve(posicoes.size());
    for (const Chave& chave : chaves)
        ordenadas.insert(ordenadas.end(), posicoes.begin() + static_cast<std::ptrdiff_t>(chave.inicio),
                         posicoes.begin() + static_cast<std::ptrdiff_t>(chave.fim));
    posicoes.swap(ordenadas);
}

std::vector<int> TModeloAlertasAndErros::TodasNaOrdem()
{
    if (ordemCompleta_.empty()) {
        ordemCompleta_.resize(static_cast<std::size_t>(Total()));
        std::iota(ordemCompleta_.begin(), ordemCompleta_.end(), 0);
        OrdenarPosicoes(ordemCompleta_);
    }
    return ordemCompleta_;
}

void TModeloAlertasAndErros::Filtrar(const QString& texto)
{
    if (!lista_ || texto == filtro_)
        return;
    const TextoProcurado procurado(texto);
    beginResetModel();
    std::vector<int> candidatas;
    bool todas = false;
    // Typing on only narrows what is shown: the rows already left out need no second look.
    if (!filtro_.isEmpty() && !procurado.Vazio() && procurado.Contem(TextoProcurado(filtro_)))
        candidatas.swap(linhas_);
    else if (colunaOrdem_ >= 0)
        candidatas = TodasNaOrdem();
    else
        todas = true;
    filtro_ = texto;
    todasNaOrdemDaLista_ = procurado.Vazio() && todas;
    if (procurado.Vazio()) {
        linhas_ = std::move(candidatas);
        endResetModel();
        return;
    }
    const std::size_t quantas = todas ? static_cast<std::size_t>(Total()) : candidatas.size();
    linhas_.clear();
    // The rows of one check share their correction: the answer for the last text seen serves
    // the next rows that share it.
    const QString* ultimo[QuantidadeDeColunas] = {};
    bool achou[QuantidadeDeColunas] = {};
    for (std::size_t k = 0; k < quantas; ++k) {
        const int posicao = todas ? static_cast<int>(k) : candidatas[k];
        bool mostrar = false;
        for (int coluna = 0; coluna < QuantidadeDeColunas && !mostrar; ++coluna) {
            const QString& valor = Texto(static_cast<std::size_t>(posicao), coluna);
            if (!ultimo[coluna] || !MesmoTexto(*ultimo[coluna], valor)) {
                ultimo[coluna] = &valor;
                achou[coluna] = procurado.EstaEm(valor);
            }
            mostrar = achou[coluna];
        }
        if (mostrar)
            linhas_.push_back(posicao);
    }
    endResetModel();
}

void TModeloAlertasAndErros::Ordenar(int coluna, std::optional<Qt::SortOrder> ordem)
{
    if (!lista_)
        return;
    beginResetModel();
    colunaOrdem_ = ordem ? coluna : -1;
    ordem_ = ordem.value_or(Qt::AscendingOrder);
    ordemCompleta_.clear();
    if (filtro_.isEmpty()) {
        todasNaOrdemDaLista_ = colunaOrdem_ < 0;
        linhas_ = todasNaOrdemDaLista_ ? std::vector<int>() : TodasNaOrdem();
    } else {
        OrdenarPosicoes(linhas_);
    }
    endResetModel();
}

TListaLogAlertasAndErros TModeloAlertasAndErros::Mostrados() const
{
    if (!lista_)
        return {};
    if (todasNaOrdemDaLista_)
        return *lista_;
    TListaLogAlertasAndErros mostrados;
    mostrados.reserve(linhas_.size());
    for (const int posicao : linhas_)
        mostrados.push_back((*lista_)[static_cast<std::size_t>(posicao)]);
    return mostrados;
}

int TModeloAlertasAndErros::rowCount(const QModelIndex& pai) const
{
    if (pai.isValid() || !lista_)
        return 0;
    return todasNaOrdemDaLista_ ? Total() : static_cast<int>(linhas_.size());
}

int TModeloAlertasAndErros::columnCount(const QModelIndex& pai) const
{
    return pai.isValid() ? 0 : QuantidadeDeColunas;
}

QVariant TModeloAlertasAndErros::data(const QModelIndex& indice, int papel) const
{
    // The tip shows the whole text of a cell too narrow for it (the adjustment number ends the
    // correction).
    if ((papel != Qt::DisplayRole && papel != Qt::ToolTipRole) || !indice.isValid() || indice.row() >= rowCount() ||
        indice.column() >= QuantidadeDeColunas)
        return {};
    const std::size_t achado =
        todasNaOrdemDaLista_ ? static_cast<std::size_t>(indice.row()) : static_cast<std::size_t>(linhas_[static_cast<std::size_t>(indice.row())]);
    return Texto(achado, indice.column());
}

QVariant TModeloAlertasAndErros::headerData(int secao, Qt::Orientation orientacao, int papel) const
{
    if (orientacao != Qt::Horizontal || (papel != Qt::DisplayRole && papel != Qt::ToolTipRole))
        return QAbstractTableModel::headerData(secao, orientacao, papel);
    static const QString titulos[QuantidadeDeColunas] = {QStringLiteral("Alerta"), QStringLiteral("Erro"),
                                                         QStringLiteral("Correção")};
    if (secao < 0 || secao >= QuantidadeDeColunas)
        return {};
    if (papel == Qt::DisplayRole)
        return titulos[secao];
    return QStringLiteral("Ordenar por %1 (Ctrl+%2); de novo, ao contrário; uma terceira vez, pela correção")
        .arg(titulos[secao])
        .arg(secao + 1);
}

} // namespace Quorvane
