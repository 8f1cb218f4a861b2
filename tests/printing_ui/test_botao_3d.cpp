// SPDX-License-Identifier: GPL-3.0-or-later
// The picture push button as a user presses it: real mouse events, the pictures it shows and
// where its caption lands.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPainter>
#include <QTest>

#include "TCorvelaButton3D.h"

namespace {

const QColor CorSolta(200, 30, 30);
const QColor CorPressionada(30, 30, 200);

QPixmap Figura(QColor cor, int largura = 103, int altura = 20) {
    QPixmap p(largura, altura);
    p.fill(cor);
    return p;
}

// What the button shows: its own picture, or nothing.
QImage Mostrada(const TCorvelaButton3D& b) { return b.pixmap().toImage(); }

// The box of the pixels that differ from the picture's colour: where the caption went.
QRect Legenda(const TCorvelaButton3D& b, QColor fundo) {
    const QImage img = Mostrada(b);
    QRect caixa;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixelColor(x, y) != fundo) caixa |= QRect(x, y, 1, 1);
    return caixa;
}

class Botao3D : public ::testing::Test {
  protected:
    void SetUp() override {
        botao.SetImagemPressionada(Figura(CorPressionada));
        botao.SetImagemSolta(Figura(CorSolta));
        botao.show();
    }
    QColor Cor() const { return Mostrada(botao).pixelColor(0, 0); }
    void Pressionar(Qt::MouseButton b = Qt::LeftButton) {
        QTest::mousePress(&botao, b, {}, {5, 5});
    }
    void Soltar(Qt::MouseButton b = Qt::LeftButton) { QTest::mouseRelease(&botao, b, {}, {5, 5}); }

    TCorvelaButton3D botao;
};

TEST(Botao3DNovo, DefaultsOfANewButton) {
    TCorvelaButton3D b;
    EXPECT_EQ(b.size(), QSize(100, 27));
    EXPECT_EQ(b.cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(b.ButtonStyle(), TCorvelaButton3DStyle::bsDropWhenPressed);
    EXPECT_FALSE(b.Pressed());
    EXPECT_TRUE(b.AutoControlPressing());
    EXPECT_TRUE(b.Text().isEmpty());
    EXPECT_EQ(b.TextPressedDepth(), 1);
    EXPECT_TRUE(b.TextCentered() && b.TextCenteredX() && b.TextCenteredY());
    EXPECT_FALSE(b.TextStatic() || b.TextShaded());
    EXPECT_EQ(b.TextShadedFont().cor, QColor(Qt::white));
    EXPECT_TRUE(b.pixmap().isNull());
}

TEST(Botao3DNovo, PressedPictureFirstShowsItPressedThenTheReleasedOneSizesTheButton) {
    TCorvelaButton3D b;
    b.SetImagemPressionada(Figura(CorPressionada, 24, 24));
    EXPECT_TRUE(b.Pressed());
    EXPECT_EQ(Mostrada(b).pixelColor(3, 3), CorPressionada);
    b.SetImagemSolta(Figura(CorSolta, 24, 24));
    EXPECT_FALSE(b.Pressed());
    EXPECT_EQ(b.size(), QSize(24, 24));
    EXPECT_EQ(Mostrada(b).pixelColor(3, 3), CorSolta);
}

TEST(Botao3DNovo, WithoutAPressedPictureTheButtonGoesBlankWhilePressed) {
    TCorvelaButton3D b;
    b.SetText(QStringLiteral("Imprimir"));
    b.SetImagemSolta(Figura(CorSolta));
    b.show();
    QTest::mousePress(&b, Qt::LeftButton, {}, {5, 5});
    EXPECT_TRUE(b.Pressed());
    EXPECT_TRUE(b.pixmap().isNull());
    QTest::mouseRelease(&b, Qt::LeftButton, {}, {5, 5});
    EXPECT_EQ(Mostrada(b).pixelColor(0, 0), CorSolta);
}

TEST_F(Botao3D, CaptionIsCentredAndMovesByTheDepthWhenPressed) {
    botao.SetTextFont({QFont(QStringLiteral("Liberation Sans"), 9), Qt::white});
    botao.SetText(QStringLiteral("Visualizar"));
    const QFontMetrics m(botao.TextFont().fonte);
    EXPECT_EQ(botao.TextX(), (103 - m.horizontalAdvance(botao.Text())) / 2);
    EXPECT_EQ(botao.TextY(), (20 - m.height()) / 2);
    const QRect solta = Legenda(botao, CorSolta);
    ASSERT_FALSE(solta.isEmpty());

    for (int profundidade : {1, 3}) {
        botao.SetTextDepth(profundidade);
        botao.SetPressed(true);
        EXPECT_EQ(Legenda(botao, CorPressionada), solta.translated(profundidade, profundidade));
        botao.SetPressed(false);
    }
    botao.SetTextStatic(true);
    botao.SetPressed(true);
    EXPECT_EQ(Legenda(botao, CorPressionada), solta) << "a static caption stays in place";
}

TEST_F(Botao3D, SettingTextXTurnsHorizontalCentringOffForLaterCaptions) {
    botao.SetText(QStringLiteral("Imprimir"));
    botao.SetTextX(4);
    EXPECT_FALSE(botao.TextCenteredX());
    EXPECT_FALSE(botao.TextCentered());
    EXPECT_TRUE(botao.TextCenteredY());
    botao.SetText(QStringLiteral("Um texto bem mais longo"));
    EXPECT_EQ(botao.TextX(), 4);
    EXPECT_NEAR(Legenda(botao, CorSolta).left(), 4, 1);  // the glyph's own bearing

    botao.SetTextCenteredX(true);
    EXPECT_TRUE(botao.TextCentered());
    botao.SetTextY(2);
    EXPECT_FALSE(botao.TextCenteredY());
    EXPECT_TRUE(botao.TextCenteredX());
    EXPECT_EQ(botao.TextY(), 2);
}

TEST_F(Botao3D, ShadedCaptionDrawsItsShadowOnePixelRightAndDown) {
    botao.SetTextFont({QFont(QStringLiteral("Liberation Sans"), 9), Qt::black});
    botao.SetText(QStringLiteral("I"));
    const QRect semSombra = Legenda(botao, CorSolta);
    botao.SetTextShaded(true);
    const QRect comSombra = Legenda(botao, CorSolta);
    EXPECT_EQ(comSombra, semSombra.adjusted(0, 0, 1, 1));
}

// Mouse steps and the state each leaves, for both styles.
struct Passo {
    enum Tipo { Press, Release } tipo;
    Qt::MouseButton botao;
    bool pressionado;
};

TEST_F(Botao3D, StateMachinesOfBothStyles) {
    using P = Passo;
    const Qt::MouseButton E = Qt::LeftButton, D = Qt::RightButton;
    const std::vector<std::pair<TCorvelaButton3DStyle, std::vector<Passo>>> casos = {
        {TCorvelaButton3DStyle::bsDropWhenPressed,
         {{P::Press, E, true},
          {P::Release, E, false},
          {P::Press, D, false},
          {P::Release, D, false}}},
        {TCorvelaButton3DStyle::bsHoldWhenPressed,
         {{P::Press, E, true},
          {P::Release, E, true},  // latched
          {P::Press, D, true},
          {P::Release, D, true},
          {P::Press, E, true},  // release pending
          {P::Release, E, false},
          {P::Release, E, false}}},
    };
    for (const auto& [estilo, passos] : casos) {
        botao.SetButtonStyle(estilo);
        botao.SetPressed(false);
        int i = 0;
        for (const Passo& p : passos) {
            if (p.tipo == P::Press)
                Pressionar(p.botao);
            else
                Soltar(p.botao);
            EXPECT_EQ(botao.Pressed(), p.pressionado) << "style " << int(estilo) << ", step " << i;
            EXPECT_EQ(Cor(), p.pressionado ? CorPressionada : CorSolta) << "step " << i;
            ++i;
        }
    }
}

TEST_F(Botao3D, WithoutAutoControlPressesChangeNothingButStillClick) {
    int cliques = 0;
    botao.aoClicar = [&] { ++cliques; };
    botao.SetAutoControlPressing(false);
    for (auto estilo :
         {TCorvelaButton3DStyle::bsDropWhenPressed, TCorvelaButton3DStyle::bsHoldWhenPressed}) {
        botao.SetButtonStyle(estilo);
        Pressionar();
        EXPECT_FALSE(botao.Pressed());
        Soltar();
        EXPECT_FALSE(botao.Pressed());
    }
    EXPECT_EQ(cliques, 2);
}

TEST_F(Botao3D, ClicksOnceForAClickAndForADoubleClickNotForAReleaseOutside) {
    int cliques = 0;
    botao.aoClicar = [&] { ++cliques; };
    QTest::mouseClick(&botao, Qt::LeftButton, {}, {5, 5});
    EXPECT_EQ(cliques, 1);
    QTest::mouseClick(&botao, Qt::RightButton, {}, {5, 5});
    EXPECT_EQ(cliques, 1);
    Pressionar();
    QTest::mouseRelease(&botao, Qt::LeftButton, {}, {500, 5});
    EXPECT_EQ(cliques, 1);
    EXPECT_FALSE(botao.Pressed());

    // A double click: press, release, double click, release.
    Pressionar();
    Soltar();
    QTest::mouseDClick(&botao, Qt::LeftButton, {}, {5, 5});
    Soltar();
    EXPECT_EQ(cliques, 2);
}

TEST_F(Botao3D, InHoldStyleAQuickClickLatchesAndASecondClickReleasesOnMouseUp) {
    botao.SetButtonStyle(TCorvelaButton3DStyle::bsHoldWhenPressed);
    QTest::mouseClick(&botao, Qt::LeftButton, {}, {5, 5});
    EXPECT_TRUE(botao.Pressed());
    Pressionar();
    EXPECT_TRUE(botao.Pressed());
    Soltar();
    EXPECT_FALSE(botao.Pressed());
}

}  // namespace
