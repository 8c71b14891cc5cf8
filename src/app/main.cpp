#include "Analises.h"
#include "ClienteFirebird.h"
#include "Erro.h"
#include "Interfaces.h"
#include "TelaProvisoria.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>
#include <optional>

using namespace Quorvane;

int main(int argc, char* argv[])
{
    // The connection comes first: without it no window of the program opens.
    std::optional<EscopoConexao> conexao;
    try {
        conexao.emplace();
    } catch (const Erro& e) {
        std::fprintf(stderr, "%s\n", e.what());
        QApplication app(argc, argv);
        QMessageBox::critical(nullptr, QStringLiteral("Quorvane"), e.Mensagem());
        return 1;
    }

    QApplication app(argc, argv);
    QString data;
    try {
        auto analises = TAnalises::New();
        data = analises->GetDataCargaInicial();
    } catch (const Erro& e) {
        QMessageBox::critical(nullptr, QStringLiteral("Quorvane"), e.Mensagem());
    }
    TelaProvisoria tela(Conexao->GetCaminhoBanco(), data);
    tela.show();
    const int resultado = app.exec();
    conexao.reset();
    EncerrarClientesFirebird();
    return resultado;
}
