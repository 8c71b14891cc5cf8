#include "BancosDeTeste.h"
#include "ConexaoSql.h"
#include "DataLocal.h"
#include "FormatacaoValores.h"

#include <gtest/gtest.h>

#include <limits>

using namespace Quorvane;
using namespace Quorvane::Testes;

TEST(FormatoLocal, DadosDoQtParaPtBrEEnUs)
{
    const FormatoLocal br = FormatoPtBr();
    EXPECT_EQ(br.formatoDataCurta, QStringLiteral("dd/MM/yyyy"));
    EXPECT_EQ(br.separadorData, u'/');
    EXPECT_EQ(br.formatoHoraLonga, QStringLiteral("HH:mm:ss"));
    EXPECT_EQ(br.separadorDecimal, u',');
    EXPECT_EQ(br.separadorMilhar, u'.');
    const FormatoLocal us = FormatoEnUs();
    EXPECT_EQ(us.formatoDataCurta, QStringLiteral("M/d/yy"));
    // Qt 6.4's data (Debian 12), or CLDR 42's in later Qt (Debian 13): the zone's "t" dropped from both.
    EXPECT_TRUE(us.formatoHoraLonga == QStringLiteral("h:mm:ss AP") || us.formatoHoraLonga == QStringLiteral("h:mm:ss\u202FAp")) << us.formatoHoraLonga.toStdString();
    EXPECT_EQ(us.separadorDecimal, u'.');
    EXPECT_EQ(us.separadorMilhar, u',');
    EXPECT_EQ(FormatoLocal::De(QLocale(QLocale::German, QLocale::Germany)).separadorData, u'.');
}

TEST(FormatacaoValores, DinheiroArredondaMetadeLongeDoZero)
{
    const FormatoLocal br = FormatoPtBr();
    EXPECT_EQ(FormatarDinheiro(0.125, br), QStringLiteral("0,13"));
    EXPECT_EQ(FormatarDinheiro(-0.125, br), QStringLiteral("-0,13"));
    EXPECT_EQ(FormatarDinheiro(-0.001, br), QStringLiteral("0,00"));
    EXPECT_EQ(FormatarDinheiro(-0.005, br), QStringLiteral("-0,01"));
    EXPECT_EQ(FormatarDinheiro(0.0, br), QStringLiteral("0,00"));
    EXPECT_EQ(FormatarDinheiro(-0.0, br), QStringLiteral("0,00"));
    EXPECT_EQ(FormatarDinheiro(0.994, br), QStringLiteral("0,99"));
    // The double nearest 0.995 is 0.99499999999999999556: to 15 digits it is 0.995, as a
    // quantity shows it and as a NUMERIC column holding it rounds.
    EXPECT_EQ(FormatarDinheiro(0.995, br), QStringLiteral("1,00"));
    EXPECT_EQ(FormatarDinheiro(2.675, br), QStringLiteral("2,68"));
    EXPECT_EQ(FormatarDinheiro(999.995, br), QStringLiteral("1.000,00"));
    // Beyond 1e20 too: 15 digits, then zeros, never the binary value's noise.
    EXPECT_EQ(FormatarDinheiro(1e25, br), QStringLiteral("10.000.000.000.000.000.000.000.000,00"));
    EXPECT_EQ(FormatarDinheiro(-1.2345678901234567e21, br), QStringLiteral("-1.234.567.890.123.460.000.000,00"));
    EXPECT_EQ(FormatarDinheiro(1234567.891, br), QStringLiteral("1.234.567,89"));
    EXPECT_EQ(FormatarDinheiro(-1234.5, br), QStringLiteral("-1.234,50"));
    EXPECT_EQ(FormatarDinheiro(123456789012.0, br), QStringLiteral("123.456.789.012,00"));
    EXPECT_EQ(FormatarDinheiro(1e-300, br), QStringLiteral("0,00"));
    EXPECT_EQ(FormatarDinheiro(std::numeric_limits<double>::infinity(), br), QStringLiteral("INF"));
    EXPECT_EQ(FormatarDinheiro(1234567.891, FormatoEnUs()), QStringLiteral("1,234,567.89"));
}

TEST(FormatacaoValores, DinheiroDeColunaDecimalPeloValorExato)
{
    const FormatoLocal br = FormatoPtBr();
    EXPECT_EQ(FormatarDinheiroDecimal(1250, -4, br), QStringLiteral("0,13"));
    EXPECT_EQ(FormatarDinheiroDecimal(26750, -4, br), QStringLiteral("2,68"));
    EXPECT_EQ(FormatarDinheiroDecimal(-50, -4, br), QStringLiteral("-0,01"));
    EXPECT_EQ(FormatarDinheiroDecimal(-49, -4, br), QStringLiteral("0,00"));
    EXPECT_EQ(FormatarDinheiroDecimal(123456789012345678, -4, br), QStringLiteral("12.345.678.901.234,57"));
    EXPECT_EQ(FormatarDinheiroDecimal(std::numeric_limits<std::int64_t>::min(), 0, br),
              QStringLiteral("-9.223.372.036.854.775.808,00"));
    EXPECT_EQ(FormatarDinheiroDecimal(42, 0, br), QStringLiteral("42,00"));
}

TEST(FormatacaoValores, DecimalSemZerosAFinal)
{
    const FormatoLocal br = FormatoPtBr();
    EXPECT_EQ(FormatarDecimal(100000, -4, br), QStringLiteral("10"));
    EXPECT_EQ(FormatarDecimal(250, -2, br), QStringLiteral("2,5"));
    EXPECT_EQ(FormatarDecimal(250, -2, FormatoEnUs()), QStringLiteral("2.5"));
    EXPECT_EQ(FormatarDecimal(-25, -2, br), QStringLiteral("-0,25"));
    EXPECT_EQ(FormatarDecimal(1, -4, br), QStringLiteral("0,0001"));
    EXPECT_EQ(FormatarDecimal(0, -4, br), QStringLiteral("0"));
    EXPECT_EQ(FormatarDecimal(123456781234, -4, br), QStringLiteral("12345678,1234"));
    // NUMERIC(38) and INT128, past 64 bits, from the scaled integer too.
    const Inteiro128 grande = Inteiro128(INT64_MAX) * 1000 + 995;
    EXPECT_EQ(FormatarDecimal(-grande, -3, br), QStringLiteral("-9223372036854775807,995"));
    EXPECT_EQ(FormatarDinheiroDecimal(grande, -3, br), QStringLiteral("9.223.372.036.854.775.808,00"));
    EXPECT_EQ(FormatarInteiro(-(Inteiro128(1) << 126) * 2), QStringLiteral("-170141183460469231731687303715884105728"));
}

TEST(FormatacaoValores, RealNaFormaGeralCom15Digitos)
{
    const FormatoLocal br = FormatoPtBr();
    EXPECT_EQ(FormatarReal(2.5, br), QStringLiteral("2,5"));
    EXPECT_EQ(FormatarReal(0.1 + 0.2, br), QStringLiteral("0,3"));
    EXPECT_EQ(FormatarReal(123456789.125, br), QStringLiteral("123456789,125"));
    EXPECT_EQ(FormatarReal(1e-7, br), QStringLiteral("1E-7"));
    EXPECT_EQ(FormatarReal(1.5e-7, br), QStringLiteral("1,5E-7"));
    EXPECT_EQ(FormatarReal(0.0001, br), QStringLiteral("0,0001"));
    EXPECT_EQ(FormatarReal(1e15, br), QStringLiteral("1E15"));
    EXPECT_EQ(FormatarReal(123456789012345.0, br), QStringLiteral("123456789012345"));
    EXPECT_EQ(FormatarReal(-3.0, br), QStringLiteral("-3"));
    EXPECT_EQ(FormatarReal(0.0, br), QStringLiteral("0"));
    EXPECT_EQ(FormatarReal(1.0 / 3.0, FormatoEnUs()), QStringLiteral("0.333333333333333"));
}

TEST(FormatacaoValores, DatasEHorasNoLocal)
{
    const FormatoLocal br = FormatoPtBr();
    const FormatoLocal us = FormatoEnUs();
    const QDate data(2023, 3, 1);
    EXPECT_EQ(FormatarData(data, br), QStringLiteral("01/03/2023"));
    EXPECT_EQ(FormatarData(data, us), QStringLiteral("3/1/23"));
    EXPECT_EQ(FormatarDataHora(data, QTime(0, 0), true, br), QStringLiteral("01/03/2023"));
    EXPECT_EQ(FormatarDataHora(data, QTime(14, 5, 9), false, br), QStringLiteral("01/03/2023 14:05:09"));
    EXPECT_EQ(FormatarDataHora(data, QTime(14, 5, 9), false, us), QStringLiteral("3/1/23 2:05:09") + AntesDeAmPm() + QStringLiteral("PM"));
    EXPECT_EQ(FormatarDataCarga(data, br), QStringLiteral("01/03/2023"));
    EXPECT_EQ(FormatarDataCarga(data, FormatoLocal::De(QLocale(QLocale::German, QLocale::Germany))), QStringLiteral("01.03.2023"));
    EXPECT_EQ(FormatarDataFiltro(data), QStringLiteral("01.03.2023"));
    EXPECT_EQ(FormatarInteiro(-42), QStringLiteral("-42"));
}

TEST(FormatacaoValores, PadraoLidoUmaVezIgualAoDoQt)
{
    // The compiled pattern must write what QLocale itself writes, in every locale Qt has (digits
    // aside: values are written with ASCII digits wherever the locale has others).
    const QDate datas[] = {QDate(2023, 3, 1), QDate(1999, 12, 31), QDate(5, 1, 9), QDate(2024, 2, 29)};
    const QTime horas[] = {QTime(0, 0, 1), QTime(9, 5, 7), QTime(12, 0, 0), QTime(23, 59, 59)};
    for (const QLocale& locale : QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory)) {
        if (locale.zeroDigit() != QStringLiteral("0"))
            continue;
        const FormatoLocal formato = FormatoLocal::De(locale);
        for (const QDate& d : datas)
            EXPECT_EQ(FormatarData(d, formato), locale.toString(d, formato.formatoDataCurta)) << locale.name().toStdString();
        for (const QTime& h : horas)
            EXPECT_EQ(FormatarHora(h, formato), locale.toString(h, formato.formatoHoraLonga)) << locale.name().toStdString();
    }
}

TEST(FormatacaoValores, TiposDoFirebird4ComoOsSeusEquivalentesDoFirebird3)
{
    const FormatoLocal br = FormatoPtBr();
    int servidores4 = 0;
    for (const std::string& servidor : ServidoresDeTodasAsVersoes()) {
        BancoNoServidor checagem(servidor, {"tests/fixtures/no-start-date.sql"});
        if (checagem.VersaoDoServidor() < 4)
            continue;
        ++servidores4;
        SCOPED_TRACE(servidor);
        BancoNoServidor banco(servidor, {"tests/fixtures/tipos-fb4.sql"});
        ConexaoSql conexao;
        conexao.DefinirParametro(QStringLiteral("Database"), banco.Caminho());
        conexao.DefinirParametro(QStringLiteral("user_name"), QStringLiteral("sysdba"));
        conexao.DefinirParametro(QStringLiteral("Password"), QStringLiteral("quillhorn"));
        conexao.Conectar();
        ConsultaSql consulta(&conexao);
        consulta.AdicionarLinha(QStringLiteral("SELECT * FROM TIPOS4 ORDER BY ID"));
        const auto texto = [&](const char* campo) { return CampoComoTexto(consulta, consulta.IndiceCampo(QString::fromLatin1(campo)), br); };
        const auto dinheiro = [&](const char* campo) { return CampoComoDinheiro(consulta, consulta.IndiceCampo(QString::fromLatin1(campo)), br); };
        int linhas = 0;
        for (consulta.Abrir(); !consulta.Eof(); consulta.Proximo(), ++linhas) {
            SCOPED_TRACE(linhas);
            for (const auto& [novo, antigo] : {std::pair{"N_LARGO", "N_ANTIGO"}, {"I_LARGO", "I_ANTIGO"}, {"F_DEC16", "F_DUPLO"},
                                               {"F_DEC34", "F_DUPLO"}, {"H_FUSO", "H_LOCAL"}, {"M_FUSO", "M_LOCAL"}}) {
                EXPECT_EQ(texto(novo), texto(antigo)) << novo;
                if (novo[0] != 'H' && novo[0] != 'M') {
                    EXPECT_EQ(dinheiro(novo), dinheiro(antigo)) << novo;
                }
            }
            if (linhas == 0) {
                EXPECT_EQ(texto("N_LARGO"), QStringLiteral("1234,56"));
                EXPECT_EQ(texto("I_LARGO"), QStringLiteral("-9223372036854775807"));
                EXPECT_EQ(texto("F_DEC34"), QStringLiteral("0,1"));
                EXPECT_EQ(texto("H_FUSO"), QStringLiteral("13:45:07"));
                EXPECT_EQ(texto("M_FUSO"), QStringLiteral("01/03/2023"));
            }
        }
        EXPECT_EQ(linhas, 4);
    }
    if (servidores4 == 0)
        GTEST_SKIP() << "Nenhum servidor Firebird 4 em QUORVANE_SERVIDORES";
}
