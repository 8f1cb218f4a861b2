// The desktop application.
#include <QStyleFactory>

#include "AplicacaoTastavo.h"
#include "BibliotecasSilenciosas.h"
#include "Inicializacao.h"

int main(int argc, char** argv) {
    SilenciarBibliotecas();
    AplicacaoTastavo app(argc, argv);
    // One look on every desktop: the windows are designed pixel by pixel.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    return ExecutarAplicacao(app, {});
}
