// SPDX-License-Identifier: GPL-3.0-or-later
// The data shipped in the installation folder (build/bin): both languages, the chord names
// catalogue and the instrument lists.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "BaseNomesAcordes.h"
#include "CaminhosTeste.h"
#include "ChavesIdioma.h"
#include "GeradorAcordesTeclado.h"
#include "GerenciadorIdiomas.h"
#include "LeituraArquivo.h"
#include "Utf8.h"

namespace {

const std::filesystem::path Instalacao = tastavo_teste::PastaBinarios();

// Every text key the windows ask for (pictures come with the artwork).
const std::pair<std::string_view, std::string_view> ChavesDeTexto[] = {
    {idm::EspecificacaoIdioma::Secao, idm::EspecificacaoIdioma::nomeIdioma},
    {idm::EspecificacaoIdioma::Secao, idm::EspecificacaoIdioma::codAplicacao},
    {idm::geral::Secao, idm::geral::nomeAplicacao},
    {idm::geral::Secao, idm::geral::tituloAplicacao},
    {idm::geral::Secao, idm::geral::erroGeral},
    {idm::geral::Secao, idm::geral::erroPPP},
    {idm::geral::Secao, idm::geral::rotuloBtnOk},
    {idm::geral::Secao, idm::geral::rotuloBtnCancelar},
    {idm::geral::Secao, idm::geral::hintBtnAjuda},
    {idm::geral::Secao, idm::geral::hintBtnMinimizar},
    {idm::geral::Secao, idm::geral::hintBtnFechar},
    {idm::geral::Secao, idm::geral::erroEncontrarAjuda},
    {idm::geral::Secao, idm::geral::erroAbrirNavegador},
    {idm::parametros::Secao, idm::parametros::caminhoAjuda},
    {idm::parametros::Secao, idm::parametros::ancoraAjudaImportarCifra},
    {idm::parametros::Secao, idm::parametros::caminhoPaginaAjudaCifras},
    {idm::parametros::Secao, idm::parametros::caminhoArquivoBaseNomesAcordes},
    {idm::parametros::Secao, idm::parametros::caminhoArquivoInstrumentosMidi},
    {idm::parametros::Secao, idm::parametros::urlCorvela},
    {idm::exp::Secao, idm::exp::msgFormatoInvalido},
    {idm::exp::Secao, idm::exp::msgRaizNaoEncontrada},
    {idm::fmPrincipal::Secao, idm::fmPrincipal::hintImgLinkCorvela},
    {idm::fmPrincipal::Secao, idm::fmPrincipal::hintEditNomeAcorde},
    {idm::fmPrincipal::Secao, idm::fmPrincipal::hintComboBaseAcordes},
    {idm::fmPrincipal::Secao, idm::fmPrincipal::hintComboModoVisualizacao},
    {idm::fmPrincipal::Secao, idm::fmPrincipal::hintBtnAnterior},
    {idm::fmPrincipal::Secao, idm::fmPrincipal::hintBtnProximo},
    {idm::fmPrincipal::Secao, idm::fmPrincipal::hintBtnOuvirAcorde},
    {idm::fmPrincipal::Secao, idm::fmPrincipal::hintBtnAdicionar},
    {idm::fmPrincipal::Secao, idm::fmPrincipal::hintBtnRemover},
    {idm::fmPrincipal::Secao, idm::fmPrincipal::hintBtnImprimir},
    {idm::fmPrincipal::Secao, idm::fmPrincipal::hintBtnImportarCifra},
    {idm::fmPrincipal::Secao, idm::fmPrincipal::hintBtnConfiguracoes},
    {idm::fmPrincipal::Secao, idm::fmPrincipal::hintBtnClose},
    {idm::fmPrincipal::Secao, idm::fmPrincipal::itemsComboModoVisualizacao1},
    {idm::fmPrincipal::Secao, idm::fmPrincipal::itemsComboModoVisualizacao2},
    {idm::fmPrincipal::Secao, idm::fmPrincipal::itemsComboModoVisualizacao3},
    {idm::fmPrincipal::Secao, idm::fmPrincipal::msgExpFormatoInvalido},
    {idm::fmPrincipal::Secao, idm::fmPrincipal::msgExpFormatoInvalidoTitulo},
    {idm::fmPrincipal::Secao, idm::fmPrincipal::msgListaImpressaoVazia},
    {idm::fmPrincipal::Secao, idm::fmPrincipal::msgConfirmarSaidaPrograma},
    {idm::fmPrincipal::Secao, idm::fmPrincipal::msgPlacaDesconfigurada},
    {idm::fmSetup::Secao, idm::fmSetup::caption},
    {idm::fmSetup::Secao, idm::fmSetup::captionInstrumentos},
    {idm::fmSetup::Secao, idm::fmSetup::captionDrivers},
    {idm::fmSetup::Secao, idm::fmSetup::captionChkDesabilitarToque},
    {idm::fmSetup::Secao, idm::fmSetup::btnAssistenteDriver},
    {idm::fmSetup::Secao, idm::fmSetup::msgErroAbrirArquivo},
    {idm::fmAssistenteConfiguracaoDriver::Secao, idm::fmAssistenteConfiguracaoDriver::titulo},
    {idm::fmAssistenteConfiguracaoDriver::Secao, idm::fmAssistenteConfiguracaoDriver::lblTitulo1_A},
    {idm::fmAssistenteConfiguracaoDriver::Secao,
     idm::fmAssistenteConfiguracaoDriver::lblExplicacao1_A},
    {idm::fmAssistenteConfiguracaoDriver::Secao, idm::fmAssistenteConfiguracaoDriver::btnEscutando},
    {idm::fmAssistenteConfiguracaoDriver::Secao,
     idm::fmAssistenteConfiguracaoDriver::btnNaoEscutando},
    {idm::fmAssistenteConfiguracaoDriver::Secao,
     idm::fmAssistenteConfiguracaoDriver::btnProsseguir},
    {idm::fmAssistenteConfiguracaoDriver::Secao, idm::fmAssistenteConfiguracaoDriver::btnCancelar},
    {idm::fmAssistenteConfiguracaoDriver::Secao, idm::fmAssistenteConfiguracaoDriver::btnFinalizar},
    {idm::fmAssistenteConfiguracaoDriver::Secao,
     idm::fmAssistenteConfiguracaoDriver::lblLinkVolumeWindows},
    {idm::fmAssistenteConfiguracaoDriver::Secao, idm::fmAssistenteConfiguracaoDriver::lblTitulo2_A},
    {idm::fmAssistenteConfiguracaoDriver::Secao,
     idm::fmAssistenteConfiguracaoDriver::lblExplicacao2_A1},
    {idm::fmAssistenteConfiguracaoDriver::Secao,
     idm::fmAssistenteConfiguracaoDriver::lblExplicacao2_A2},
    {idm::fmAssistenteConfiguracaoDriver::Secao, idm::fmAssistenteConfiguracaoDriver::lblTitulo2_B},
    {idm::fmAssistenteConfiguracaoDriver::Secao,
     idm::fmAssistenteConfiguracaoDriver::lblExplicacao2_B},
    {idm::fmAssistenteConfiguracaoDriver::Secao, idm::fmAssistenteConfiguracaoDriver::lblTitulo2_C},
    {idm::fmAssistenteConfiguracaoDriver::Secao,
     idm::fmAssistenteConfiguracaoDriver::lblExplicacao2_C},
    {idm::fmAssistenteConfiguracaoDriver::Secao, idm::fmAssistenteConfiguracaoDriver::lblTitulo2_D},
    {idm::fmAssistenteConfiguracaoDriver::Secao,
     idm::fmAssistenteConfiguracaoDriver::lblExplicacao2_D},
    {idm::fmAssistenteConfiguracaoDriver::Secao,
     idm::fmAssistenteConfiguracaoDriver::erroAbrirVolumeWindows},
    {idm::fmImportarCifra::Secao, idm::fmImportarCifra::titulo},
    {idm::fmImportarCifra::Secao, idm::fmImportarCifra::nomeSemitom},
    {idm::fmImportarCifra::Secao, idm::fmImportarCifra::hintBtnColar},
    {idm::fmImportarCifra::Secao, idm::fmImportarCifra::hintBtnImportarCifra},
    {idm::fmImportarCifra::Secao, idm::fmImportarCifra::hintBtnImprimir},
    {idm::fmImportarCifra::Secao, idm::fmImportarCifra::textoMemoCifra},
    {idm::fmImportarCifra::Secao, idm::fmImportarCifra::hintMemoCifra},
    {idm::fmImportarCifra::Secao, idm::fmImportarCifra::hintBtnTransporAcima},
    {idm::fmImportarCifra::Secao, idm::fmImportarCifra::hintBtnTransporAbaixo},
    {idm::fmImpressao::Secao, idm::fmImpressao::titulo},
    {idm::fmImpressao::Secao, idm::fmImpressao::lblExplicacaoConteudo},
    {idm::fmImpressao::Secao, idm::fmImpressao::lblExplicacaoRotulo},
    {idm::fmImpressao::Secao, idm::fmImpressao::btnImprimir},
    {idm::fmImpressao::Secao, idm::fmImpressao::btnVisualizarImpressao},
    {idm::fmImpressao::Secao, idm::fmImpressao::comboRotuloItem1},
    {idm::fmImpressao::Secao, idm::fmImpressao::comboRotuloItem2},
    {idm::fmImpressao::Secao, idm::fmImpressao::comboRotuloItem3},
    {idm::fmImpressao::Secao, idm::fmImpressao::comboOpcoesImpressaoItem1},
    {idm::fmImpressao::Secao, idm::fmImpressao::comboOpcoesImpressaoItem2},
    {idm::fmImpressao::Secao, idm::fmImpressao::comboOpcoesImpressaoItem3},
    {idm::fmImpressao::Secao, idm::fmImpressao::erroImpressora},
    {idm::fmVisualizarImpressao::Secao, idm::fmVisualizarImpressao::lblPagina},
    {idm::fmVisualizarImpressao::Secao, idm::fmVisualizarImpressao::lblDe},
    {idm::fmVisualizarImpressao::Secao, idm::fmVisualizarImpressao::btnImprimir},
};

// Section -> keys of a language file, from its raw entries.
std::map<std::string, std::set<std::string>> SecoesEChaves(const Idioma& idioma) {
    std::map<std::string, std::string> secaoDaTag;
    std::map<std::string, std::set<std::string>> resultado;
    for (const auto& [nome, valor] : idioma.Entradas()) {
        if (!nome.starts_with("CS")) {
            EXPECT_EQ(secaoDaTag.count(valor), 0u);
            EXPECT_EQ(resultado.count(nome), 0u) << "section repeated: " << nome;
            secaoDaTag[valor] = nome;
            resultado[nome];
        }
    }
    for (const auto& [nome, valor] : idioma.Entradas()) {
        if (!nome.starts_with("CS")) continue;
        const auto fim = nome.find_first_not_of("0123456789", 2);
        const std::string tag = nome.substr(0, fim);
        EXPECT_TRUE(secaoDaTag.count(tag)) << "key before any section: " << nome;
        EXPECT_TRUE(resultado[secaoDaTag[tag]].insert(nome.substr(fim)).second)
            << "key repeated: " << nome;
    }
    return resultado;
}

struct Instalados : ::testing::Test {
    GerenciadorIdiomas idiomas{Instalacao, nullptr};
};

}  // namespace

TEST_F(Instalados, DoisIdiomasComAsMesmasSecoesEChaves) {
    auto nomes = idiomas.NomesIdiomas();
    std::sort(nomes.begin(), nomes.end());
    ASSERT_EQ(nomes, (std::vector<std::string>{"English", "Português"}));
    std::map<std::string, std::set<std::string>> primeiro;
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(idiomas.NomesIdiomas()[static_cast<std::size_t>(i)]);
        ASSERT_NE(idiomas.CarregarIdioma(i), nullptr);
        const auto secoes = SecoesEChaves(*idiomas.IdiomaAtual());
        if (i == 0) primeiro = secoes;
        EXPECT_EQ(secoes, primeiro);
        for (const auto& [secao, chave] : ChavesDeTexto) {
            EXPECT_NE(idiomas.ObterTexto(secao, chave), "") << secao << "/" << chave;
        }
        // Every .dat exists beside its .idm, ready for the artwork.
        EXPECT_TRUE(std::filesystem::exists(idiomas.IdiomaAtual()->CaminhoArquivoImagens()));
        EXPECT_EQ(idiomas.ObterTexto(idm::geral::Secao, idm::geral::nomeAplicacao),
                  "Corvela Tastavo");
    }
}

TEST_F(Instalados, CatalogoDeNomesDeAcordes) {
    std::set<std::filesystem::path> arquivos;
    for (int i = 0; i < static_cast<int>(idiomas.NomesIdiomas().size()); ++i) {
        idiomas.CarregarIdioma(i);
        arquivos.insert(idiomas.CaminhoParametro(idm::parametros::caminhoArquivoBaseNomesAcordes));
    }
    for (const auto& arquivo : arquivos) {
        SCOPED_TRACE(arquivo.string());
        const auto linhas = LerLinhasArquivoTexto(arquivo);
        EXPECT_GE(linhas.size(), 600u);
        EXPECT_EQ(std::set<std::string>(linhas.begin(), linhas.end()).size(), linhas.size())
            << "repeated names";
        std::set<NomeNota> raizes;
        for (const auto& nome : linhas) {
            // Every name a user can pick must show on the keyboard, not only parse.
            try {
                const auto acorde = GeradorAcordesTeclado::Instancia().GerarAcorde(nome);
                EXPECT_GT(acorde->QuantidadePosicoes(), 0) << nome;
                raizes.insert(RaizCifra(acorde->Codigo()));
            } catch (const std::exception& e) {
                ADD_FAILURE() << "\"" << nome << "\": " << e.what();
            }
        }
        EXPECT_EQ(raizes.size(), 17u);
        const BaseNomesAcordes base(arquivo);
        for (const char* comum :
             {"C", "Am", "G7", "F7M", "Dm7", "E7(9)", "Bm7(b5)", "Cº", "Bb/D", "Gsus4", "C5",
              "D(add9)", "F#m", "Ebm6", "A7(13)", "Db7(#11)", "C/E", "Am/G"}) {
            EXPECT_NE(base.Procurar(comum), -1) << comum;
        }
    }
}

TEST_F(Instalados, ListasDeInstrumentos) {
    for (int i = 0; i < static_cast<int>(idiomas.NomesIdiomas().size()); ++i) {
        idiomas.CarregarIdioma(i);
        const auto arquivo =
            idiomas.CaminhoParametro(idm::parametros::caminhoArquivoInstrumentosMidi);
        SCOPED_TRACE(arquivo.string());
        const auto linhas = LerLinhasArquivoTexto(arquivo);
        ASSERT_EQ(linhas.size(), 128u);
        for (const auto& nome : linhas) {
            EXPECT_FALSE(nome.empty());
            EXPECT_LE(utf8::ContarCaracteres(nome), 17u) << nome;
            EXPECT_TRUE(nome.front() != ' ' && nome.back() != ' ') << "\"" << nome << "\"";
        }
    }
}

TEST_F(Instalados, DicasEMensagensDeCifraNumaSoLinha) {
    // "#" is a line break in a language value: a sharp sign written in a hint or in a message
    // about chord symbols would split the text in the middle of a sentence.
    for (int i = 0; i < static_cast<int>(idiomas.NomesIdiomas().size()); ++i) {
        idiomas.CarregarIdioma(i);
        SCOPED_TRACE(idiomas.NomesIdiomas()[static_cast<std::size_t>(i)]);
        const auto secoes = SecoesEChaves(*idiomas.IdiomaAtual());
        for (const auto& [secao, chaves] : secoes) {
            for (const auto& chave : chaves) {
                if (secao != idm::exp::Secao && !chave.starts_with("hint")) continue;
                EXPECT_EQ(idiomas.ObterTexto(secao, chave).find_first_of("\r\n"), std::string::npos)
                    << secao << "/" << chave;
            }
        }
    }
}
