// SPDX-License-Identifier: GPL-3.0-or-later
#include "CaixaMensagem.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QString>

namespace {
QString Q(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}
}  // namespace

void CaixasMensagemQt::Informar(std::string_view texto, std::string_view titulo, QWidget* pai) {
    QMessageBox caixa(QMessageBox::NoIcon, Q(titulo), Q(texto), QMessageBox::Ok, pai);
    caixa.exec();
}

bool CaixasMensagemQt::Perguntar(std::string_view texto, std::string_view titulo, QWidget* pai,
                                 std::string_view rotuloSim, std::string_view rotuloNao) {
    QMessageBox caixa(QMessageBox::Question, Q(titulo), Q(texto),
                      QMessageBox::Yes | QMessageBox::No, pai);
    if (!rotuloSim.empty()) caixa.button(QMessageBox::Yes)->setText(Q(rotuloSim));
    if (!rotuloNao.empty()) caixa.button(QMessageBox::No)->setText(Q(rotuloNao));
    return caixa.exec() == QMessageBox::Yes;
}

caixaMensagem::RespostaSalvar CaixasMensagem::PerguntarSalvar(std::string_view texto,
                                                              std::string_view titulo, QWidget* pai,
                                                              const RotulosSalvar& rotulos) {
    return Perguntar(texto, titulo, pai, rotulos.salvar, rotulos.cancelar)
               ? caixaMensagem::RespostaSalvar::Salvar
               : caixaMensagem::RespostaSalvar::Cancelar;
}

caixaMensagem::RespostaSalvar CaixasMensagemQt::PerguntarSalvar(std::string_view texto,
                                                                std::string_view titulo,
                                                                QWidget* pai,
                                                                const RotulosSalvar& rotulos) {
    QMessageBox caixa(QMessageBox::Question, Q(titulo), Q(texto),
                      QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, pai);
    caixa.setDefaultButton(QMessageBox::Save);
    caixa.setEscapeButton(QMessageBox::Cancel);
    if (!rotulos.salvar.empty()) caixa.button(QMessageBox::Save)->setText(Q(rotulos.salvar));
    if (!rotulos.descartar.empty())
        caixa.button(QMessageBox::Discard)->setText(Q(rotulos.descartar));
    if (!rotulos.cancelar.empty()) caixa.button(QMessageBox::Cancel)->setText(Q(rotulos.cancelar));
    switch (caixa.exec()) {
        case QMessageBox::Save:
            return caixaMensagem::RespostaSalvar::Salvar;
        case QMessageBox::Discard:
            return caixaMensagem::RespostaSalvar::Descartar;
        default:
            return caixaMensagem::RespostaSalvar::Cancelar;
    }
}
