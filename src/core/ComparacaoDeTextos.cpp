#include "ComparacaoDeTextos.h"

#include <QChar>
#include <QHash>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <memory>

namespace Quorvane {

namespace {

// Each UTF-16 code unit as its small letter without accents; built once, then one look-up per
// character: a million findings are searched within a keystroke.
const std::array<char16_t, 0x10000>& TabelaDobra()
{
    static const auto tabela = [] {
        auto t = std::make_unique<std::array<char16_t, 0x10000>>();
        for (char32_t c = 0; c < 0x10000; ++c) {
            char32_t base = c;
            // "ǖ" decomposes into "ü" and a macron, "ü" into "u" and a diaeresis.
            while (!QChar::isSurrogate(base) && QChar::decompositionTag(base) == QChar::Canonical) {
                const QString partes = QChar::decomposition(base);
                if (partes.isEmpty() || partes[0].isSurrogate())
                    break;
                base = partes[0].unicode();
            }
            base = QChar::toCaseFolded(base);
            (*t)[c] = base < 0x10000 ? static_cast<char16_t>(base) : static_cast<char16_t>(c);
        }
        return t;
    }();
    return *tabela;
}

bool Digito(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

// How many code units both texts have in common at their beginning, compared eight bytes at a time.
qsizetype IgualAte(QStringView a, QStringView b)
{
    const qsizetype n = std::min(a.size(), b.size());
    const char16_t* pa = a.utf16();
    const char16_t* pb = b.utf16();
    qsizetype i = 0;
    for (; i + 4 <= n; i += 4) {
        std::uint64_t x, y;
        std::memcpy(&x, pa + i, sizeof x);
        std::memcpy(&y, pb + i, sizeof y);
        if (x != y)
            break;
    }
    while (i < n && pa[i] == pb[i])
        ++i;
    return i;
}

} // namespace

TextoProcurado::TextoProcurado(QStringView texto)
{
    const auto& dobra = TabelaDobra();
    dobrado_.reserve(texto.size());
    for (const QChar c : texto)
        dobrado_.append(QChar(dobra[c.unicode()]));
}

bool TextoProcurado::EstaEm(QStringView texto) const
{
    const qsizetype n = dobrado_.size();
    if (n == 0)
        return true;
    const auto& dobra = TabelaDobra();
    const char16_t* agulha = reinterpret_cast<const char16_t*>(dobrado_.constData());
    const char16_t* palheiro = reinterpret_cast<const char16_t*>(texto.data());
    const char16_t primeira = agulha[0];
    for (qsizetype i = 0, ultimo = texto.size() - n; i <= ultimo; ++i) {
        if (dobra[palheiro[i]] != primeira)
            continue;
        qsizetype k = 1;
        while (k < n && dobra[palheiro[i + k]] == agulha[k])
            ++k;
        if (k == n)
            return true;
    }
    return false;
}

int CompararNatural(QStringView a, QStringView b)
{
    const auto& dobra = TabelaDobra();
    const qsizetype na = a.size(), nb = b.size();
    // Texts of one check share a long beginning ("UPDATE ACERTOS SET ... NUMERO = "): equal code
    // units compare equal either way, so that part is skipped at memory speed, back to the start
    // of the number it may end inside.
    qsizetype i = IgualAte(a, b);
    while (i > 0 && Digito(a[i - 1].unicode()))
        --i;
    qsizetype j = i;
    while (i < na && j < nb) {
        const char16_t ca = a[i].unicode(), cb = b[j].unicode();
        if (Digito(ca) && Digito(cb)) {
            // Leading zeros add nothing to the value; then the longer number is the greater.
            while (i < na && a[i] == u'0')
                ++i;
            while (j < nb && b[j] == u'0')
                ++j;
            qsizetype fa = i, fb = j;
            while (fa < na && Digito(a[fa].unicode()))
                ++fa;
            while (fb < nb && Digito(b[fb].unicode()))
                ++fb;
            if (fa - i != fb - j)
                return fa - i < fb - j ? -1 : 1;
            for (; i < fa; ++i, ++j)
                if (a[i] != b[j])
                    return a[i] < b[j] ? -1 : 1;
            continue;
        }
        const char16_t da = dobra[ca], db = dobra[cb];
        if (da != db)
            return da < db ? -1 : 1;
        ++i;
        ++j;
    }
    return (na - i > 0) - (nb - j > 0);
}

std::vector<ResumoNatural> ResumirNaturais(const std::vector<QStringView>& textos)
{
    const auto& dobra = TabelaDobra();
    std::vector<ResumoNatural> resumos(textos.size());
    // The beginnings, folded; one followed by a number ends in "0", which compares with the
    // character after the other's beginning as any digit would.
    QHash<QString, std::uint32_t> inicios;
    QString inicio;
    QString anterior;
    std::uint32_t idAnterior = 0;
    for (std::size_t i = 0; i < textos.size(); ++i) {
        const QStringView texto = textos[i];
        inicio.clear();
        qsizetype k = 0;
        while (k < texto.size() && !Digito(texto[k].unicode()))
            inicio.append(QChar(dobra[texto[k++].unicode()]));
        std::uint64_t numero = 0;
        if (k < texto.size()) {
            inicio.append(u'0');
            while (k < texto.size() && texto[k] == u'0')
                ++k;
            int algarismos = 0;
            for (; k < texto.size() && Digito(texto[k].unicode()); ++k, ++algarismos)
                numero = numero * 10 + static_cast<std::uint64_t>(texto[k].unicode() - u'0');
            // Longer than any value that fits: greater than them all, and left to the texts.
            if (algarismos > 19)
                numero = UINT64_MAX;
        }
        if (i == 0 || inicio != anterior) {
            const auto achado = inicios.constFind(inicio);
            idAnterior = achado != inicios.cend() ? *achado : *inicios.insert(inicio, static_cast<std::uint32_t>(inicios.size()));
            anterior = inicio;
        }
        resumos[i] = {idAnterior, numero};
    }
    // Beginnings hold no digit but the final mark: code unit order is the natural one.
    std::vector<std::pair<QString, std::uint32_t>> ordem;
    for (auto it = inicios.cbegin(); it != inicios.cend(); ++it)
        ordem.emplace_back(it.key(), it.value());
    std::sort(ordem.begin(), ordem.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<std::uint32_t> lugar(ordem.size());
    for (std::size_t r = 0; r < ordem.size(); ++r)
        lugar[ordem[r].second] = static_cast<std::uint32_t>(r);
    for (ResumoNatural& resumo : resumos)
        resumo.inicio = lugar[resumo.inicio];
    return resumos;
}

} // namespace Quorvane
