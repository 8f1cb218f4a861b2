#include "CaixaMensagem.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QString>

namespace caixaMensagem {
namespace {
Respondedor& Atual() {
    static Respondedor respondedor;
    return respondedor;
}
QString Q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
}  // namespace

void DefinirRespondedor(Respondedor respondedor) { Atual() = std::move(respondedor); }

void Informar(std::string_view texto, std::string_view titulo, QWidget* pai) {
    if (Atual()) {
        Atual()({Tipo::Ok, std::string(texto), std::string(titulo)});
        return;
    }
    QMessageBox caixa(QMessageBox::NoIcon, Q(titulo), Q(texto), QMessageBox::Ok, pai);
    caixa.exec();
}

bool Perguntar(std::string_view texto, std::string_view titulo, QWidget* pai, std::string_view rotuloSim,
               std::string_view rotuloNao) {
    if (Atual()) return Atual()({Tipo::SimNao, std::string(texto), std::string(titulo)});
    QMessageBox caixa(QMessageBox::Question, Q(titulo), Q(texto), QMessageBox::Yes | QMessageBox::No, pai);
    if (!rotuloSim.empty()) caixa.button(QMessageBox::Yes)->setText(Q(rotuloSim));
    if (!rotuloNao.empty()) caixa.button(QMessageBox::No)->setText(Q(rotuloNao));
    return caixa.exec() == QMessageBox::Yes;
}

}  // namespace caixaMensagem
