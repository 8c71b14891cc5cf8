#pragma once

#include <QString>
#include <cstdint>
#include <exception>
#include <string>

namespace Quorvane {

// The general error kind: carries the Portuguese message the user reads.
class Erro : public std::exception {
public:
    explicit Erro(QString mensagem) : mensagem_(std::move(mensagem)), utf8_(mensagem_.toStdString()) {}

    const QString& Mensagem() const noexcept { return mensagem_; }
    const char* what() const noexcept override { return utf8_.c_str(); }

private:
    QString mensagem_;
    std::string utf8_;
};

// An error reported by the Firebird client; the message is the client's own text, unchanged.
// Beside it, what a program can test: Firebird's error code (the status's first, as the client
// lists them in iberror.h) and the SQLSTATE, so that a lost connection (08xxx) is told apart from a
// missing table (42S02) without reading the text.
class ErroBanco : public Erro {
public:
    explicit ErroBanco(QString mensagem, std::int64_t codigo = 0, QString sqlState = {})
        : Erro(std::move(mensagem)), codigo_(codigo), sqlState_(std::move(sqlState)) {}

    std::int64_t Codigo() const noexcept { return codigo_; }
    const QString& SqlState() const noexcept { return sqlState_; }

private:
    std::int64_t codigo_;
    QString sqlState_;
};

} // namespace Quorvane
