#include "Dialogos.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileDialog>
#include <QDialog>
#include <QPushButton>

namespace Quorvane {

namespace {

std::shared_ptr<iDialogos>& DialogosAtuais()
{
    static std::shared_ptr<iDialogos> dialogos = std::make_shared<TDialogosPadrao>();
    return dialogos;
}

} // namespace

std::unique_ptr<QMessageBox> TDialogosPadrao::CriarCaixa(QMessageBox::Icon icone, const QString& titulo, const QString& texto)
{
    auto caixa = std::make_unique<QMessageBox>(icone, titulo, texto, QMessageBox::Ok);
    // Database messages may hold "<" and "&": they are text, not markup.
    caixa->setTextFormat(Qt::PlainText);
    return caixa;
}

void TDialogosPadrao::Mensagem(const QString& titulo, const QString& texto)
{
    CriarCaixa(QMessageBox::NoIcon, titulo, texto)->exec();
}

void TDialogosPadrao::MensagemDeErro(const QString& titulo, const QString& texto)
{
    CriarCaixa(QMessageBox::Critical, titulo, texto)->exec();
}

void TDialogosPadrao::ExibirModal(QDialog& janela)
{
    janela.exec();
}

bool TDialogosPadrao::Pergunta(const QString& titulo, const QString& texto)
{
    const auto caixa = CriarCaixa(QMessageBox::Question, titulo, texto);
    caixa->setStandardButtons(QMessageBox::NoButton);
    QPushButton* sim = caixa->addButton(QStringLiteral("Sim"), QMessageBox::YesRole);
    QPushButton* nao = caixa->addButton(QStringLiteral("Não"), QMessageBox::NoRole);
    caixa->setDefaultButton(nao);
    caixa->setEscapeButton(nao);
    caixa->exec();
    return caixa->clickedButton() == sim;
}

QString TDialogosPadrao::NomeParaSalvar(const QString& titulo, const QString& sugestao, const QString& filtros, QString& filtro)
{
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), titulo, sugestao, filtros, &filtro);
}

iDialogos& Dialogos()
{
    return *DialogosAtuais();
}

std::shared_ptr<iDialogos> DefinirDialogos(std::shared_ptr<iDialogos> dialogos)
{
    if (!dialogos)
        dialogos = std::make_shared<TDialogosPadrao>();
    DialogosAtuais().swap(dialogos);
    return dialogos;
}

QString TituloDaAplicacao()
{
    return QCoreApplication::applicationName();
}

} // namespace Quorvane
