#pragma once

#include <QString>
#include <filesystem>
#include <optional>

namespace Quorvane {

// Reads one value of an INI file by the rules of the Windows profile reader the configuration
// was written for: section and key names match in any letter case; the first matching section
// and key win; blanks around the value and one pair of enclosing single or double quotes are
// dropped; at most 2,047 characters are kept. A UTF-8 or UTF-16 byte-order mark is honoured;
// other files are read as UTF-8 when they are valid UTF-8, and as WIN1252 otherwise.
// A missing or unreadable file, or anything that is not a regular file, reads as empty.
QString LerValorIni(const std::filesystem::path& arquivo, const QString& secao, const QString& chave);

// The same rules over text already in memory.
QString LerValorIniDeTexto(const QString& texto, const QString& secao, const QString& chave);

// The same, telling a missing section and a missing key apart from an empty value.
struct ValorIni {
    bool secao = false;           // the section is there
    std::optional<QString> valor; // the key is there (in the first section of that name)
};
ValorIni ProcurarValorIni(const QString& texto, const QString& secao, const QString& chave);

// Decodes the bytes of an INI file by the rules above.
QString DecodificarArquivoIni(const QByteArray& bytes);

} // namespace Quorvane
