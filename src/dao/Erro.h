#pragma once

#include <QString>
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
class ErroBanco : public Erro {
public:
    using Erro::Erro;
};

} // namespace Quorvane
