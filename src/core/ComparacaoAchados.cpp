#include "ComparacaoAchados.h"

#include <QHash>
#include <QStringView>

#include <unordered_map>

namespace Quorvane {

namespace {

// A finding's identity, as views of texts that outlive the comparison: no text is copied.
struct Identidade {
    QStringView verificacao;
    QStringView alerta;
    QStringView erro;
    QStringView correcao;

    bool operator==(const Identidade&) const = default;
};

struct HashIdentidade {
    std::size_t operator()(const Identidade& i) const noexcept
    {
        return qHashMulti(0, i.verificacao, i.alerta, i.erro, i.correcao);
    }
};

Identidade IdentidadeDe(const QString& verificacao, const TLogAlertasAndErros& achado)
{
    return {verificacao, achado.FAlerta, achado.FErro, achado.FCorrecao};
}

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

    // How many of each finding the baseline still has to match.
    std::unordered_map<Identidade, std::size_t, HashIdentidade> pendentes;
    pendentes.reserve(base.achados.size());
    for (std::size_t i = 0; i < base.achados.size(); ++i)
        if (comparada(base.origens[i]))
            ++pendentes[IdentidadeDe(base.origens[i], base.achados[i])];

    r.marcas.reserve(achados.size());
    for (std::size_t i = 0; i < achados.size(); ++i) {
        if (!comparada(origens[i])) {
            r.marcas.push_back(Comparacao::NaoComparado);
            ++r.naoComparados;
            continue;
        }
        const auto pendente = pendentes.find(IdentidadeDe(origens[i], achados[i]));
        if (pendente != pendentes.end() && pendente->second > 0) {
            --pendente->second;
            r.marcas.push_back(Comparacao::Persistente);
            ++r.persistentes;
        } else {
            r.marcas.push_back(Comparacao::Novo);
            ++r.novos;
        }
    }

    for (std::size_t i = 0; i < base.achados.size(); ++i) {
        if (!comparada(base.origens[i]))
            continue;
        std::size_t& pendente = pendentes[IdentidadeDe(base.origens[i], base.achados[i])];
        if (pendente > 0) {
            --pendente;
            r.resolvidos.push_back(base.achados[i]);
            r.origensDosResolvidos.push_back(base.origens[i]);
        }
    }
    return r;
}

} // namespace Quorvane
