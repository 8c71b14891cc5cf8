#include "ArquivoDoBancoAberto.h"

#include "CaminhoDoBanco.h"
#include "ConexaoSql.h"
#include "ConsultaSql.h"

namespace Quorvane {

QString ArquivoDoBancoAberto(ConexaoSql& conexao)
{
    const QString caminho = conexao.Parametro(QStringLiteral("Database"));
    const bool aqui = conexao.MotorEmUso() == Motor::Embutido || EhCaminhoLocal(caminho) ||
                      EhEstaMaquina(ServidorDoCaminho(caminho), true);
    if (!aqui)
        return {};
    ConsultaSql consulta(&conexao);
    consulta.AdicionarLinha(QStringLiteral("SELECT MON$DATABASE_NAME FROM MON$DATABASE"));
    consulta.Abrir();
    return consulta.Eof() ? QString() : consulta.Texto(0).trimmed();
}

} // namespace Quorvane
