// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A push button drawn entirely from two pictures, released and pressed, with an optional
// caption written over the picture. Pressed, the caption moves right and down by a few pixels,
// which gives the button its depth. The print windows' close, print and preview buttons.

#include <QColor>
#include <QFont>
#include <QLabel>
#include <QPixmap>
#include <QString>
#include <functional>

enum class TCorvelaButton3DStyle {
    bsDropWhenPressed = 0,  // pressed only while the mouse button is held
    bsHoldWhenPressed = 1,  // a press latches it down; the next press and release let it up
};

// A caption face with its colour.
struct FonteLegenda {
    QFont fonte;
    QColor cor = Qt::black;
};

class TCorvelaButton3D : public QLabel {
  public:
    // 100 × 27 pixels, the hand cursor, no pictures, no caption.
    explicit TCorvelaButton3D(QWidget* pai = nullptr);
    ~TCorvelaButton3D() override;

    // The properties (the underscore of the design's names dropped for the getters).
    const QPixmap& PictureDown() const { return pictureDown_; }
    const QPixmap& PictureUp() const { return pictureUp_; }
    TCorvelaButton3DStyle ButtonStyle() const { return buttonStyle_; }
    bool Pressed() const { return pressed_; }
    bool AutoControlPressing() const { return autoControlPressing_; }
    const QString& Text() const { return text_; }
    int TextX() const { return textX_; }
    int TextY() const { return textY_; }
    int TextPressedDepth() const { return textPressedDepth_; }
    const FonteLegenda& TextFont() const { return textFont_; }
    bool TextCentered() const { return textCentered_; }
    bool TextCenteredX() const { return textCenteredX_; }
    bool TextCenteredY() const { return textCenteredY_; }
    bool TextStatic() const { return textStatic_; }
    const FonteLegenda& TextShadedFont() const { return textShadedFont_; }
    bool TextShaded() const { return textShaded_; }

    // The released look: sizes the button to it, centres the caption and shows it released.
    void SetImagemSolta(const QPixmap& figura);
    // The pressed look: shows it pressed.
    void SetImagemPressionada(const QPixmap& figura);
    void SetPressed(bool pressionado);
    void SetText(const QString& texto);
    // Each switches the centring of its axis off.
    void SetTextX(int x);
    void SetTextY(int y);
    void SetTextDepth(int profundidade);
    void SetTextFont(const FonteLegenda& fonte);
    void SetTextShaded(bool sombreado);
    void SetTextShadedFont(const FonteLegenda& fonte);
    void SetTextCentered(bool centralizado);
    void SetTextCenteredX(bool centralizado);
    void SetTextCenteredY(bool centralizado);
    void SetTextStatic(bool estatico) { textStatic_ = estatico; }
    void SetButtonStyle(TCorvelaButton3DStyle estilo) { buttonStyle_ = estilo; }
    void SetAutoControlPressing(bool automatico) { autoControlPressing_ = automatico; }

    // A left press and release on the button (the second press of a double click is no click).
    std::function<void()> aoClicar;
    // Any mouse button going down or up on the button, after the button has followed it.
    std::function<void(Qt::MouseButton)> aoPressionar;
    std::function<void(Qt::MouseButton)> aoSoltar;

  protected:
    void MouseDown(Qt::MouseButton botao);
    void MouseUp(Qt::MouseButton botao);

    void mousePressEvent(QMouseEvent* evento) override;
    void mouseReleaseEvent(QMouseEvent* evento) override;
    void mouseDoubleClickEvent(QMouseEvent* evento) override;

  private:
    void CentralizarCoordenadasTexto();
    void SoltarBotao();
    void PressionarBotao();
    void Desenhar(const QPixmap& figura, int x, int y);
    void ImprimirTexto(QPainter& pintor, int x, int y) const;

    QPixmap pictureDown_;
    QPixmap pictureUp_;
    TCorvelaButton3DStyle buttonStyle_ = TCorvelaButton3DStyle::bsDropWhenPressed;
    bool pressed_ = false;
    bool autoControlPressing_ = true;
    QString text_;
    int textX_ = 0;
    int textY_ = 0;
    int textPressedDepth_ = 1;
    FonteLegenda textFont_;
    bool textCentered_ = true;
    bool textCenteredX_ = true;
    bool textCenteredY_ = true;
    bool textStatic_ = false;
    FonteLegenda textShadedFont_;
    bool textShaded_ = false;
    // In hold style: the next release of the mouse button lets the button up.
    bool soltarPendente_ = false;
    // A left press began on the button: its release inside is a click.
    bool cliquePendente_ = false;
};
