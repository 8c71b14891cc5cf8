#pragma once

#include "Erro.h"

#include <QString>
#include <filesystem>

namespace Quorvane {

// What Config.ini's [BANCO] says, as read.
struct ConfiguracaoBanco {
    QString caminho; // CAMINHO, never empty
    QString motor;   // MOTOR, empty when absent
};

// A Config.ini that cannot be used: the message of its kind ("Arquivo %s de configuração não
// encontrado.", "Caminho do banco de dados dentro arquivo %s inválido") and, beside it, the reason
// naming the file and what is wrong with it.
class ErroConfiguracao : public Erro {
public:
    ErroConfiguracao(QString mensagem, QString causa) : Erro(std::move(mensagem)), causa_(std::move(causa)) {}
    const QString& Causa() const noexcept { return causa_; }

private:
    QString causa_;
};

// Reads section BANCO of `arquivo` (known to the user as `nome`) by the rules of LerValorIni;
// throws ErroConfiguracao when it gives no CAMINHO. Never blocks on a FIFO or a device.
ConfiguracaoBanco LerConfiguracaoBanco(const std::filesystem::path& arquivo, const QString& nome);

// The reason for a MOTOR that is neither servidor nor embutido.
QString CausaDoMotorInvalido(const std::filesystem::path& arquivo, const QString& motor);

} // namespace Quorvane
