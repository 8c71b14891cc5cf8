#pragma once

#include <QString>
#include <QStringView>

#include <cstdint>
#include <vector>

namespace Quorvane {

// What a person typing into a find field means: no difference between capitals and small
// letters, nor between a letter with an accent and without ("acao" finds "Ação").
class TextoProcurado {
public:
    explicit TextoProcurado(QStringView texto);

    bool Vazio() const { return dobrado_.isEmpty(); }
    bool EstaEm(QStringView texto) const;
    // Every text that holds this one also holds `outro` (typing on narrows the findings).
    bool Contem(const TextoProcurado& outro) const { return dobrado_.contains(outro.dobrado_); }

private:
    QString dobrado_;
};

// The order a person expects of texts with numbers in them: the digits compared by value
// ("9984" before "99848" before "99856"), the letters as TextoProcurado sees them. Negative,
// zero or positive as strcmp.
int CompararNatural(QStringView a, QStringView b);

// Two numbers that order a text among others as CompararNatural does wherever they differ, so
// that a sort of many texts seldom reads the texts themselves: the place of the text's beginning
// up to its first number among all the texts' beginnings, and that number's value.
struct ResumoNatural {
    std::uint32_t inicio = 0;
    std::uint64_t numero = 0;
};
std::vector<ResumoNatural> ResumirNaturais(const std::vector<QStringView>& textos);

} // namespace Quorvane
