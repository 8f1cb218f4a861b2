// SPDX-License-Identifier: GPL-3.0-or-later
// The print plugin: what `tastavo-cli print` does once its options are read. Songbooks and set
// lists on paper: the chart text with a keyboard diagram for every chord, as a PDF, as preview
// page images or as the drawing itself in JSON.
#include <QGuiApplication>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <cmath>
#include <iostream>
#include <map>
#include <memory>
#include <nlohmann/json.hpp>
#include <optional>
#include <regex>
#include <string>
#include <vector>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include "AcordesParaImpressao.h"
#include "AnaliseCifra.h"
#include "ArquivoSaida.h"
#include "ChavesIdioma.h"
#include "CifraEmPartes.h"
#include "ColecaoAcordeImpressao.h"
#include "Comandos.h"
#include "GeradorAcordesTeclado.h"
#include "GerenciadorIdiomas.h"
#include "GerenciadorImpressao.h"
#include "ImpressoraQt.h"
#include "Instalacao.h"
#include "LeituraEntrada.h"
#include "OpcoesImpressao.h"
#include "PaginasQImage.h"
#include "SaidaAcordes.h"
#include "TelaRegistro.h"
#include "Texto.h"
#include "Utf8.h"

namespace {

using imprimir::Formato;
using imprimir::Opcoes;
using imprimir::Papel;

// The PDF's resolution: its page in printer pixels is the paper at this many dots per inch.
constexpr int ResolucaoPdf = 300;
constexpr int LadoMinimo = 100;
constexpr int LadoMaximo = 100000;
constexpr int ProporcaoMaxima = 20;

int Erro(const std::string& mensagem, int status) {
    std::cerr << "tastavo-cli: print: " << mensagem << '\n';
    return status;
}

// The two header lines from the language named `nome` (the first installed when empty), or
// none after telling why.
std::optional<TextosCabecalho> TextosDoIdioma(const std::string& nome) {
    GerenciadorIdiomas idiomas(PastaInstalacao(), nullptr);
    const std::vector<std::string>& nomes = idiomas.NomesIdiomas();
    if (nomes.empty()) {
        Erro("no language files are installed beside the executable", SaidaUso);
        return std::nullopt;
    }
    int indice = nome.empty() ? 0 : -1;
    for (std::size_t i = 0; indice < 0 && i < nomes.size(); ++i) {
        if (IguaisSemCaixaAscii(nomes[i], nome)) indice = static_cast<int>(i);
    }
    if (indice < 0) {
        std::string lista;
        for (const std::string& n : nomes) lista += (lista.empty() ? "" : ", ") + n;
        Erro("language \"" + nome + "\" is not installed (installed: " + lista + ")", SaidaUso);
        return std::nullopt;
    }
    idiomas.CarregarIdioma(indice);
    return TextosCabecalho{idiomas.ObterTexto(idm::geral::Secao, idm::geral::nomeAplicacao),
                           idiomas.ObterTexto(idm::parametros::Secao, idm::parametros::urlCorvela)};
}

// A chart as the chord chart window hands it over: its lines, each followed by a line feed.
std::string TextoCifra(const std::string& decodificado) {
    std::string texto;
    for (const std::string& linha : DividirLinhas(decodificado)) {
        texto += linha;
        texto += '\n';
    }
    return texto;
}

// The print item of `cifra` with its first position, or none when no chord can be built.
std::optional<AcordeImpressao> ItemImpressao(const std::string& cifra, std::string& erro) {
    try {
        const auto acorde = GeradorAcordesTeclado::Instancia().GerarAcorde(cifra);
        if (acorde && acorde->QuantidadePosicoes() > 0) {
            return AcordeImpressao(cifra, acorde->Posicao(0));
        }
        erro = "no keyboard position";
    } catch (const std::exception& e) {
        erro = saida::DescreverErro(e).mensagem;
    }
    return std::nullopt;
}

// The chords the chart window's print button gathers: each chord once, at its first occurrence.
ColecaoAcordeImpressao AcordesDaCifra(const std::string& texto) {
    ColecaoAcordeImpressao lista;
    std::string erro;
    const GeradorAcordesTeclado& gerador = GeradorAcordesTeclado::Instancia();
    const auto construivel = [&gerador](std::string_view c) { return gerador.PodeGerar(c); };
    for (const std::string& cifra : PrimeirasOcorrencias(
             AcordesParaImpressao(ColetarAcordes(DividirLinhas(texto)), construivel))) {
        if (auto item = ItemImpressao(cifra, erro)) lista.Adicionar(*item);
    }
    return lista;
}

// A page the layout can fill: whole printer pixels from 100 to 100,000 a side, the long side at
// most 20 times the short one (a strip would make images of gigabytes, or pages of nothing).
std::optional<TamanhoPagina> LerTamanhoPagina(const std::string& texto) {
    static const std::regex formato("([0-9]{1,6})[xX]([0-9]{1,6})");
    std::smatch partes;
    if (!std::regex_match(texto, partes, formato)) return std::nullopt;
    const TamanhoPagina t{std::stoi(partes[1]), std::stoi(partes[2])};
    const auto dentro = [](int lado) { return lado >= LadoMinimo && lado <= LadoMaximo; };
    if (!dentro(t.largura) || !dentro(t.altura)) return std::nullopt;
    if (std::max(t.largura, t.altura) > ProporcaoMaxima * std::min(t.largura, t.altura)) {
        return std::nullopt;
    }
    return t;
}

QPageSize PaginaDoPapel(Papel papel) {
    return QPageSize(papel == Papel::A4 ? QPageSize::A4 : QPageSize::Letter);
}

// The paper's page in printer pixels, as the PDF writer lays it out.
TamanhoPagina PixelsDoPapel(Papel papel) {
    const QRect r = QPageLayout(PaginaDoPapel(papel), QPageLayout::Portrait, QMarginsF())
                        .fullRectPixels(ResolucaoPdf);
    return {r.width(), r.height()};
}

nlohmann::ordered_json OperacaoEmJson(const OperacaoDesenho& op) {
    using Tipo = OperacaoDesenho::Tipo;
    if (op.tipo == Tipo::Texto) {
        return {{"op", "text"},        {"x", op.x1},          {"y", op.y1},
                {"text", op.texto},    {"face", op.face},     {"size", op.alturaFonte},
                {"width", op.largura}, {"height", op.altura}, {"a_height", op.alturaA}};
    }
    const char* nome = op.tipo == Tipo::Retangulo             ? "rect"
                       : op.tipo == Tipo::RetanguloPreenchido ? "fill"
                                                              : "ellipse";
    return {{"op", nome}, {"x1", op.x1}, {"y1", op.y1}, {"x2", op.x2}, {"y2", op.y2}};
}

// Tells that `arquivo` could not be written, and why.
int ErroEscrita(const ArquivoSaida& arquivo, std::string_view motivo = {}) {
    const std::string porque = arquivo.Falhou() ? arquivo.Motivo() : std::string(motivo);
    return Erro("cannot write " + arquivo.Caminho() + ": " + porque, SaidaEntradaInvalida);
}

bool EscreverJson(const std::string& saida, TamanhoPagina tamanho,
                  const std::vector<PaginaRegistrada>& paginas) {
    nlohmann::ordered_json documento{{"width", tamanho.largura}, {"height", tamanho.altura}};
    nlohmann::ordered_json lista = nlohmann::ordered_json::array();
    for (const PaginaRegistrada& pagina : paginas) {
        nlohmann::ordered_json ops = nlohmann::ordered_json::array();
        for (const OperacaoDesenho& op : pagina) ops.push_back(OperacaoEmJson(op));
        lista.push_back(std::move(ops));
    }
    documento["pages"] = std::move(lista);
    const std::string texto =
        documento.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace) + "\n";
    if (saida == "-") {
        SaidaComando padrao("print");
        padrao.Escrever(texto);
        return padrao.Terminar();
    }
    ArquivoSaida arquivo(saida);
    if (!arquivo.Abrir() || !arquivo.Escrever(texto) || !arquivo.Concluir()) {
        ErroEscrita(arquivo);
        return false;
    }
    return true;
}

// The CLI draws pages without a display; Qt's own chatter would only clutter stderr.
void SilenciarQt(QtMsgType tipo, const QMessageLogContext&, const QString& mensagem) {
    if (tipo == QtCriticalMsg || tipo == QtFatalMsg) {
        std::cerr << "tastavo-cli: print: " << mensagem.toStdString() << '\n';
    }
}

int Executar(const Opcoes& o) {
    if (o.saida.empty()) return Erro("-o OUT is required", SaidaUso);
    if (o.zoom && o.formato == Formato::Pdf) {
        return Erro("--zoom applies to the png and json formats, not to pdf", SaidaUso);
    }
    if (o.saida == "-" && o.formato != Formato::Json) {
        return Erro("only the json format can be written to standard output", SaidaUso);
    }
    std::optional<TamanhoPagina> paginaDada;
    if (!o.tamanhoPagina.empty()) {
        paginaDada = LerTamanhoPagina(o.tamanhoPagina);
        if (!paginaDada) {
            return Erro(
                "--page-size must be WxH, two whole numbers from 100 to 100000 with the "
                "longer side at most 20 times the shorter, not \"" +
                    o.tamanhoPagina + "\"",
                SaidaUso);
        }
    }
    const ConteudoImpressao conteudo = o.conteudo.value_or(
        o.arquivos.empty() ? ConteudoImpressao::SomenteAcordes : ConteudoImpressao::CifraEAcordes);
    const bool comCifra = conteudo != ConteudoImpressao::SomenteAcordes;
    if (o.arquivos.empty() && !comCifra && o.cifras.empty()) {
        return Erro("nothing to print: give chord symbols with --chord or a chart FILE", SaidaUso);
    }

    // The songs: one per FILE, or the chart on standard input, or only the given chords.
    std::vector<MusicaImpressao> musicas;
    std::vector<std::string> fontes = o.arquivos;
    if (fontes.empty() && comCifra) fontes.push_back("-");
    for (const std::string& arquivo : fontes) {
        std::string decodificado;
        // The reader said which file and why.
        if (const int lido = LerEntradaInteira(arquivo, "print", decodificado); lido != SaidaOk)
            return lido;
        // A ChordPro song prints as its song sheet: its title in the header, no directives,
        // chords over their syllables, its chorus marked.
        MusicaImpressao musica = MusicaDaCifra(decodificado, arquivo);
        musica.textoCifra = TextoCifra(musica.textoCifra);
        musicas.push_back(std::move(musica));
    }
    if (musicas.empty()) musicas.emplace_back();

    int status = SaidaOk;
    std::optional<ColecaoAcordeImpressao> dadas;
    if (!o.cifras.empty()) {
        dadas.emplace();
        for (const std::string& cifra : o.cifras) {
            std::string erro;
            if (auto item = ItemImpressao(cifra, erro)) {
                dadas->Adicionar(*item);
            } else {
                status = SaidaEntradaInvalida;
                std::cerr << "tastavo-cli: print: " << cifra << ": " << erro << " (skipped)\n";
            }
        }
    }
    for (MusicaImpressao& musica : musicas) {
        musica.acordes = dadas ? *dadas : AcordesDaCifra(musica.textoCifra);
        if (!comCifra) musica.textoCifra.clear();
    }

#if defined(__GLIBC__)
    // Qt's PDF writer grows and frees its buffers page after page: glibc would give that memory
    // back to the system at every page and fault it in again at the next (a quarter of a long
    // print). This short-lived process keeps it instead.
    mallopt(M_TRIM_THRESHOLD, 64 << 20);
    mallopt(M_MMAP_THRESHOLD, 32 << 20);
#endif
    static int argc = 3;
    static char nome[] = "tastavo-cli";
    static char opcao[] = "-platform";
    static char plataforma[] = "offscreen";
    static char* argv[] = {nome, opcao, plataforma, nullptr};
    qInstallMessageHandler(SilenciarQt);
    QGuiApplication aplicacao(argc, argv);

    const std::optional<TextosCabecalho> textosCabecalho = TextosDoIdioma(o.idioma);
    if (!textosCabecalho) return SaidaUso;
    const TamanhoPagina papel = paginaDada.value_or(PixelsDoPapel(o.papel));

    switch (o.formato) {
        case Formato::Pdf: {
            // The PDF goes to a temporary file that takes the target's place when complete.
            ArquivoSaida arquivo(o.saida);
            if (!arquivo.Abrir()) return ErroEscrita(arquivo);
            QPdfWriter pdf(&arquivo);
            pdf.setResolution(ResolucaoPdf);
            pdf.setPageMargins(QMarginsF());
            if (paginaDada) {
                // PDF pages are whole points: the smallest one that holds the page.
                const double pontosPorPixel = 72.0 / ResolucaoPdf;
                pdf.setPageSize(QPageSize(
                    QSize(static_cast<int>(std::ceil(paginaDada->largura * pontosPorPixel)),
                          static_cast<int>(std::ceil(paginaDada->altura * pontosPorPixel))),
                    QString(), QPageSize::ExactMatch));
            } else {
                pdf.setPageSize(PaginaDoPapel(o.papel));
            }
            ImpressoraQt impressora(pdf, paginaDada);
            GerenciadorImpressao gerenciador(*textosCabecalho);
            if (gerenciador.Imprimir(impressora, conteudo, o.rotulos, musicas) !=
                ResultadoImpressao::Impresso) {
                return ErroEscrita(arquivo, "the PDF writer failed");
            }
            if (!arquivo.Concluir()) return ErroEscrita(arquivo);
            return status;
        }
        case Formato::Png: {
            FabricaPaginasQImage fabrica;
            GerenciadorImpressao gerenciador(*textosCabecalho, &fabrica);
            gerenciador.DefinirTamanhoImpressora([papel] { return papel; });
            gerenciador.Visualizar(conteudo, o.rotulos, 1, o.zoom.value_or(100), musicas);
            std::string base = o.saida;
            if (base.size() > 4 && IguaisSemCaixaAscii(base.substr(base.size() - 4), ".png")) {
                base.resize(base.size() - 4);
            }
            // Each page is painted, written and dropped in turn.
            for (int i = 0; i < gerenciador.QuantidadePaginas(); ++i) {
                const std::string arquivo = base + "-" + std::to_string(i + 1) + ".png";
                const QImage* imagem = ImagemDaPagina(gerenciador.Pagina(i));
                ArquivoSaida png(arquivo);
                if (!png.Abrir()) return ErroEscrita(png);
                if (imagem == nullptr || !imagem->save(&png, "PNG") || !png.Concluir()) {
                    return ErroEscrita(png, "the PNG writer failed");
                }
            }
            return status;
        }
        case Formato::Json: {
            MedidorTextoQt medidor;
            std::vector<PaginaRegistrada> paginas;
            TamanhoPagina tamanho = papel;
            if (o.zoom) {
                // The preview's pages: the printer's layout scaled to the zoom's page.
                FabricaPaginasRegistro fabrica(&medidor);
                GerenciadorImpressao gerenciador(*textosCabecalho, &fabrica);
                gerenciador.DefinirTamanhoImpressora([papel] { return papel; });
                gerenciador.Visualizar(conteudo, o.rotulos, 1, *o.zoom, musicas);
                tamanho = gerenciador.TamanhoPaginas();
                for (int i = 0; i < gerenciador.QuantidadePaginas(); ++i) {
                    TelaRegistro tela(&medidor);
                    ReproduzirPagina(gerenciador.DesenhoPagina(i), tela, gerenciador.Escala());
                    paginas.push_back(std::move(tela.Extrair().front()));
                }
            } else {
                ImpressoraRegistro impressora(papel, &medidor);
                GerenciadorImpressao gerenciador(*textosCabecalho);
                gerenciador.Imprimir(impressora, conteudo, o.rotulos, musicas);
                paginas = impressora.Paginas();
            }
            // Each failure was told where it happened.
            return EscreverJson(o.saida, tamanho, paginas) ? status : SaidaEntradaInvalida;
        }
    }
    return status;
}

// No exception leaves the plugin: memory running out is told like any other failure.
int ExecutarComando(const Opcoes& o) {
    try {
        return Executar(o);
    } catch (const std::bad_alloc&) {
        return Erro("out of memory", SaidaEntradaInvalida);
    }
}

}  // namespace

extern "C" __attribute__((visibility("default"))) const imprimir::Api* tastavo_plugin_impressao() {
    static const imprimir::Api api{imprimir::VersaoApi, &ExecutarComando};
    return &api;
}
