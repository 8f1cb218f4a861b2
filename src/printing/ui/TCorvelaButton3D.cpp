// SPDX-License-Identifier: GPL-3.0-or-later
#include "TCorvelaButton3D.h"

#include <QApplication>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

#include "BotaoTeclado.h"

TCorvelaButton3D::TCorvelaButton3D(QWidget* pai) : QLabel(pai) {
    textFont_.fonte = QApplication::font();
    textShadedFont_.fonte = QApplication::font();
    textShadedFont_.cor = Qt::white;
    setCursor(Qt::PointingHandCursor);
    resize(100, 27);
    TornarBotaoTeclado(this);
}

TCorvelaButton3D::~TCorvelaButton3D() = default;

void TCorvelaButton3D::SetImagemSolta(const QPixmap& figura) {
    pictureUp_ = figura;
    resize(figura.size());
    CentralizarCoordenadasTexto();
    SetPressed(false);
}

void TCorvelaButton3D::SetImagemPressionada(const QPixmap& figura) {
    pictureDown_ = figura;
    SetPressed(true);
}

void TCorvelaButton3D::SetPressed(bool pressionado) {
    if (pressionado)
        PressionarBotao();
    else
        SoltarBotao();
    pressed_ = pressionado;
}

void TCorvelaButton3D::SetText(const QString& texto) {
    text_ = texto;
    // The caption is drawn into the picture; a screen reader hears it as the button's name.
    if (!texto.isEmpty()) setAccessibleName(QString(texto).remove(QLatin1Char('&')));
    if (textCenteredX_ || textCenteredY_) CentralizarCoordenadasTexto();
    if (pressed_)
        PressionarBotao();
    else
        SoltarBotao();
}

void TCorvelaButton3D::SetTextX(int x) {
    textCenteredX_ = false;
    textCentered_ = false;
    textX_ = x;
    SetText(text_);
}

void TCorvelaButton3D::SetTextY(int y) {
    textCenteredY_ = false;
    textCentered_ = false;
    textY_ = y;
    SetText(text_);
}

void TCorvelaButton3D::SetTextDepth(int profundidade) {
    textPressedDepth_ = profundidade;
    SetText(text_);
}

void TCorvelaButton3D::SetTextFont(const FonteLegenda& fonte) {
    textFont_ = fonte;
    SetText(text_);
}

void TCorvelaButton3D::SetTextShaded(bool sombreado) {
    textShaded_ = sombreado;
    SetText(text_);
}

void TCorvelaButton3D::SetTextShadedFont(const FonteLegenda& fonte) {
    textShadedFont_ = fonte;
    SetText(text_);
}

void TCorvelaButton3D::SetTextCentered(bool centralizado) {
    textCentered_ = centralizado;
    textCenteredX_ = centralizado;
    textCenteredY_ = centralizado;
    SetText(text_);
}

void TCorvelaButton3D::SetTextCenteredX(bool centralizado) {
    textCenteredX_ = centralizado;
    textCentered_ = textCenteredX_ && textCenteredY_;
    SetText(text_);
}

void TCorvelaButton3D::SetTextCenteredY(bool centralizado) {
    textCenteredY_ = centralizado;
    textCentered_ = textCenteredX_ && textCenteredY_;
    SetText(text_);
}

void TCorvelaButton3D::CentralizarCoordenadasTexto() {
    const QFontMetrics medidas(textFont_.fonte);
    // Integer halves, truncated toward zero as the layout measures them.
    if (textCenteredX_) textX_ = (width() - medidas.horizontalAdvance(text_)) / 2;
    if (textCenteredY_) textY_ = (height() - medidas.height()) / 2;
}

void TCorvelaButton3D::SoltarBotao() { Desenhar(pictureUp_, textX_, textY_); }

void TCorvelaButton3D::PressionarBotao() {
    const int profundidade = textStatic_ ? 0 : textPressedDepth_;
    Desenhar(pictureDown_, textX_ + profundidade, textY_ + profundidade);
}

void TCorvelaButton3D::Desenhar(const QPixmap& figura, int x, int y) {
    // The button's own picture is cleared first: without a picture for the state it goes blank.
    if (figura.isNull()) {
        setPixmap(QPixmap());
        return;
    }
    QPixmap imagem(size().expandedTo(QSize(1, 1)));
    imagem.fill(Qt::transparent);
    QPainter pintor(&imagem);
    pintor.drawPixmap(0, 0, figura);
    ImprimirTexto(pintor, x, y);
    pintor.end();
    setPixmap(imagem);
}

void TCorvelaButton3D::ImprimirTexto(QPainter& pintor, int x, int y) const {
    if (text_.isEmpty()) return;
    // The caption's top left corner is (x, y); the background stays the picture's.
    auto escrever = [&](const FonteLegenda& fonte, int px, int py) {
        pintor.setFont(fonte.fonte);
        pintor.setPen(fonte.cor);
        pintor.drawText(px, py + QFontMetrics(fonte.fonte).ascent(), text_);
    };
    if (textShaded_) escrever(textShadedFont_, x + 1, y + 1);
    escrever(textFont_, x, y);
}

void TCorvelaButton3D::MouseDown(Qt::MouseButton botao) {
    if (autoControlPressing_ && botao == Qt::LeftButton) {
        if (buttonStyle_ == TCorvelaButton3DStyle::bsDropWhenPressed) {
            SetPressed(true);
        } else if (pressed_) {
            soltarPendente_ = true;
        } else {
            SetPressed(true);
        }
    }
    if (aoPressionar) aoPressionar(botao);
}

void TCorvelaButton3D::MouseUp(Qt::MouseButton botao) {
    if (autoControlPressing_ && botao == Qt::LeftButton) {
        if (buttonStyle_ == TCorvelaButton3DStyle::bsDropWhenPressed) {
            SetPressed(false);
        } else if (soltarPendente_) {
            SetPressed(false);
            soltarPendente_ = false;
        }
    }
    if (aoSoltar) aoSoltar(botao);
}

void TCorvelaButton3D::mousePressEvent(QMouseEvent* evento) {
    if (evento->button() == Qt::LeftButton) cliquePendente_ = true;
    MouseDown(evento->button());
}

void TCorvelaButton3D::mouseReleaseEvent(QMouseEvent* evento) {
    const bool clique = evento->button() == Qt::LeftButton && cliquePendente_ &&
                        rect().contains(evento->position().toPoint());
    if (evento->button() == Qt::LeftButton) cliquePendente_ = false;
    MouseUp(evento->button());
    // Last: a click may open a modal window, which must find the button already released.
    if (clique && aoClicar) aoClicar();
}

void TCorvelaButton3D::mouseDoubleClickEvent(QMouseEvent* evento) {
    // The second press of a double click presses the button like any other press, but its
    // release is no second click: a double click prints or previews once.
    MouseDown(evento->button());
}
