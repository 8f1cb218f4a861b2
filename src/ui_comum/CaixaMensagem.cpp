// SPDX-License-Identifier: GPL-3.0-or-later
#include "CaixaMensagem.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QString>

namespace {
QString Q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
}  // namespace

void CaixasMensagemQt::Informar(std::string_view texto, std::string_view titulo, QWidget* pai) {
    QMessageBox caixa(QMessageBox::NoIcon, Q(titulo), Q(texto), QMessageBox::Ok, pai);
    caixa.exec();
}

bool CaixasMensagemQt::Perguntar(std::string_view texto, std::string_view titulo, QWidget* pai,
                                 std::string_view rotuloSim, std::string_view rotuloNao) {
    QMessageBox caixa(QMessageBox::Question, Q(titulo), Q(texto), QMessageBox::Yes | QMessageBox::No, pai);
    if (!rotuloSim.empty()) caixa.button(QMessageBox::Yes)->setText(Q(rotuloSim));
    if (!rotuloNao.empty()) caixa.button(QMessageBox::No)->setText(Q(rotuloNao));
    return caixa.exec() == QMessageBox::Yes;
}
