#pragma once

#include <QMessageBox>
#include <QString>
#include <memory>

class QDialog;

namespace Quorvane {

// The program's modal conversations with the user. Windows reach them through Dialogos(), so that
// tests can answer them without entering a modal loop.
class iDialogos {
public:
    virtual ~iDialogos() = default;
    // A plain message box: no icon, one OK button.
    virtual void Mensagem(const QString& titulo, const QString& texto) = 0;
    // The error box: the error icon, one OK button.
    virtual void MensagemDeErro(const QString& titulo, const QString& texto) = 0;
    // Shows the window modally and returns once it has been closed.
    virtual void ExibirModal(QDialog& janela) = 0;
    // A question with the buttons "Sim" and "Não": true for "Sim".
    virtual bool Pergunta(const QString& titulo, const QString& texto) = 0;
    // Where to save a file: its name, and in `filtro` the kind of file chosen; empty if the user
    // gave up.
    virtual QString NomeParaSalvar(const QString& titulo, const QString& sugestao, const QString& filtros, QString& filtro) = 0;
};

class TDialogosPadrao final : public iDialogos {
public:
    void Mensagem(const QString& titulo, const QString& texto) override;
    void MensagemDeErro(const QString& titulo, const QString& texto) override;
    void ExibirModal(QDialog& janela) override;
    bool Pergunta(const QString& titulo, const QString& texto) override;
    QString NomeParaSalvar(const QString& titulo, const QString& sugestao, const QString& filtros, QString& filtro) override;

    // The box both messages use; the text is shown as written, never read as markup.
    static std::unique_ptr<QMessageBox> CriarCaixa(QMessageBox::Icon icone, const QString& titulo, const QString& texto);
};

iDialogos& Dialogos();
// Puts other dialogs in place (tests) and returns the ones replaced.
std::shared_ptr<iDialogos> DefinirDialogos(std::shared_ptr<iDialogos> dialogos);

// The application's title, which titles every message box: see TituloDoPrograma.
QString TituloDaAplicacao();

} // namespace Quorvane
