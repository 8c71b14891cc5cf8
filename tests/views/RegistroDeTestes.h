#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

// Each suite registers itself; main runs the one named on its command line (ctest runs each
// suite as a test of its own), or all of them.
struct SuiteRegistrada {
    QString nome;
    std::function<std::unique_ptr<QObject>()> criar;
};

inline std::vector<SuiteRegistrada>& SuitesRegistradas()
{
    static std::vector<SuiteRegistrada> suites;
    return suites;
}

struct RegistroDeSuite {
    RegistroDeSuite(const char* nome, std::function<std::unique_ptr<QObject>()> criar)
    {
        SuitesRegistradas().push_back({QString::fromLatin1(nome), std::move(criar)});
    }
};

#define QUORVANE_SUITE(Classe) \
    static const RegistroDeSuite registro##Classe(#Classe, [] { return std::make_unique<Classe>(); })
