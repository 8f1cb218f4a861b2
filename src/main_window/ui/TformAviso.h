#pragma once
// The notice shown when a chord symbol is not valid, with a help button to the syntax page.

#include <QDialog>
#include <string_view>

class QLabel;
class QPushButton;
class GerenciadorIdiomas;

class TformAviso : public QDialog {
public:
    TformAviso(GerenciadorIdiomas& idiomas, QWidget* pai = nullptr);
    // The caption becomes `titulo` and the label shows `mensagem`; the caller shows it modally.
    void DefinirMensagem(std::string_view mensagem, std::string_view titulo);

    QLabel* Mensagem;
    QPushButton* OK;
    QPushButton* Ajuda;

protected:
    void showEvent(QShowEvent* evento) override;

private:
    void AjudaClick();
    GerenciadorIdiomas& idiomas_;
};
