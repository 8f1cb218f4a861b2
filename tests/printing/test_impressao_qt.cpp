// SPDX-License-Identifier: GPL-3.0-or-later
// The page layout on Qt: fonts by cell height, real print runs into PDF files through
// QPdfWriter and QPrinter (checked with pdfinfo and pdftoppm), and preview page images.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QImage>
#include <QPdfWriter>
#include <QPrinter>
#include <array>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "GeradorAcordesTeclado.h"
#include "GerenciadorImpressao.h"
#include "ImpressoraQt.h"
#include "PaginasQImage.h"
#include "TelaRegistro.h"

namespace {

namespace fs = std::filesystem;

const TextosCabecalho Textos{"Corvela Tastavo", "https://www.corvela.example/"};

std::string Comando(const std::string& comando) {
    std::string saida;
    FILE* p = popen(comando.c_str(), "r");
    if (p == nullptr) return saida;
    std::array<char, 4096> b{};
    std::size_t n;
    while ((n = fread(b.data(), 1, b.size(), p)) > 0) saida.append(b.data(), n);
    pclose(p);
    return saida;
}

// The page count pdfinfo reads from `pdf`, or -1.
int PaginasPdf(const fs::path& pdf) {
    const std::string info = Comando("pdfinfo '" + pdf.string() + "' 2>/dev/null");
    const auto pos = info.find("Pages:");
    return pos == std::string::npos ? -1 : std::stoi(info.substr(pos + 6));
}

// Page `pagina` of `pdf` rendered by pdftoppm at `dpi`.
QImage PaginaRenderizada(const fs::path& pdf, int pagina, int dpi) {
    const fs::path base = pdf.parent_path() / (pdf.stem().string() + "_render");
    const std::string n = std::to_string(pagina);
    Comando("pdftoppm -r " + std::to_string(dpi) + " -png -singlefile -f " + n + " -l " + n + " '" +
            pdf.string() + "' '" + base.string() + "'");
    QImage imagem(QString::fromStdString(base.string() + ".png"));
    fs::remove(base.string() + ".png");
    return imagem;
}

// Pixels darker than mid-grey inside `area`.
int Escuros(const QImage& imagem, QRect area) {
    int n = 0;
    area = area.intersected(imagem.rect());
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qGray(imagem.pixel(x, y)) < 128) ++n;
    return n;
}

// A folder of its own for each test process.
class PastaTeste : public testing::Test {
  protected:
    void SetUp() override {
        pasta_ =
            fs::path(testing::TempDir()) / ("tastavo_impressao_qt_" + std::to_string(getpid()));
        fs::create_directories(pasta_);
    }
    void TearDown() override { fs::remove_all(pasta_); }
    fs::path pasta_;
};

ColecaoAcordeImpressao Lista(std::initializer_list<const char*> cifras) {
    ColecaoAcordeImpressao lista;
    for (const char* c : cifras) {
        lista.Adicionar(
            AcordeImpressao(c, GeradorAcordesTeclado::Instancia().GerarAcorde(c)->Posicao(0)));
    }
    return lista;
}

std::string Cifra(int linhas) {
    std::string texto = "Tom: G\n";
    for (int i = 0; i < linhas; ++i) {
        texto += i % 2 ? "Canção da luz, linha " + std::to_string(i) + "\n" : "G    D/F#   Em7\n";
    }
    return texto;
}

TEST(TelaQt, AFonteTemAAlturaDeCelulaPedida) {
    // Fonts come in whole pixel sizes: the line height, ascent plus descent, is the height
    // asked for to within half a pixel step of the face, on an image and on a 300 dpi PDF.
    QImage imagem(10, 10, QImage::Format_RGB32);
    QPdfWriter pdf(QString::fromStdString(testing::TempDir() + "/nunca_escrito.pdf"));
    pdf.setResolution(300);
    FontesQt fontes;
    for (const char* face : {"", "Courier New", "Times New Roman", "Arial"}) {
        for (int altura = 4; altura <= 160; ++altura) {
            const QFont fonte = fontes.Obter(face, altura).fonte;
            for (const QPaintDevice* dispositivo :
                 {static_cast<QPaintDevice*>(&imagem), static_cast<QPaintDevice*>(&pdf)}) {
                EXPECT_NEAR(QFontMetricsF(fonte, dispositivo).height(), altura, 0.6)
                    << '"' << face << "\" " << altura << " at " << dispositivo->logicalDpiY();
            }
        }
    }
    // The chart's face is fixed-pitch; a text's height is its font's cell height.
    QPainter pintor(&imagem);
    TelaQt tela(pintor, fontes);
    tela.DefinirFonte("Courier New", 65);
    EXPECT_EQ(tela.AlturaTexto("Ag"), 65);
    EXPECT_EQ(tela.LarguraTexto("MMMMMMMMMM"), tela.LarguraTexto("iiiiiiiiii"));
    EXPECT_EQ(tela.LarguraTexto("Canção"), tela.LarguraTexto("aaaaaa"));
}

TEST(TelaQt, LetraEmOutraEscritaSaiComoOQtAModela) {
    // Latin lines skip the shaping engine for speed; Arabic letters must still join.
    const std::string arabe = "سلام عليكم";
    FontesQt fontes;
    QImage nossa(400, 80, QImage::Format_RGB32), qt(400, 80, QImage::Format_RGB32);
    nossa.fill(Qt::white);
    qt.fill(Qt::white);
    {
        QPainter pintor(&nossa);
        TelaQt tela(pintor, fontes);
        tela.DefinirFonte("Courier New", 40);
        tela.EscreverTexto(10, 10, "Canção");
        tela.EscreverTexto(10, 40, arabe);
    }
    {
        const FontesQt::Fonte& f = fontes.Obter("Courier New", 40);
        QPainter pintor(&qt);
        pintor.setRenderHint(QPainter::TextAntialiasing, true);
        pintor.setFont(f.fonte);
        pintor.drawText(QPointF(10, 10 + f.ascendente), QString::fromUtf8("Canção"));
        pintor.drawText(QPointF(10, 40 + f.ascendente), QString::fromStdString(arabe));
    }
    EXPECT_EQ(nossa, qt);
}

TEST_F(PastaTeste, ImpressaoEmPdfPeloQPdfWriterComAsPaginasDoLeiaute) {
    const fs::path arquivo = pasta_ / "cifra.pdf";
    const std::string texto = Cifra(90);
    const auto lista = Lista({"G", "D/F#", "Em7", "C7M(9)", "Am"});
    {
        QPdfWriter pdf(QString::fromStdString(arquivo.string()));
        pdf.setResolution(300);
        pdf.setPageMargins(QMarginsF());
        pdf.setPageSize(QPageSize(QPageSize::A4));
        ImpressoraQt impressora(pdf);
        GerenciadorImpressao gerenciador(Textos);
        ASSERT_EQ(gerenciador.Imprimir(impressora, ConteudoImpressao::CifraEAcordes,
                                       ModoVisualizacao::Notas, lista, texto),
                  ResultadoImpressao::Impresso);
    }
    // The same document recorded with Qt's measures has as many pages.
    MedidorTextoQt medidor;
    ImpressoraRegistro registro({2479, 3508}, &medidor);
    GerenciadorImpressao(Textos).Imprimir(registro, ConteudoImpressao::CifraEAcordes,
                                          ModoVisualizacao::Notas, lista, texto);
    ASSERT_GE(registro.Paginas().size(), 3u);
    EXPECT_EQ(PaginasPdf(arquivo), static_cast<int>(registro.Paginas().size()));
    EXPECT_NE(Comando("pdfinfo '" + arquivo.string() + "'").find("Corvela Tastavo"),
              std::string::npos);

    // Page 1 at 100 dpi (a 2479-pixel page is 827 wide): a header in the top band, text in
    // the body; the last page holds the diagrams.
    const QImage primeira = PaginaRenderizada(arquivo, 1, 100);
    ASSERT_FALSE(primeira.isNull());
    EXPECT_GT(Escuros(primeira, QRect(250, 50, 330, 60)), 300);
    EXPECT_GT(Escuros(primeira, QRect(40, 200, 400, 800)), 3000);
    const QImage ultima = PaginaRenderizada(arquivo, PaginasPdf(arquivo), 100);
    EXPECT_GT(Escuros(ultima, ultima.rect()), 10000);  // black keys
}

TEST_F(PastaTeste, ImpressaoPeloQPrinterEmArquivoPdf) {
    const fs::path arquivo = pasta_ / "impressora.pdf";
    QPrinter impressora(QPrinter::HighResolution);
    impressora.setOutputFormat(QPrinter::PdfFormat);
    impressora.setOutputFileName(QString::fromStdString(arquivo.string()));
    impressora.setPageSize(QPageSize(QPageSize::Letter));
    impressora.setFullPage(true);
    ImpressoraQt saida(impressora);
    const auto tamanho = saida.TamanhoPaginaImpressora();
    ASSERT_TRUE(tamanho);
    GerenciadorImpressao gerenciador(Textos);
    ASSERT_EQ(gerenciador.Imprimir(saida, ConteudoImpressao::SomenteAcordes,
                                   ModoVisualizacao::Intervalos, Lista({"C", "Caug", "Bb7"}), ""),
              ResultadoImpressao::Impresso);
    EXPECT_EQ(PaginasPdf(arquivo), 1);
    const QImage pagina = PaginaRenderizada(arquivo, 1, 50);
    EXPECT_EQ(pagina.width(), 425);  // 8.5 in
    EXPECT_GT(Escuros(pagina, pagina.rect()), 1000);
}

TEST_F(PastaTeste, UmDocumentoQueNaoPodeComecarEhErroDeImpressora) {
    // A PDF in a folder that does not exist cannot be opened.
    QPdfWriter pdf(QString::fromStdString((pasta_ / "nao" / "existe.pdf").string()));
    ImpressoraQt impressora(pdf);
    GerenciadorImpressao gerenciador(Textos);
    EXPECT_EQ(gerenciador.Imprimir(impressora, ConteudoImpressao::SomenteAcordes,
                                   ModoVisualizacao::Dedos, Lista({"C"}), ""),
              ResultadoImpressao::ErroImpressora);
}

struct ExibicaoCopia : ExibicaoPagina {
    void ExibirPagina(const PaginaImagem& pagina, int largura, int altura, int n) override {
        const QImage* imagem = ImagemDaPagina(pagina);
        ASSERT_NE(imagem, nullptr);
        copia = imagem->copy();
        tamanho = {largura, altura};
        quantidade = n;
    }
    QImage copia;
    TamanhoPagina tamanho;
    int quantidade = 0;
};

TEST(PaginasQImage, AVisualizacaoDesenhaPaginasBrancasComOLeiaute) {
    FabricaPaginasQImage fabrica;
    ExibicaoCopia exibicao;
    GerenciadorImpressao gerenciador(Textos, &fabrica);
    gerenciador.DefinirExibicao(&exibicao);
    gerenciador.DefinirTamanhoImpressora([] { return TamanhoPagina{2479, 3508}; });
    gerenciador.Visualizar(ConteudoImpressao::CifraEAcordes, ModoVisualizacao::Dedos, 1, 200,
                           Lista({"C", "G"}), Cifra(10));
    ASSERT_EQ(gerenciador.QuantidadePaginas(), 1);
    EXPECT_EQ(exibicao.tamanho, (TamanhoPagina{720, 1019}));
    EXPECT_EQ(exibicao.copia.size(), QSize(720, 1019));
    // White margins, a header, black keys lower down.
    EXPECT_EQ(Escuros(exibicao.copia, QRect(0, 0, 720, 30)), 0);
    EXPECT_GT(Escuros(exibicao.copia, QRect(200, 30, 320, 50)), 100);
    EXPECT_GT(Escuros(exibicao.copia, QRect(0, 400, 720, 600)), 2000);

    // Not a Qt page.
    EXPECT_EQ(ImagemDaPagina(PaginaRegistro({10, 10}, nullptr)), nullptr);
}

}  // namespace
