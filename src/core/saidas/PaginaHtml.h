#pragma once

#include <QIODevice>
#include <QString>
#include <QStringView>

namespace Quorvane::Cli {

// Appends text as HTML text or attribute content: the markup characters as references, and the
// characters HTML forbids (controls, non-characters) as U+FFFD.
void AcrescentarEscapado(QString& destino, QStringView texto);

// A page, gathered in a buffer and written out as UTF-8 in large pieces.
class Pagina {
public:
    explicit Pagina(QIODevice& saida) : saida_(saida) { buffer_.reserve(Limite + 4096); }

    // Markup of ours, as it is.
    Pagina& operator<<(QStringView marcacao)
    {
        buffer_.append(marcacao);
        return Talvez();
    }
    // A value from the database (or any text that is not ours): always escaped.
    Pagina& Texto(QStringView texto)
    {
        AcrescentarEscapado(buffer_, texto);
        return Talvez();
    }
    // Writes out what is gathered; call it once at the end.
    void Descarregar();

private:
    static constexpr qsizetype Limite = 1 << 16;
    Pagina& Talvez()
    {
        if (buffer_.size() >= Limite)
            Descarregar();
        return *this;
    }

    QIODevice& saida_;
    QString buffer_;
};

} // namespace Quorvane::Cli
