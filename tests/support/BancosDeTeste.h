#pragma once

#include "ArquivosDeTeste.h"
#include "FormatoLocal.h"
#include "LocaisDeTeste.h"
#include "Interfaces.h"

#include <QString>

#include <cstdint>

class QProcess;
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace Quorvane::Testes {

std::filesystem::path RaizDoProjeto();

// Creates a database with the embedded engine from scripts of the project (paths relative to its
// root), run in order with @DATABASE@ replaced by the database's path.
void CriarBanco(const std::vector<std::string>& scripts, const std::filesystem::path& banco);

// Puts a database in read-only mode: a run that succeeds on it has written nothing.
void TornarSomenteLeitura(const std::filesystem::path& banco);

// Another program holding a file with an exclusive lock (as a Firebird server or engine holds the
// databases it opens), from creation to destruction.
class TravaDeOutroProcesso {
public:
    explicit TravaDeOutroProcesso(const std::filesystem::path& arquivo);
    ~TravaDeOutroProcesso();
    TravaDeOutroProcesso(const TravaDeOutroProcesso&) = delete;
    TravaDeOutroProcesso& operator=(const TravaDeOutroProcesso&) = delete;

private:
    std::unique_ptr<QProcess> processo_;
};

// A Config.ini naming the database; a local path with MOTOR=embutido.
void EscreverConfig(const std::filesystem::path& arquivo, const QString& caminhoBanco);

// The private Firebird server started by scripts/test ("127.0.0.1/port"), if any.
std::optional<std::string> ServidorDeTeste();
// Its port; throws when there is no test server or its address names no port.
std::uint16_t PortaDoServidorDeTeste();
// Skips the calling test when no test server runs.
#define QUORVANE_EXIGE_SERVIDOR()                                                                    \
    do {                                                                                             \
        if (!::Quorvane::Testes::ServidorDeTeste())                                                  \
            GTEST_SKIP() << "Sem servidor de teste (QUORVANE_SERVIDOR_TESTE); scripts/test o inicia"; \
    } while (0)

// Servers of any Firebird version named in QUORVANE_SERVIDORES ("127.0.0.1/porta" separated by
// blanks), whose files this machine need not see: their databases are made through them.
std::vector<std::string> ServidoresDeTodasAsVersoes();

// A database made from scripts by a server, in its own files and on-disk structure, and dropped
// through it at the end.
class BancoNoServidor {
public:
    BancoNoServidor(const std::string& servidor, const std::vector<std::string>& scripts);
    ~BancoNoServidor();
    BancoNoServidor(const BancoNoServidor&) = delete;
    BancoNoServidor& operator=(const BancoNoServidor&) = delete;
    // CAMINHO reaching it: "servidor:/caminho".
    const QString& Caminho() const { return caminho_; }
    // The server's Firebird version: 3, 4...
    int VersaoDoServidor() const;

private:
    QString caminho_;
};

// Conexao to one database for the life of the holder, through a Config.ini in a temporary folder.
class ConexaoDeTeste {
public:
    explicit ConexaoDeTeste(const QString& caminhoBanco);

private:
    PastaTemporaria pasta_;
    EscopoConexao escopo_;
};

// The path to give CAMINHO for a database: itself (embedded) or through the test server.
QString CaminhoPeloServidor(const std::filesystem::path& banco);

// Makes in `pasta` a copy of the "endless-check" fixture and a Config.ini reaching it through
// 127.0.0.1 on `porta` (a relay in front of the test server); returns the Config.ini.
std::filesystem::path ConfigSemFim(const std::filesystem::path& pasta, std::uint16_t porta);

struct AchadoEsperado {
    QString verificacao;
    QString tipo; // "Alerta" or "Erro"
    QString texto;
    QString correcao;
};

// Reads an expected-findings file: check, kind, text, correction, tab-separated, UTF-8.
std::vector<AchadoEsperado> LerAchadosEsperados(const std::string& arquivoRelativo);

} // namespace Quorvane::Testes
