#include "ComparacaoDeTextos.h"
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

// The summaries a long sort compares first never contradict the texts' own order.
TEST(OrdemDosAchados, ResumosNaturaisConcordamComOsTextos)
{
    const std::vector<QString> textos = {
        QStringLiteral("ab"), QStringLiteral("ab1"), QStringLiteral("ab "), QStringLiteral("abc"), QStringLiteral("ab/"),
        QStringLiteral("ab:"), QStringLiteral("x00012"), QStringLiteral("x12 b"), QStringLiteral("x9"), QStringLiteral("X10"),
        QStringLiteral("Ação 2"), QStringLiteral("acao 10"), QStringLiteral("n 123456789012345678901"),
        QStringLiteral("n 99999999999999999999"), QStringLiteral("n 18446744073709551615"), QString(), QStringLiteral("7")};
    std::vector<QStringView> vistas(textos.begin(), textos.end());
    const std::vector<ResumoNatural> resumos = ResumirNaturais(vistas);
    for (std::size_t i = 0; i < textos.size(); ++i)
        for (std::size_t j = 0; j < textos.size(); ++j) {
            const auto a = std::make_pair(resumos[i].inicio, resumos[i].numero);
            const auto b = std::make_pair(resumos[j].inicio, resumos[j].numero);
            if (a < b) {
                EXPECT_LT(CompararNatural(textos[i], textos[j]), 0) << textos[i].toStdString() << " / " << textos[j].toStdString();
            }
        }
    EXPECT_LT(CompararNatural(u"Numero: 9984", u"Numero: 99848"), 0);
    EXPECT_LT(CompararNatural(u"Numero: 99848", u"numero: 99856"), 0);
}
