#pragma once

#include <cstddef>
#include <cstdint>

// Firebird's mapping of each table-driven character set to Unicode, as generated data
// (scripts/gerar-conjuntos writes TabelasConjuntos.cpp).
namespace Quorvane::TabelasConjuntos {

// Key of a code: the byte for a single byte, lead << 8 | trail for two, and for GB18030's four
// bytes 0x10000 plus the code's place in their order.
constexpr std::uint32_t PrimeiraChaveDe4Bytes = 0x10000;

// Consecutive keys with their characters: `valor` with the high bit set is the first key's code
// point, the others following it; otherwise it is where their characters begin in Caracteres.
struct Trecho {
    std::uint32_t chave;
    std::uint32_t quantos;
    std::uint32_t valor;
};
constexpr std::uint32_t TrechoLinear = 0x80000000;

// One set's runs, in order of key: Trechos[primeiro .. primeiro + quantos).
struct Tabela {
    unsigned id;
    std::uint32_t primeiro;
    std::uint32_t quantos;
};

extern const char16_t Caracteres[];
extern const Trecho Trechos[];
extern const Tabela Tabelas[];
extern const std::size_t QuantasTabelas;

} // namespace Quorvane::TabelasConjuntos
