// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstdlib>

#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STB_IMAGE_WRITE_STATIC
#define STBI_WRITE_NO_STDIO
#include <stb/stb_image_write.h>

#include "Idioma.h"
#include "Imagem.h"
#include "InteracaoGravada.h"
#include "PastaTemporaria.h"

namespace {

// A real JPEG: the left half red, the right half blue.
std::string CodificarJpeg(int largura, int altura) {
    std::vector<unsigned char> rgb(static_cast<std::size_t>(largura * altura * 3));
    for (int y = 0; y < altura; ++y) {
        for (int x = 0; x < largura; ++x) {
            unsigned char* p = &rgb[static_cast<std::size_t>((y * largura + x) * 3)];
            p[0] = x < largura / 2 ? 220 : 10;
            p[1] = 20;
            p[2] = x < largura / 2 ? 10 : 230;
        }
    }
    std::string bytes;
    const auto acrescentar = [](void* destino, void* dados, int n) {
        static_cast<std::string*>(destino)->append(static_cast<const char*>(dados),
                                                   static_cast<std::size_t>(n));
    };
    // Quality above 90: no chroma subsampling, so the colours stay clean up to the middle.
    if (!stbi_write_jpg_to_func(acrescentar, &bytes, largura, altura, 3, rgb.data(), 95))
        bytes.clear();
    return bytes;
}

std::span<const std::uint8_t> Bytes(const std::string& s) {
    return {reinterpret_cast<const std::uint8_t*>(s.data()), s.size()};
}

void EsperarVermelhoEAzul(const Imagem& imagem) {
    const auto pixel = [&](int x, int y, int canal) {
        return static_cast<int>(
            imagem.Pixels[static_cast<std::size_t>((y * imagem.Largura + x) * 3 + canal)]);
    };
    EXPECT_NEAR(pixel(1, 1, 0), 220, 12);
    EXPECT_NEAR(pixel(1, 1, 2), 10, 12);
    EXPECT_NEAR(pixel(imagem.Largura - 2, imagem.Altura - 2, 0), 10, 12);
    EXPECT_NEAR(pixel(imagem.Largura - 2, imagem.Altura - 2, 2), 230, 12);
}

// A language whose image file holds junk, then two pictures, with good and bad entries.
struct IdiomaComImagens : ::testing::Test {
    PastaTemporaria pasta;
    RegistroInteracao registro;
    InteracaoGravada interacao{registro};
    std::string jpeg1 = CodificarJpeg(32, 16);
    std::string jpeg2 = CodificarJpeg(8, 24);

    void SetUp() override {
        ASSERT_FALSE(jpeg1.empty());
        const std::string lixo = "lixo!!!";
        pasta.Escrever("lang.dat", lixo + jpeg1 + jpeg2);
        const auto total = lixo.size() + jpeg1.size() + jpeg2.size();
        const auto n = [](std::size_t v) { return std::to_string(v); };
        pasta.Escrever("lang.idm",
                       "[fm]\n"
                       "img1=7," +
                           n(jpeg1.size()) +
                           "\n"
                           "img2=" +
                           n(7 + jpeg1.size()) + "," + n(jpeg2.size()) +
                           "\n"
                           "comBrancos= 7 , " +
                           n(jpeg1.size()) +
                           "\n"
                           "semVirgula=7\n"
                           "letras=a,b\n"
                           "alemDoFim=" +
                           n(total + 1) +
                           ",10\n"
                           "compridoDemais=7," +
                           n(total) +
                           "\n"
                           "enorme=0,99999999999999999999999\n"
                           "gigante=0,9000000000000000000\n"
                           "negativo=-1,10\n"
                           "zero=7,0\n"
                           "naoJpeg=0,7\n"
                           "truncado=7," +
                           n(jpeg1.size() / 2) + "\n");
    }
    Idioma Abrir() { return Idioma(pasta.Caminho(), "lang.idm", "lang.dat", &interacao); }
};

}  // namespace

TEST(DecodificarJpeg, DecodificaUmaImagemReal) {
    const auto imagem = DecodificarJpeg(Bytes(CodificarJpeg(40, 20)));
    ASSERT_TRUE(imagem);
    EXPECT_EQ(imagem->Largura, 40);
    EXPECT_EQ(imagem->Altura, 20);
    EXPECT_EQ(imagem->Pixels.size(), 40u * 20u * 3u);
    EsperarVermelhoEAzul(*imagem);
}

TEST(DecodificarJpeg, RecusaBytesQueNaoSaoUmaImagemCompleta) {
    const std::string jpeg = CodificarJpeg(16, 16);
    EXPECT_FALSE(DecodificarJpeg(Bytes("")));
    EXPECT_FALSE(DecodificarJpeg(Bytes("not a jpeg at all")));
    EXPECT_FALSE(DecodificarJpeg(Bytes(jpeg.substr(0, jpeg.size() / 2))));
    // A header that claims an enormous picture is refused before anything is allocated.
    std::string gigante = jpeg;
    const auto sof = gigante.find("\xFF\xC0");
    ASSERT_NE(sof, std::string::npos);
    gigante[sof + 5] = gigante[sof + 6] = gigante[sof + 7] = gigante[sof + 8] = '\xFF';
    EXPECT_FALSE(DecodificarJpeg(Bytes(gigante)));
}

TEST_F(IdiomaComImagens, LeCadaImagemPeloDeslocamentoETamanho) {
    Idioma idioma = Abrir();
    const auto a = idioma.ObterImagem("fm", "img1");
    const auto b = idioma.ObterImagem("fm", "img2");
    const auto c = idioma.ObterImagem("fm", "comBrancos");
    ASSERT_TRUE(a && b && c);
    EXPECT_EQ(std::pair(a->Largura, a->Altura), std::pair(32, 16));
    EXPECT_EQ(std::pair(b->Largura, b->Altura), std::pair(8, 24));
    EXPECT_EQ(*a, *c);
    EsperarVermelhoEAzul(*a);
    EXPECT_TRUE(registro.mensagens.empty());
}

TEST_F(IdiomaComImagens, ChaveAusenteNaoDaImagemNemMensagem) {
    Idioma idioma = Abrir();
    EXPECT_FALSE(idioma.ObterImagem("fm", "naoExiste"));
    EXPECT_FALSE(idioma.ObterImagem("outra", "img1"));
    EXPECT_TRUE(registro.mensagens.empty());
    EXPECT_FALSE(idioma.CorrupcaoInformada());
}

TEST_F(IdiomaComImagens, EntradasRuinsAvisamUmaVezENaoDaoImagem) {
    Idioma idioma = Abrir();
    for (const char* chave : {"semVirgula", "letras", "alemDoFim", "compridoDemais", "enorme",
                              "gigante", "negativo", "zero", "naoJpeg", "truncado"}) {
        EXPECT_FALSE(idioma.ObterImagem("fm", chave)) << chave;
    }
    ASSERT_EQ(registro.mensagens.size(), 1u);
    EXPECT_EQ(registro.mensagens[0], mensagensIdioma::ArquivoCorrompido());
    EXPECT_EQ(registro.titulos[0], "Internationalization");
    EXPECT_NE(registro.mensagens[0].find(
                  "corrupted. Try to reinstall your software.\nIf the problem persist, "
                  "please contact us: "),
              std::string::npos);
    // Good entries still work after the message.
    EXPECT_TRUE(idioma.ObterImagem("fm", "img2"));
    // A newly loaded language tells again.
    Idioma outro = Abrir();
    EXPECT_FALSE(outro.ObterImagem("fm", "letras"));
    EXPECT_EQ(registro.mensagens.size(), 2u);
}

TEST_F(IdiomaComImagens, ArquivoDeImagensAusenteEArquivoCorrompido) {
    std::filesystem::remove(pasta / "lang.dat");
    Idioma idioma = Abrir();
    EXPECT_FALSE(idioma.ObterImagem("fm", "img1"));
    EXPECT_EQ(registro.mensagens.size(), 1u);
}
