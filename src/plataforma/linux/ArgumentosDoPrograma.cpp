#include "ArgumentosDoPrograma.h"

#include <cstring>
#include <string>

namespace Quorvane {

namespace {

constexpr char16_t BaseDosBytes = 0xDC00;

// The length of the valid UTF-8 sequence at `p` (1 to 4), 0 when there is none.
int Sequencia(const unsigned char* p, std::size_t resta)
{
    const unsigned char c = p[0];
    int n = c < 0x80 ? 1 : (c >= 0xC2 && c <= 0xDF) ? 2 : (c >= 0xE0 && c <= 0xEF) ? 3 : (c >= 0xF0 && c <= 0xF4) ? 4 : 0;
    if (n == 0 || static_cast<std::size_t>(n) > resta)
        return 0;
    for (int i = 1; i < n; ++i)
        if ((p[i] & 0xC0) != 0x80)
            return 0;
    // Overlong forms, surrogates and code points past U+10FFFF.
    if ((c == 0xE0 && p[1] < 0xA0) || (c == 0xED && p[1] >= 0xA0) || (c == 0xF0 && p[1] < 0x90) || (c == 0xF4 && p[1] >= 0x90))
        return 0;
    return n;
}

QString TextoDoArgumento(const char* argumento)
{
    const auto* p = reinterpret_cast<const unsigned char*>(argumento);
    const std::size_t tamanho = std::strlen(argumento);
    QString texto;
    for (std::size_t i = 0; i < tamanho;) {
        const int n = Sequencia(p + i, tamanho - i);
        if (n == 0) {
            texto += QChar(static_cast<char16_t>(BaseDosBytes + p[i]));
            ++i;
        } else {
            texto += QString::fromUtf8(reinterpret_cast<const char*>(p + i), n);
            i += static_cast<std::size_t>(n);
        }
    }
    return texto;
}

} // namespace

QStringList ArgumentosDoPrograma(int argc, char* argv[])
{
    QStringList argumentos;
    for (int i = 1; i < argc; ++i)
        argumentos << TextoDoArgumento(argv[i]);
    return argumentos;
}

std::filesystem::path CaminhoDoArgumento(const QString& argumento)
{
    std::string bytes;
    qsizetype inicio = 0;
    const auto copiarAte = [&](qsizetype fim) {
        bytes += QStringView(argumento).mid(inicio, fim - inicio).toUtf8().toStdString();
    };
    for (qsizetype i = 0; i < argumento.size(); ++i) {
        const char16_t c = argumento[i].unicode();
        const bool depoisDeAlto = i > 0 && argumento[i - 1].isHighSurrogate();
        if (c >= BaseDosBytes + 0x80 && c <= BaseDosBytes + 0xFF && !depoisDeAlto) {
            copiarAte(i);
            bytes += static_cast<char>(c - BaseDosBytes);
            inicio = i + 1;
        }
    }
    copiarAte(argumento.size());
    return std::filesystem::path(bytes);
}

} // namespace Quorvane
