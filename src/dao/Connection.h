#pragma once

#include "ConexaoSql.h"
#include "Erro.h"

#include <QString>
#include <chrono>
#include <filesystem>
#include <memory>
#include <string>

namespace Quorvane {

// The connection service: opens the one database connection of the process.
class iConnection {
public:
    virtual ~iConnection() = default;
    virtual ConexaoSql* GetConexao() = 0;
    virtual QString GetCaminhoBanco() = 0;
};

// Where the configuration comes from and which client library carries the connection.
struct OpcoesConexao {
    // "Config.ini" beside the program file when empty.
    std::filesystem::path arquivoConfig;
    std::string bibliotecaCliente = ConexaoSql::BibliotecaPadrao;
    // Page buffers for the attachment (0: the database's default).
    int paginasCache = 0;
    // How long a server may take to answer before the connection is given up.
    std::chrono::seconds tempoLimiteConexao{15};
};

// The connection could not be made: the single message the user reads, and the client's own
// reason when the client gave one, on one line and without the password.
class ErroConexao : public Erro {
public:
    ErroConexao(QString mensagem, QString causa) : Erro(std::move(mensagem)), causa_(std::move(causa)) {}
    const QString& Causa() const noexcept { return causa_; }

private:
    QString causa_;
};

class TConnection final : public iConnection {
public:
    // Reads the configuration, connects and returns the service. Every failure ends as the single
    // ErroConexao "Não foi possível criar uma conexão com o banco %s", naming the CAMINHO read so far.
    static std::shared_ptr<iConnection> New(const OpcoesConexao& opcoes = {});

    ~TConnection() override;

    ConexaoSql* GetConexao() override;
    QString GetCaminhoBanco() override;

private:
    explicit TConnection(std::unique_ptr<ConexaoSql> conexao);
    std::unique_ptr<ConexaoSql> conexao_;
};

} // namespace Quorvane
