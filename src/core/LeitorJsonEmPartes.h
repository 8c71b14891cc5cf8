#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QJsonValue>
#include <QString>

#include <functional>

namespace Quorvane {

// Reads one JSON object member by member, and the elements of an array member one by one, so that
// a document of a million findings never has to be in memory whole. Each value handed out is
// checked by Qt's own parser. Failures throw Erro through `invalido`, with the reason and the
// byte position.
class LeitorJsonEmPartes {
public:
    using Invalido = std::function<void(const QString& motivo, qint64 posicao)>;

    LeitorJsonEmPartes(QIODevice& dispositivo, Invalido invalido);

    // The document's members in order: `membro` gets each name and value; an array's elements go
    // to `elemento` instead, one at a time (with the member's name and their index), when it takes
    // that member (`emPartes` says so). Ends at the document's end; anything after it is invalid.
    void LerObjeto(const std::function<bool(const QString& nome)>& emPartes,
                   const std::function<void(const QString& nome, const QJsonValue& valor)>& membro,
                   const std::function<void(const QString& nome, qsizetype indice, const QJsonValue& valor)>& elemento);

    // The first character of the document, blanks skipped (0 for an empty one).
    char Inicio();

private:
    char Espiar();
    char Proximo();
    QByteArray Bruto();
    QJsonValue Valor();
    bool Encher();
    [[noreturn]] void Falhar(const QString& motivo);

    QIODevice& dispositivo_;
    Invalido invalido_;
    QByteArray buffer_;
    qsizetype pos_ = 0;
    qint64 descartados_ = 0; // bytes before buffer_'s first
};

} // namespace Quorvane
