#include "LeitorJsonEmPartes.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <algorithm>
#include <stdexcept>

namespace Quorvane {

namespace {

constexpr qint64 Bloco = 1 << 20;

bool Branco(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

} // namespace

LeitorJsonEmPartes::LeitorJsonEmPartes(QIODevice& dispositivo, Invalido invalido)
    : dispositivo_(dispositivo), invalido_(std::move(invalido))
{
}

void LeitorJsonEmPartes::Falhar(const QString& motivo)
{
    invalido_(motivo, descartados_ + pos_);
    // `invalido` throws; should it not, nothing more is read.
    throw std::logic_error("LeitorJsonEmPartes: invalido retornou");
}

bool LeitorJsonEmPartes::Encher()
{
    const QByteArray mais = dispositivo_.read(Bloco);
    if (mais.isEmpty())
        return false;
    buffer_ += mais;
    return true;
}

char LeitorJsonEmPartes::Espiar()
{
    // What was read is dropped between values, never inside one.
    if (pos_ > Bloco) {
        buffer_.remove(0, pos_);
        descartados_ += pos_;
        pos_ = 0;
    }
    for (;;) {
        const char* dados = buffer_.constData();
        while (pos_ < buffer_.size() && Branco(dados[pos_]))
            ++pos_;
        if (pos_ < buffer_.size())
            return dados[pos_];
        if (!Encher())
            return 0;
    }
}

char LeitorJsonEmPartes::Proximo()
{
    const char c = Espiar();
    if (c == 0)
        Falhar(QStringLiteral("fim inesperado do arquivo"));
    ++pos_;
    return c;
}

char LeitorJsonEmPartes::Inicio()
{
    return Espiar();
}

// The bytes of the next value, whole: a string to its closing quote, an object or array to its
// closing bracket, anything else to the next delimiter. Qt's parser checks them afterwards.
QByteArray LeitorJsonEmPartes::Bruto()
{
    if (Espiar() == 0)
        Falhar(QStringLiteral("fim inesperado do arquivo"));
    const qsizetype inicio = pos_;
    int profundidade = 0;
    bool texto = false;
    bool escape = false;
    for (;; ++pos_) {
        if (pos_ >= buffer_.size() && !Encher()) {
            if (profundidade == 0 && !texto && pos_ > inicio)
                break;
            Falhar(QStringLiteral("fim inesperado do arquivo"));
        }
        const char c = buffer_.constData()[pos_];
        if (texto) {
            if (escape)
                escape = false;
            else if (c == '\\')
                escape = true;
            else if (c == '"') {
                texto = false;
                if (profundidade == 0) {
                    ++pos_;
                    break;
                }
            }
        } else if (c == '"') {
            texto = true;
        } else if (c == '{' || c == '[') {
            ++profundidade;
        } else if (c == '}' || c == ']') {
            if (profundidade == 0)
                break;
            if (--profundidade == 0) {
                ++pos_;
                break;
            }
        } else if (profundidade == 0 && (c == ',' || c == ':' || Branco(c))) {
            break;
        }
    }
    return buffer_.mid(inicio, pos_ - inicio);
}

QJsonValue LeitorJsonEmPartes::Valor()
{
    const qint64 inicio = descartados_ + pos_;
    QByteArray bruto = Bruto();
    if (bruto.isEmpty())
        Falhar(QStringLiteral("valor esperado"));
    bruto.prepend('[').append(']');
    QJsonParseError erro;
    const QJsonDocument documento = QJsonDocument::fromJson(bruto, &erro);
    if (erro.error != QJsonParseError::NoError)
        invalido_(erro.errorString(), inicio + std::max(0, erro.offset - 1));
    return documento.array().at(0);
}

void LeitorJsonEmPartes::LerObjeto(const std::function<bool(const QString&)>& emPartes,
                                   const std::function<void(const QString&, const QJsonValue&)>& membro,
                                   const std::function<void(const QString&, qsizetype, const QJsonValue&)>& elemento)
{
    if (Proximo() != '{')
        Falhar(QStringLiteral("objeto esperado"));
    if (Espiar() == '}') {
        ++pos_;
    } else {
        for (;;) {
            if (Espiar() != '"')
                Falhar(QStringLiteral("nome de membro esperado"));
            const QString nome = Valor().toString();
            if (Proximo() != ':')
                Falhar(QStringLiteral("\":\" esperado"));
            if (Espiar() == '[' && emPartes(nome)) {
                ++pos_;
                if (Espiar() == ']') {
                    ++pos_;
                } else {
                    for (qsizetype i = 0;; ++i) {
                        elemento(nome, i, Valor());
                        const char c = Proximo();
                        if (c == ']')
                            break;
                        if (c != ',')
                            Falhar(QStringLiteral("\",\" ou \"]\" esperado"));
                    }
                }
            } else {
                membro(nome, Valor());
            }
            const char c = Proximo();
            if (c == '}')
                break;
            if (c != ',')
                Falhar(QStringLiteral("\",\" ou \"}\" esperado"));
        }
    }
    if (Espiar() != 0)
        Falhar(QStringLiteral("conteúdo depois do documento"));
}

} // namespace Quorvane
