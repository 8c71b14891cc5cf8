#include "LocaisDeTeste.h"
#include "DataLocal.h"
#include "FormatacaoValores.h"

#include <gtest/gtest.h>

using namespace Quorvane;
using Quorvane::Testes::FormatoEnUs;
using Quorvane::Testes::FormatoPtBr;

namespace {

const QDate Hoje(2026, 12, 8);

std::optional<QDate> LerBr(const char* texto)
{
    return LerDataLocal(QString::fromUtf8(texto), FormatoPtBr(), Hoje);
}

} // namespace

TEST(DataLocal, OrdemDoFormatoDoLocal)
{
    EXPECT_EQ(LerBr("01/03/2023"), QDate(2023, 3, 1));
    EXPECT_EQ(LerDataLocal(QStringLiteral("3/1/2023"), FormatoEnUs(), Hoje), QDate(2023, 3, 1));
    auto ymd = FormatoPtBr();
    ymd.formatoDataCurta = QStringLiteral("yyyy-MM-dd");
    ymd.separadorData = u'-';
    EXPECT_EQ(LerDataLocal(QStringLiteral("2023-03-01"), ymd, Hoje), QDate(2023, 3, 1));
    EXPECT_EQ(LerDataLocal(QStringLiteral("03-01"), ymd, Hoje), QDate(2026, 3, 1));
}

TEST(DataLocal, DoisNumerosSaoDoAnoCorrente)
{
    EXPECT_EQ(LerBr("01/03"), QDate(2026, 3, 1));
    EXPECT_EQ(LerDataLocal(QStringLiteral("3/1"), FormatoEnUs(), Hoje), QDate(2026, 3, 1));
}

TEST(DataLocal, AnoDeDoisDigitosNaJanelaDeCemAnos)
{
    // The window begins 50 years before 2026: 1976 to 2075.
    EXPECT_EQ(LerBr("01/03/23"), QDate(2023, 3, 1));
    EXPECT_EQ(LerBr("01/03/75"), QDate(2075, 3, 1));
    EXPECT_EQ(LerBr("01/03/76"), QDate(1976, 3, 1));
    EXPECT_EQ(LerBr("01/03/5"), QDate(2005, 3, 1));
    EXPECT_EQ(LerBr("01/03/023"), QDate(23, 3, 1));
}

TEST(DataLocal, BrancosSeparadorFinalETextoDepois)
{
    EXPECT_EQ(LerBr("  01 / 03 / 2023"), QDate(2023, 3, 1));
    EXPECT_EQ(LerBr("01/03/2023/  "), QDate(2023, 3, 1));
    EXPECT_EQ(LerBr("01/03/"), QDate(2026, 3, 1));
    EXPECT_EQ(LerBr("01/03/2023 10:30"), QDate(2023, 3, 1));
    EXPECT_EQ(LerBr("01/03/2023xyz"), QDate(2023, 3, 1));
}

TEST(DataLocal, TextoQueNaoEhData)
{
    EXPECT_EQ(LerBr(""), std::nullopt);
    EXPECT_EQ(LerBr("abc"), std::nullopt);
    EXPECT_EQ(LerBr("2023"), std::nullopt);
    EXPECT_EQ(LerBr("31/02/2023"), std::nullopt);
    EXPECT_EQ(LerBr("29/02/2023"), std::nullopt);
    EXPECT_EQ(LerBr("29/02/2024"), QDate(2024, 2, 29));
    EXPECT_EQ(LerBr("01/13/2023"), std::nullopt);
    EXPECT_EQ(LerBr("00/01/2023"), std::nullopt);
    EXPECT_EQ(LerBr("01-03-2023"), std::nullopt);
    EXPECT_EQ(LerBr("01/03/20230"), std::nullopt);
    EXPECT_EQ(LerBr("99999999999/03/2023"), std::nullopt);
    EXPECT_EQ(LerDataLocal(QStringLiteral("01/03/2023"), FormatoLocal::De(QLocale(QLocale::German, QLocale::Germany)), Hoje),
              std::nullopt);
}

TEST(DataLocal, DataDeCargaLidaEEscritaNaMesmaOrdemQueOsAchados)
{
    // The caption, the findings' dates and the SQL filter name one day in every locale.
    const QDate dia(2023, 3, 1);
    const std::pair<FormatoLocal, const char*> locais[] = {
        {FormatoPtBr(), "01/03/2023"},
        {FormatoEnUs(), "03/01/2023"},
        {FormatoLocal::De(QLocale(QLocale::Swedish, QLocale::Sweden)), "2023-03-01"},
    };
    for (const auto& [formato, legenda] : locais) {
        EXPECT_EQ(FormatarDataCarga(dia, formato), QString::fromUtf8(legenda));
        EXPECT_EQ(LerDataLocal(FormatarDataCarga(dia, formato), formato, Hoje), dia) << legenda;
        EXPECT_EQ(LerDataLocal(FormatarData(dia, formato), formato, Hoje), dia) << legenda;
    }
    EXPECT_EQ(FormatarDataFiltro(dia), QStringLiteral("01.03.2023"));
}
