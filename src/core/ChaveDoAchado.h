#pragma once

#include "LogAlertasAndErros.h"

#include <QCryptographicHash>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace Quorvane {

// A finding's identity, compact: the first 64 bits of the SHA-256 of its check's name and its
// values in the canonical form (FormatoLocal::Canonico), so that one finding has one key whatever
// the locale it was formatted in. The same on every machine and in every version.
class ChaveDoAchado {
public:
    std::uint64_t DosValores(const QString& verificacao, const std::vector<QString>& valores);
    // For a finding recorded without a key (a baseline of an earlier version): its texts, as
    // they were compared then.
    std::uint64_t DosTextos(const QString& verificacao, const TLogAlertasAndErros& achado);

private:
    void Juntar(const QString& valor);
    std::uint64_t Resultado();

    QCryptographicHash hash_{QCryptographicHash::Sha256};
};

// As the JSON writes it: 16 lower-case hexadecimal digits.
QString ChaveEmTexto(std::uint64_t chave);
std::optional<std::uint64_t> LerChave(const QString& texto);

} // namespace Quorvane
