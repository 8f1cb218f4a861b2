// SPDX-License-Identifier: GPL-3.0-or-later
// The language list window, driven offscreen.
#include <gtest/gtest.h>

#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "CaixaMensagem.h"
#include "TformListaIdiomas.h"

namespace {

const std::vector<std::string> Nomes = {"Português", "English", "Español"};

// Keeps the message boxes it is asked to show.
struct CaixasGravadas : CaixasMensagem {
    void Informar(std::string_view texto, std::string_view titulo, QWidget*) override {
        pedidos.push_back({caixaMensagem::Tipo::Ok, std::string(texto), std::string(titulo)});
    }
    bool Perguntar(std::string_view texto, std::string_view titulo, QWidget*, std::string_view,
                   std::string_view) override {
        pedidos.push_back({caixaMensagem::Tipo::SimNao, std::string(texto), std::string(titulo)});
        return true;
    }
    std::vector<caixaMensagem::Pedido> pedidos;
};

// Runs `acao` on the window once it is shown modally.
void QuandoAbrir(TformListaIdiomas& janela, std::function<void()> acao) {
    QTimer::singleShot(0, &janela, [&janela, acao] {
        EXPECT_TRUE(janela.isVisible());
        acao();
    });
}

TEST(TformListaIdiomas, HasItsControlsAtTheirPlaces) {
    CaixasGravadas caixas;
    TformListaIdiomas janela(caixas);
    EXPECT_EQ(janela.size(), QSize(236, 252));
    EXPECT_EQ(janela.listaIdiomas->geometry(), QRect(13, 15, 210, 185));
    EXPECT_EQ(janela.btnOk->geometry(), QRect(95, 214, 75, 25));
    EXPECT_EQ(janela.btnCancelar->geometry(), QRect(175, 214, 48, 25));
    EXPECT_EQ(janela.btnOk->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_FALSE(janela.btnOk->icon().isNull());
    EXPECT_TRUE(janela.windowTitle().isEmpty());
}

TEST(TformListaIdiomas, OkReturnsTheHighlightedLine) {
    CaixasGravadas caixas;
    TformListaIdiomas janela(caixas);
    QuandoAbrir(janela, [&] {
        EXPECT_EQ(janela.listaIdiomas->count(), 3);
        EXPECT_EQ(janela.listaIdiomas->currentRow(), 1);  // highlighted as asked
        EXPECT_TRUE(janela.btnOk->isDefault());
        EXPECT_EQ(janela.focusWidget(), janela.listaIdiomas);
        janela.listaIdiomas->setCurrentRow(2);
        janela.btnOk->click();
    });
    EXPECT_EQ(janela.EscolherIndice(Nomes, 1), 2);
}

TEST(TformListaIdiomas, CancelOrOkWithoutALineGiveMinusOne) {
    CaixasGravadas caixas;
    TformListaIdiomas janela(caixas);
    QuandoAbrir(janela, [&] { janela.btnCancelar->click(); });
    EXPECT_EQ(janela.EscolherIndice(Nomes, 0), -1);
    QuandoAbrir(janela, [&] {
        EXPECT_TRUE(janela.listaIdiomas->selectedItems().isEmpty());
        janela.btnOk->click();
    });
    EXPECT_EQ(janela.EscolherIndice(Nomes, -1), -1);
}

TEST(TformListaIdiomas, ADoubleClickChooses) {
    CaixasGravadas caixas;
    TformListaIdiomas janela(caixas);
    QuandoAbrir(janela, [&] {
        QListWidgetItem* item = janela.listaIdiomas->item(1);
        const QPoint lugar = janela.listaIdiomas->visualItemRect(item).center();
        QTest::mouseClick(janela.listaIdiomas->viewport(), Qt::LeftButton, {}, lugar);
        QTest::mouseDClick(janela.listaIdiomas->viewport(), Qt::LeftButton, {}, lugar);
    });
    EXPECT_EQ(janela.EscolherIndice(Nomes, -1), 1);
}

TEST(TformListaIdiomas, MessagesGoThroughTheMessageBoxes) {
    CaixasGravadas caixas;
    TformListaIdiomas janela(caixas);
    janela.MostrarMensagem("No language files were found.", "Internationalization");
    const auto& pedidos = caixas.pedidos;
    ASSERT_EQ(pedidos.size(), 1u);
    EXPECT_EQ(pedidos[0].tipo, caixaMensagem::Tipo::Ok);
    EXPECT_EQ(pedidos[0].titulo, "Internationalization");
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
