#pragma once

#include <QElapsedTimer>
#include <QString>
#include <QStringList>
#include <QWidget>

class QLabel;

namespace Quorvane {

// The colour of the wait screen's message.
enum class TCor { Azul, Vermelho, Preto, Laranja };

// The borderless "please wait" window shown while the checks run. Callers never hold it: it is
// driven through Start, Wait and End, and at most one exists. It belongs to the main window, if
// one is on the screen, and stays above it.
class TTelaEsperaView : public QWidget {
    Q_OBJECT
public:
    // Creates the window, not shown yet; one left over from an earlier Start is destroyed.
    static void Start();
    // Fills the window and shows it, fully drawn before this returns. An empty title shows
    // "Por favor aguarde..".
    static void Wait(const QString& Texto, TCor Cor, const QString& Title);
    // Closes and destroys the window, if there is one.
    static void End();
    // A line under the message saying where the work is, followed by the time since Start,
    // which goes on counting while the caller's work runs.
    static void Progresso(const QString& texto);
    // What the user should know before the work, as text that can be selected and copied (a
    // statement to hand to a DBA); none: nothing shown.
    static void Avisos(const QStringList& avisos);

    // The window between Start and End, otherwise null.
    static TTelaEsperaView* TelaEspera();

    ~TTelaEsperaView() override;

private:
    explicit TTelaEsperaView(QWidget* dono);
    void MostrarDesenhada();
    // Taller when the texts need it, never smaller than the design.
    void AjustarAltura();
    void MostrarProgresso();

    QLabel* lblTitle;
    QLabel* lbl1;
    QLabel* lblProgresso;
    QLabel* lblAvisos;
    QString progresso_;
    QElapsedTimer decorrido_;
};

} // namespace Quorvane
