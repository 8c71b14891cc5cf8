#include "ComparacaoAchados.h"

#include "ChaveDoAchado.h"

#include <algorithm>

namespace Quorvane {

namespace {

// The baseline's keys not matched yet: each key once per finding, sorted, with a mark once matched.
class Pendentes {
public:
    explicit Pendentes(const std::vector<std::uint64_t>& chaves) : chaves_(chaves), usadas_(chaves.size(), false) {}

    // Matches one finding of this key, if one is left.
    bool Tomar(std::uint64_t chave)
    {
        const auto [inicio, fim] = std::equal_range(chaves_.begin(), chaves_.end(), chave);
        // Taken in order, a key's used findings are the first of its run: its first free one is
        // found by halving, however many findings share the key.
        const auto livre = std::partition_point(inicio, fim, [&](const std::uint64_t& c) { return Usada(&c); });
        if (livre == fim)
            return false;
        usadas_[Indice(&*livre)] = true;
        ++quantasUsadas_;
        return true;
    }
    bool Restam() const { return quantasUsadas_ < chaves_.size(); }

private:
    std::size_t Indice(const std::uint64_t* c) const { return static_cast<std::size_t>(c - chaves_.data()); }
    bool Usada(const std::uint64_t* c) const { return usadas_[Indice(c)]; }

    const std::vector<std::uint64_t>& chaves_;
    std::vector<bool> usadas_;
    std::size_t quantasUsadas_ = 0;
};

} // namespace

QString NomeDaComparacao(Comparacao comparacao)
{
    switch (comparacao) {
    case Comparacao::Novo:
        return QStringLiteral("novo");
    case Comparacao::Persistente:
        return QStringLiteral("persistente");
    case Comparacao::NaoComparado:
        return QStringLiteral("naoComparado");
    case Comparacao::Resolvido:
        return QStringLiteral("resolvido");
    }
    return {};
}

ResultadoComparacao Comparar(const LinhaDeBase& base, const TListaLogAlertasAndErros& achados,
                             const std::vector<QString>& origens, const QStringList& verificacoes,
                             const QSet<QString>& executadas)
{
    ResultadoComparacao r;
    r.arquivo = base.arquivo;
    r.banco = base.banco;
    const auto comparada = [&](const QString& verificacao) {
        return executadas.contains(verificacao) && base.executadas.contains(verificacao);
    };
    for (const QStringList& lista : {verificacoes, base.verificacoes})
        for (const QString& nome : lista)
            if (!comparada(nome) && !r.verificacoesNaoComparadas.contains(nome))
                r.verificacoesNaoComparadas << nome;

    // The run's findings take the baseline's they match; the baseline's left over are resolved.
    Pendentes pendentes(base.chaves);
    ChaveDoAchado chave;
    r.marcas.reserve(achados.size());
    for (std::size_t i = 0; i < achados.size(); ++i) {
        if (!comparada(origens[i])) {
            r.marcas.push_back(Comparacao::NaoComparado);
            ++r.naoComparados;
        } else if (pendentes.Tomar(base.porTexto ? chave.DosTextos(origens[i], achados[i]) : achados[i].FChave)) {
            r.marcas.push_back(Comparacao::Persistente);
            ++r.persistentes;
        } else {
            r.marcas.push_back(Comparacao::Novo);
            ++r.novos;
        }
    }

    // Every finding of the baseline matched: none resolved, and no need to read it again.
    if (!pendentes.Restam())
        return r;
    ParaCadaAchadoDaLinhaDeBase(base, [&](const QString& verificacao, TLogAlertasAndErros&& achado) {
        if (!comparada(verificacao) || !pendentes.Tomar(achado.FChave))
            return;
        // The baseline is in the log window's order: a correction, and a check, mostly repeat the
        // previous finding's, and then share its text rather than hold a copy.
        if (!r.resolvidos.empty() && r.resolvidos.back().FCorrecao == achado.FCorrecao)
            achado.FCorrecao = r.resolvidos.back().FCorrecao;
        r.origensDosResolvidos.push_back(!r.origensDosResolvidos.empty() && r.origensDosResolvidos.back() == verificacao
                                             ? r.origensDosResolvidos.back()
                                             : verificacao);
        r.resolvidos.push_back(std::move(achado));
    });
    return r;
}

} // namespace Quorvane
