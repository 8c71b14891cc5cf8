#pragma once

#include "Dialogos.h"

#include <QDialog>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

// Answers the program's dialogs without a modal loop and records them.
class DialogosDeTeste final : public Quorvane::iDialogos {
public:
    struct Caixa {
        bool erro; // the default error report's box, otherwise a plain message box
        QString titulo;
        QString texto;
    };

    void Mensagem(const QString& titulo, const QString& texto) override { caixas.push_back({false, titulo, texto}); }
    void MensagemDeErro(const QString& titulo, const QString& texto) override { caixas.push_back({true, titulo, texto}); }
    void ExibirModal(QDialog& janela) override
    {
        ++modais;
        if (enquantoModal)
            enquantoModal(janela);
    }
    bool Pergunta(const QString& titulo, const QString& texto) override
    {
        perguntas.push_back({false, titulo, texto});
        const bool sim = !respostas.empty() && respostas.front();
        if (!respostas.empty())
            respostas.erase(respostas.begin());
        return sim;
    }

    std::vector<Caixa> caixas;
    QString NomeParaSalvar(const QString& titulo, const QString&, const QString&, QString& filtro) override
    {
        titulosParaSalvar.push_back(titulo);
        filtro = filtroParaSalvar;
        return nomeParaSalvar;
    }

    std::vector<Caixa> perguntas;
    std::vector<QString> titulosParaSalvar;
    QString nomeParaSalvar; // the name the user gives; empty: gives up
    QString filtroParaSalvar;
    std::vector<bool> respostas; // one per question, in order; "Não" once they run out
    int modais = 0;
    // Runs while the window "is shown modally"; returning closes it.
    std::function<void(QDialog&)> enquantoModal;
};

// Puts a DialogosDeTeste in place for the life of the holder.
class EscopoDialogos {
public:
    EscopoDialogos() : anteriores_(Quorvane::DefinirDialogos(dialogos_)) {}
    ~EscopoDialogos() { Quorvane::DefinirDialogos(anteriores_); }
    EscopoDialogos(const EscopoDialogos&) = delete;
    EscopoDialogos& operator=(const EscopoDialogos&) = delete;

    DialogosDeTeste* operator->() { return dialogos_.get(); }
    DialogosDeTeste& operator*() { return *dialogos_; }

private:
    std::shared_ptr<DialogosDeTeste> dialogos_ = std::make_shared<DialogosDeTeste>();
    std::shared_ptr<Quorvane::iDialogos> anteriores_;
};
