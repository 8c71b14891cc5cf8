#pragma once

#include <QString>
#include <QWidget>

class QLabel;

namespace Quorvane {

// The colour of the wait screen's message.
enum class TCor { Azul, Vermelho, Preto, Laranja };

// The borderless "please wait" window shown while the checks run. Callers never hold it: it is
// driven through Start, Wait and End, and at most one exists.
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

    // The window between Start and End, otherwise null.
    static TTelaEsperaView* TelaEspera();

    ~TTelaEsperaView() override;

private:
    TTelaEsperaView();
    void MostrarDesenhada();

    QLabel* lblTitle;
    QLabel* lbl1;
};

} // namespace Quorvane
