// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every section and key of the language files, defined once so that windows never repeat the
// literals. One namespace per section: `Secao` is the section's name, the other names are its
// keys (a "-" in a key is written "_" in the identifier).

#include <string_view>

namespace idm {

namespace EspecificacaoIdioma {
inline constexpr std::string_view Secao = "EspecificacaoIdioma";
inline constexpr std::string_view nomeIdioma = "nomeIdioma";
inline constexpr std::string_view codAplicacao = "codAplicacao";
}  // namespace EspecificacaoIdioma

namespace geral {
inline constexpr std::string_view Secao = "geral";
inline constexpr std::string_view nomeAplicacao = "nomeAplicacao";
inline constexpr std::string_view tituloAplicacao = "tituloAplicacao";
inline constexpr std::string_view erroGeral = "erroGeral";
inline constexpr std::string_view erroPPP = "erroPPP";
inline constexpr std::string_view rotuloBtnOk = "rotuloBtnOk";
inline constexpr std::string_view rotuloBtnCancelar = "rotuloBtnCancelar";
inline constexpr std::string_view hintBtnAjuda = "hintBtnAjuda";
inline constexpr std::string_view hintBtnMinimizar = "hintBtnMinimizar";
inline constexpr std::string_view hintBtnFechar = "hintBtnFechar";
inline constexpr std::string_view erroEncontrarAjuda = "erroEncontrarAjuda";
inline constexpr std::string_view erroAbrirNavegador = "erroAbrirNavegador";
inline constexpr std::string_view imgBtnImprimir = "imgBtnImprimir";
inline constexpr std::string_view imgBtnImprimirI = "imgBtnImprimirI";
// Captions of the Yes and No buttons of the questions.
inline constexpr std::string_view rotuloBtnSim = "rotuloBtnSim";
inline constexpr std::string_view rotuloBtnNao = "rotuloBtnNao";
}  // namespace geral

namespace parametros {
inline constexpr std::string_view Secao = "parametros";
inline constexpr std::string_view caminhoAjuda = "caminhoAjuda";
inline constexpr std::string_view ancoraAjudaImportarCifra = "ancoraAjudaImportarCifra";
inline constexpr std::string_view caminhoPaginaAjudaCifras = "caminhoPaginaAjudaCifras";
inline constexpr std::string_view caminhoArquivoBaseNomesAcordes = "caminhoArquivoBaseNomesAcordes";
inline constexpr std::string_view caminhoArquivoInstrumentosMidi = "caminhoArquivoInstrumentosMidi";
inline constexpr std::string_view urlCorvela = "urlCorvela";
}  // namespace parametros

// Messages about chord symbols.
namespace exp {
inline constexpr std::string_view Secao = "exp";
inline constexpr std::string_view msgFormatoInvalido = "msgFormatoInvalido";
inline constexpr std::string_view msgRaizNaoEncontrada = "msgRaizNaoEncontrada";
}  // namespace exp

// The splash window.
namespace fmEntrada {
inline constexpr std::string_view Secao = "fmEntrada";
inline constexpr std::string_view imgEntrada = "imgEntrada";
}  // namespace fmEntrada

namespace fmPrincipal {
inline constexpr std::string_view Secao = "fmPrincipal";
inline constexpr std::string_view hintImgLinkCorvela = "hintImgLinkCorvela";
inline constexpr std::string_view hintEditNomeAcorde = "hintEditNomeAcorde";
inline constexpr std::string_view hintComboBaseAcordes = "hintComboBaseAcordes";
inline constexpr std::string_view hintComboModoVisualizacao = "hintComboModoVisualizacao";
inline constexpr std::string_view hintBtnAnterior = "hintBtnAnterior";
inline constexpr std::string_view hintBtnProximo = "hintBtnProximo";
inline constexpr std::string_view hintBtnOuvirAcorde = "hintBtnOuvirAcorde";
inline constexpr std::string_view hintBtnAdicionar = "hintBtnAdicionar";
inline constexpr std::string_view hintBtnRemover = "hintBtnRemover";
inline constexpr std::string_view hintBtnImprimir = "hintBtnImprimir";
inline constexpr std::string_view hintBtnImportarCifra = "hintBtnImportarCifra";
inline constexpr std::string_view hintBtnConfiguracoes = "hintBtnConfiguracoes";
inline constexpr std::string_view hintBtnClose = "hintBtnClose";
inline constexpr std::string_view itemsComboModoVisualizacao1 = "itemsComboModoVisualizacao1";
inline constexpr std::string_view itemsComboModoVisualizacao2 = "itemsComboModoVisualizacao2";
inline constexpr std::string_view itemsComboModoVisualizacao3 = "itemsComboModoVisualizacao3";
inline constexpr std::string_view imgBtnConfiguracoes = "imgBtnConfiguracoes";
inline constexpr std::string_view imgBtnConfiguracoesI = "imgBtnConfiguracoesI";
inline constexpr std::string_view imgBtnAdicionar = "imgBtnAdicionar";
inline constexpr std::string_view imgBtnAdicionarI = "imgBtnAdicionarI";
inline constexpr std::string_view imgBtnRemover = "imgBtnRemover";
inline constexpr std::string_view imgBtnRemoverI = "imgBtnRemoverI";
inline constexpr std::string_view imgBtnImprimir = "imgBtnImprimir";
inline constexpr std::string_view imgBtnImprimirI = "imgBtnImprimirI";
inline constexpr std::string_view imgBtnImportarCifra = "imgBtnImportarCifra";
inline constexpr std::string_view imgBtnImportarCifraI = "imgBtnImportarCifraI";
inline constexpr std::string_view imgBtnOuvirAcorde = "imgBtnOuvirAcorde";
inline constexpr std::string_view imgBtnOuvirAcordeI = "imgBtnOuvirAcordeI";
inline constexpr std::string_view imgLinkCorvela = "imgLinkCorvela";
inline constexpr std::string_view imgBarraSuperior = "imgBarraSuperior";
inline constexpr std::string_view imgBarraInferior = "imgBarraInferior";
inline constexpr std::string_view msgExpFormatoInvalido = "msgExpFormatoInvalido";
inline constexpr std::string_view msgExpFormatoInvalidoTitulo = "msgExpFormatoInvalidoTitulo";
inline constexpr std::string_view msgListaImpressaoVazia = "msgListaImpressaoVazia";
inline constexpr std::string_view msgConfirmarSaidaPrograma = "msgConfirmarSaidaPrograma";
inline constexpr std::string_view msgPlacaDesconfigurada = "msgPlacaDesconfigurada";
// Leaving could not store the settings; the configuration file's path follows the text.
inline constexpr std::string_view msgErroGravarConfiguracao = "msgErroGravarConfiguracao";
// Accessible names and the words of the keyboard's spoken description.
inline constexpr std::string_view nomeBtnConfiguracoes = "nomeBtnConfiguracoes";
inline constexpr std::string_view nomeBtnMinimizar = "nomeBtnMinimizar";
inline constexpr std::string_view nomeBtnHelp = "nomeBtnHelp";
inline constexpr std::string_view nomeBtnClose = "nomeBtnClose";
inline constexpr std::string_view nomeImgLinkCorvela = "nomeImgLinkCorvela";
inline constexpr std::string_view nomeEditNomeAcorde = "nomeEditNomeAcorde";
inline constexpr std::string_view nomeComboBaseAcordes = "nomeComboBaseAcordes";
inline constexpr std::string_view nomeListaImpressao = "nomeListaImpressao";
inline constexpr std::string_view hintListaImpressao = "hintListaImpressao";
inline constexpr std::string_view nomeComboModoVisualizacao = "nomeComboModoVisualizacao";
inline constexpr std::string_view nomeBtnAnterior = "nomeBtnAnterior";
inline constexpr std::string_view nomeBtnProximo = "nomeBtnProximo";
inline constexpr std::string_view nomeBtnAdicionar = "nomeBtnAdicionar";
inline constexpr std::string_view nomeBtnRemover = "nomeBtnRemover";
inline constexpr std::string_view nomeBtnImprimir = "nomeBtnImprimir";
inline constexpr std::string_view nomeBtnOuvirAcorde = "nomeBtnOuvirAcorde";
inline constexpr std::string_view nomeBtnImportarCifra = "nomeBtnImportarCifra";
inline constexpr std::string_view nomeTeclado = "nomeTeclado";
inline constexpr std::string_view lblPosicao = "lblPosicao";
inline constexpr std::string_view lblDe = "lblDe";
inline constexpr std::string_view lblDedos = "lblDedos";
inline constexpr std::string_view lblIntervalos = "lblIntervalos";
inline constexpr std::string_view lblSemAcorde = "lblSemAcorde";
inline constexpr std::string_view msgSemSaidaAudio = "msgSemSaidaAudio";
}  // namespace fmPrincipal

// The sound settings window.
namespace fmSetup {
inline constexpr std::string_view Secao = "fmSetup";
inline constexpr std::string_view caption = "caption";
inline constexpr std::string_view captionInstrumentos = "captionInstrumentos";
inline constexpr std::string_view captionDrivers = "captionDrivers";
inline constexpr std::string_view captionChkDesabilitarToque = "captionChkDesabilitarToque";
inline constexpr std::string_view btnAssistenteDriver = "btnAssistenteDriver";
inline constexpr std::string_view msgErroAbrirArquivo = "msgErroAbrirArquivo";
// The MIDI input below the output devices.
inline constexpr std::string_view lblEntradaMidi = "lblEntradaMidi";
inline constexpr std::string_view itemNenhumaEntrada = "itemNenhumaEntrada";
inline constexpr std::string_view captionChkEcoarEntrada = "captionChkEcoarEntrada";
inline constexpr std::string_view hintComboEntradaMidi = "hintComboEntradaMidi";
}  // namespace fmSetup

// The sound driver wizard.
namespace fmAssistenteConfiguracaoDriver {
inline constexpr std::string_view Secao = "fmAssistenteConfiguracaoDriver";
inline constexpr std::string_view titulo = "titulo";
inline constexpr std::string_view lblTitulo1_A = "lblTitulo1-A";
inline constexpr std::string_view lblExplicacao1_A = "lblExplicacao1-A";
inline constexpr std::string_view btnEscutando = "btnEscutando";
inline constexpr std::string_view btnNaoEscutando = "btnNaoEscutando";
inline constexpr std::string_view btnProsseguir = "btnProsseguir";
inline constexpr std::string_view btnCancelar = "btnCancelar";
inline constexpr std::string_view btnFinalizar = "btnFinalizar";
inline constexpr std::string_view lblLinkVolumeWindows = "lblLinkVolumeWindows";
inline constexpr std::string_view lblTitulo2_A = "lblTitulo2-A";
inline constexpr std::string_view lblExplicacao2_A1 = "lblExplicacao2-A1";
inline constexpr std::string_view lblExplicacao2_A2 = "lblExplicacao2-A2";
inline constexpr std::string_view lblTitulo2_B = "lblTitulo2-B";
inline constexpr std::string_view lblExplicacao2_B = "lblExplicacao2-B";
inline constexpr std::string_view lblTitulo2_C = "lblTitulo2-C";
inline constexpr std::string_view lblExplicacao2_C = "lblExplicacao2-C";
inline constexpr std::string_view lblTitulo2_D = "lblTitulo2-D";
inline constexpr std::string_view lblExplicacao2_D = "lblExplicacao2-D";
inline constexpr std::string_view erroAbrirVolumeWindows = "erroAbrirVolumeWindows";
inline constexpr std::string_view msgSemSaidaAudio = "msgSemSaidaAudio";
}  // namespace fmAssistenteConfiguracaoDriver

// The chord chart window.
namespace fmImportarCifra {
inline constexpr std::string_view Secao = "fmImportarCifra";
inline constexpr std::string_view titulo = "titulo";
inline constexpr std::string_view nomeSemitom = "nomeSemitom";
inline constexpr std::string_view hintBtnColar = "hintBtnColar";
inline constexpr std::string_view hintBtnImportarCifra = "hintBtnImportarCifra";
inline constexpr std::string_view hintBtnImprimir = "hintBtnImprimir";
inline constexpr std::string_view textoMemoCifra = "textoMemoCifra";
inline constexpr std::string_view hintMemoCifra = "hintMemoCifra";
inline constexpr std::string_view hintBtnTransporAcima = "hintBtnTransporAcima";
inline constexpr std::string_view hintBtnTransporAbaixo = "hintBtnTransporAbaixo";
inline constexpr std::string_view imgBtnImportarCifra = "imgBtnImportarCifra";
inline constexpr std::string_view imgBtnImportarCifraI = "imgBtnImportarCifraI";
inline constexpr std::string_view imgMudarTom = "imgMudarTom";
// Song files and long work.
inline constexpr std::string_view menuAbrir = "menuAbrir";
inline constexpr std::string_view menuSalvar = "menuSalvar";
inline constexpr std::string_view menuSalvarComo = "menuSalvarComo";
inline constexpr std::string_view menuRecentes = "menuRecentes";
inline constexpr std::string_view tituloAbrir = "tituloAbrir";
inline constexpr std::string_view tituloSalvar = "tituloSalvar";
inline constexpr std::string_view filtroArquivos = "filtroArquivos";
inline constexpr std::string_view msgSalvarAlteracoes = "msgSalvarAlteracoes";
inline constexpr std::string_view rotuloBtnSalvar = "rotuloBtnSalvar";
inline constexpr std::string_view rotuloBtnDescartar = "rotuloBtnDescartar";
inline constexpr std::string_view erroAbrirArquivo = "erroAbrirArquivo";
inline constexpr std::string_view erroSalvarArquivo = "erroSalvarArquivo";
inline constexpr std::string_view erroArquivoGrande = "erroArquivoGrande";
inline constexpr std::string_view erroArquivoPasta = "erroArquivoPasta";
inline constexpr std::string_view erroArquivoBinario = "erroArquivoBinario";
inline constexpr std::string_view erroArquivoIlegivel = "erroArquivoIlegivel";
inline constexpr std::string_view msgTrabalhando = "msgTrabalhando";
inline constexpr std::string_view nomeMemoCifra = "nomeMemoCifra";
inline constexpr std::string_view nomeBtnColar = "nomeBtnColar";
inline constexpr std::string_view nomeBtnImportarCifra = "nomeBtnImportarCifra";
inline constexpr std::string_view nomeBtnImprimir = "nomeBtnImprimir";
// The text box's context menu: the transposition choices.
inline constexpr std::string_view menuManterColunas = "menuManterColunas";
inline constexpr std::string_view menuGrafia = "menuGrafia";
inline constexpr std::string_view menuGrafiaTabelas = "menuGrafiaTabelas";
inline constexpr std::string_view menuGrafiaSustenidos = "menuGrafiaSustenidos";
inline constexpr std::string_view menuGrafiaBemois = "menuGrafiaBemois";
inline constexpr std::string_view menuGrafiaTom = "menuGrafiaTom";
}  // namespace fmImportarCifra

// The print options window and the printer error message.
namespace fmImpressao {
inline constexpr std::string_view Secao = "fmImpressao";
inline constexpr std::string_view titulo = "titulo";
inline constexpr std::string_view lblExplicacaoConteudo = "lblExplicacaoConteudo";
inline constexpr std::string_view lblExplicacaoRotulo = "lblExplicacaoRotulo";
inline constexpr std::string_view btnImprimir = "btnImprimir";
inline constexpr std::string_view btnVisualizarImpressao = "btnVisualizarImpressao";
inline constexpr std::string_view comboRotuloItem1 = "comboRotuloItem1";
inline constexpr std::string_view comboRotuloItem2 = "comboRotuloItem2";
inline constexpr std::string_view comboRotuloItem3 = "comboRotuloItem3";
inline constexpr std::string_view comboOpcoesImpressaoItem1 = "comboOpcoesImpressaoItem1";
inline constexpr std::string_view comboOpcoesImpressaoItem2 = "comboOpcoesImpressaoItem2";
inline constexpr std::string_view comboOpcoesImpressaoItem3 = "comboOpcoesImpressaoItem3";
inline constexpr std::string_view erroImpressora = "erroImpressora";
}  // namespace fmImpressao

// The print preview window.
namespace fmVisualizarImpressao {
inline constexpr std::string_view Secao = "fmVisualizarImpressao";
inline constexpr std::string_view lblPagina = "lblPagina";
inline constexpr std::string_view lblDe = "lblDe";
inline constexpr std::string_view btnImprimir = "btnImprimir";
inline constexpr std::string_view nomeComboZoom = "nomeComboZoom";
inline constexpr std::string_view nomePagina = "nomePagina";
}  // namespace fmVisualizarImpressao

}  // namespace idm
