#include "OrdemDosAchados.h"

#include <QStringList>

#include <gtest/gtest.h>

using namespace Quorvane;

namespace {

TLogAlertasAndErros Achado(const QString& texto, const QString& correcao)
{
    return {texto, correcao, nullptr, QString()};
}

QStringList Textos(const TListaLogAlertasAndErros& achados)
{
    QStringList textos;
    for (const auto& a : achados)
        textos << a.FErro;
    return textos;
}

} // namespace

TEST(OrdemDosAchados, PelaCorrecaoCodigoACodigoEEstavel)
{
    const QString update = QStringLiteral("UPDATE ACERTOS SET CONSIDERA_PRECO_INFORMADO = 'N' WHERE NUMERO = ");
    const QString carga = QStringLiteral("Carga inicial deste produto");
    TListaLogAlertasAndErros achados = {
        Achado(QStringLiteral("u9"), update + QStringLiteral("9;")),
        Achado(QStringLiteral("c1"), carga),
        Achado(QStringLiteral("u10"), update + QStringLiteral("10;")),
        Achado(QStringLiteral("cfop"), QStringLiteral("CFOP não pode")),
        Achado(QStringLiteral("c2"), carga),
        Achado(QStringLiteral("u1"), update + QStringLiteral("1;")),
        Achado(QStringLiteral("analisar"), QStringLiteral("Analisar os documentos")),
        Achado(QStringLiteral("c3"), QString(carga)), // equal text, not shared data
        Achado(QStringLiteral("minusc"), QStringLiteral("analisar")),
        Achado(QStringLiteral("acento"), QStringLiteral("Ábaco")),
        Achado(QStringLiteral("bmp"), QStringLiteral("\uFFFD")),
        Achado(QStringLiteral("astral"), QStringLiteral("\U0001D11E")), // a surrogate pair: D834 DD1E
    };
    OrdenarPorCorrecao(achados);
    // Capitals before small letters, "F" before "a", accents after ASCII; ";" after every digit.
    // Code units, not code points: the surrogate D834 sorts before U+FFFD.
    EXPECT_EQ(Textos(achados), QStringList({"analisar", "cfop", "c1", "c2", "c3", "u10", "u1", "u9", "minusc", "acento", "astral", "bmp"}));
}

TEST(OrdemDosAchados, OrdemComoPosicoesParaDadosAoLado)
{
    const TListaLogAlertasAndErros achados = {Achado("b", "B"), Achado("a", "A"), Achado("b2", "B")};
    EXPECT_EQ(OrdemPorCorrecao(achados), (std::vector<std::size_t>{1, 0, 2}));
    TListaLogAlertasAndErros vazia;
    OrdenarPorCorrecao(vazia);
    EXPECT_TRUE(vazia.empty());
}
