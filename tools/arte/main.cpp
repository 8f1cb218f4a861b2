// SPDX-License-Identifier: GPL-3.0-or-later
// The artwork generator, run by the build.
//   tastavo-arte fixas <folder>                      language-independent pictures (PNG) and
//   arte.qrc tastavo-arte idioma <in.idm> <legendas.json> <out.idm> <out.dat>
//                                                    the localised pictures of one language (JPEG)
//   tastavo-arte icone <size> <out.png>              the application's icon, size pixels square
//   tastavo-arte icone svg <out.svg>                 the same icon, scalable
#include <QBuffer>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>
#include <fstream>
#include <functional>
#include <iterator>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "ArquivoIdioma.h"
#include "Desenho.h"
#include "Utf8.h"

namespace {

using arte::Fundo;
using arte::Simbolo;

struct Fixa {
    const char* nome;
    std::function<QImage()> desenhar;
};

std::vector<Fixa> Fixas() {
    auto simbolo = [](Simbolo s, int l, int a, bool p, Fundo f, int x, int y) {
        return [=] { return arte::BotaoSimbolo(s, l, a, p, f, x, y); };
    };
    // Places of the buttons on their bars: top bar in window coordinates, lower bar relative to it.
    return {
        {"teclado.png", arte::FundoTeclado},
        {"brancaPressionada.png", arte::BrancaPressionada},
        {"pretaSolta.png", arte::PretaSolta},
        {"pretaPressionada.png", arte::PretaPressionada},
        {"marca.png", arte::Marca},
        {"minimizar.png",
         simbolo(Simbolo::Minimizar, 25, 28, false, Fundo::BarraSuperior, 672, 16)},
        {"minimizarI.png",
         simbolo(Simbolo::Minimizar, 25, 28, true, Fundo::BarraSuperior, 672, 16)},
        {"help.png", simbolo(Simbolo::Ajuda, 25, 27, false, Fundo::BarraSuperior, 704, 16)},
        {"helpI.png", simbolo(Simbolo::Ajuda, 25, 27, true, Fundo::BarraSuperior, 704, 16)},
        {"fechar.png", simbolo(Simbolo::Fechar, 27, 28, false, Fundo::BarraSuperior, 736, 16)},
        {"fecharI.png", simbolo(Simbolo::Fechar, 27, 28, true, Fundo::BarraSuperior, 736, 16)},
        {"setaEsquerda.png",
         simbolo(Simbolo::SetaEsquerda, 18, 18, false, Fundo::BarraInferior, 150, 58)},
        {"setaEsquerdaI.png",
         simbolo(Simbolo::SetaEsquerda, 18, 18, true, Fundo::BarraInferior, 150, 58)},
        {"setaDireita.png",
         simbolo(Simbolo::SetaDireita, 18, 18, false, Fundo::BarraInferior, 319, 58)},
        {"setaDireitaI.png",
         simbolo(Simbolo::SetaDireita, 18, 18, true, Fundo::BarraInferior, 319, 58)},
        {"ok.png", simbolo(Simbolo::Ok, 75, 25, false, Fundo::Janela, 0, 0)},
        {"okI.png", simbolo(Simbolo::Ok, 75, 25, true, Fundo::Janela, 0, 0)},
        {"cancelar.png", simbolo(Simbolo::Cancelar, 48, 25, false, Fundo::Janela, 0, 0)},
        {"cancelarI.png", simbolo(Simbolo::Cancelar, 48, 25, true, Fundo::Janela, 0, 0)},
        {"assistenteDriver.png", arte::AssistenteDriver},
        // The chord chart window: its background and the buttons drawn over their places on it.
        {"fundoImportarCifra.png", arte::FundoImportarCifra},
        {"colar.png", simbolo(Simbolo::Colar, 24, 24, false, Fundo::ImportarCifra, 17, 21)},
        {"colarI.png", simbolo(Simbolo::Colar, 24, 24, true, Fundo::ImportarCifra, 17, 21)},
        {"ajudaCifra.png", simbolo(Simbolo::Ajuda, 24, 24, false, Fundo::ImportarCifra, 376, 10)},
        {"ajudaCifraI.png", simbolo(Simbolo::Ajuda, 24, 24, true, Fundo::ImportarCifra, 376, 10)},
        {"minimizarCifra.png",
         simbolo(Simbolo::Minimizar, 24, 24, false, Fundo::ImportarCifra, 408, 10)},
        {"minimizarCifraI.png",
         simbolo(Simbolo::Minimizar, 24, 24, true, Fundo::ImportarCifra, 408, 10)},
        {"fecharCifra.png", simbolo(Simbolo::Fechar, 24, 24, false, Fundo::ImportarCifra, 439, 10)},
        {"fecharCifraI.png", simbolo(Simbolo::Fechar, 24, 24, true, Fundo::ImportarCifra, 439, 10)},
        {"transporAcima.png", [] { return arte::BotaoTransporCifra(true, false); }},
        {"transporAcimaI.png", [] { return arte::BotaoTransporCifra(true, true); }},
        {"transporAbaixo.png", [] { return arte::BotaoTransporCifra(false, false); }},
        {"transporAbaixoI.png", [] { return arte::BotaoTransporCifra(false, true); }},
        // The print windows: close buttons and caption-less faces of the captioned buttons (the
        // button writes its caption over them), on the options window and the preview's bar.
        {"fecharImpressao.png", simbolo(Simbolo::Fechar, 24, 24, false, Fundo::Impressao, 240, 6)},
        {"fecharImpressaoI.png", simbolo(Simbolo::Fechar, 24, 24, true, Fundo::Impressao, 240, 6)},
        {"fecharVisualizar.png",
         simbolo(Simbolo::Fechar, 24, 24, false, Fundo::Visualizacao, 333, 6)},
        {"fecharVisualizarI.png",
         simbolo(Simbolo::Fechar, 24, 24, true, Fundo::Visualizacao, 333, 6)},
        {"botaoImpressao.png",
         [] { return arte::BotaoLegenda({}, 103, 20, false, Fundo::Impressao, 24, 213, false); }},
        {"botaoImpressaoI.png",
         [] { return arte::BotaoLegenda({}, 103, 20, true, Fundo::Impressao, 24, 213, false); }},
        {"botaoVisualizar.png",
         [] { return arte::BotaoLegenda({}, 103, 20, false, Fundo::Visualizacao, 9, 8, false); }},
        {"botaoVisualizarI.png",
         [] { return arte::BotaoLegenda({}, 103, 20, true, Fundo::Visualizacao, 9, 8, false); }},
    };
}

int GerarFixas(const QString& pasta) {
    QDir().mkpath(pasta);
    QString qrc = QStringLiteral("<RCC>\n  <qresource prefix=\"/arte\">\n");
    for (const Fixa& f : Fixas()) {
        const QString nome = QString::fromLatin1(f.nome);
        if (!f.desenhar().save(pasta + QLatin1Char('/') + nome, "PNG")) {
            std::fprintf(stderr, "tastavo-arte: cannot write %s\n", f.nome);
            return 1;
        }
        qrc += QStringLiteral("    <file>%1</file>\n").arg(nome);
    }
    qrc += QStringLiteral("  </qresource>\n</RCC>\n");
    QFile arquivo(pasta + QStringLiteral("/arte.qrc"));
    if (!arquivo.open(QIODevice::WriteOnly)) return 1;
    arquivo.write(qrc.toUtf8());
    return 0;
}

struct Localizada {
    const char* secao;
    const char* chave;
    std::function<QImage()> desenhar;
};

std::string LerArquivo(const char* caminho, bool& ok) {
    std::ifstream in(caminho, std::ios::binary);
    ok = static_cast<bool>(in);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string Minusculas(std::string s) {
    // Enough for the display names we ship (Latin letters and the accented vowels).
    QString q = QString::fromStdString(s).toLower();
    return q.toStdString();
}

int GerarIdioma(const char* entrada, const char* arquivoLegendas, const char* saidaIdm,
                const char* saidaDat) {
    bool ok = false;
    const std::string bruto = LerArquivo(entrada, ok);
    if (!ok) {
        std::fprintf(stderr, "tastavo-arte: cannot read %s\n", entrada);
        return 1;
    }
    const std::string jsonTexto = LerArquivo(arquivoLegendas, ok);
    const nlohmann::json todas = nlohmann::json::parse(jsonTexto, nullptr, false);
    if (!ok || todas.is_discarded() || !todas.is_object()) {
        std::fprintf(stderr, "tastavo-arte: cannot read the captions in %s\n", arquivoLegendas);
        return 1;
    }
    const std::string nome = Minusculas(
        utf8::DecodificarTexto(arte::LerEntradaIni(bruto, "EspecificacaoIdioma", "nomeIdioma")));
    const nlohmann::json padrao = todas.value("português", nlohmann::json::object());
    const nlohmann::json proprias = todas.contains(nome) ? todas[nome] : padrao;
    auto legenda = [&](const char* chave) {
        const nlohmann::json& fonte = proprias.contains(chave) ? proprias : padrao;
        return QString::fromStdString(fonte.value(chave, std::string{}));
    };
    auto botao = [&](const char* chave, int l, int a, bool p, Fundo f, int x, int y,
                     bool destaque = false) {
        return [=] { return arte::BotaoLegenda(legenda(chave), l, a, p, f, x, y, destaque); };
    };
    const std::vector<Localizada> figuras = {
        {"fmPrincipal", "imgBtnConfiguracoes",
         botao("configuracoes", 117, 20, false, Fundo::BarraSuperior, 35, 19)},
        {"fmPrincipal", "imgBtnConfiguracoesI",
         botao("configuracoes", 117, 20, true, Fundo::BarraSuperior, 35, 19)},
        {"fmPrincipal", "imgBtnAdicionar",
         botao("adicionar", 89, 20, false, Fundo::BarraInferior, 382, 36)},
        {"fmPrincipal", "imgBtnAdicionarI",
         botao("adicionar", 89, 20, true, Fundo::BarraInferior, 382, 36)},
        {"fmPrincipal", "imgBtnRemover",
         botao("remover", 89, 20, false, Fundo::BarraInferior, 382, 62)},
        {"fmPrincipal", "imgBtnRemoverI",
         botao("remover", 89, 20, true, Fundo::BarraInferior, 382, 62)},
        {"fmPrincipal", "imgBtnImprimir",
         botao("imprimir", 89, 20, false, Fundo::BarraInferior, 382, 88)},
        {"fmPrincipal", "imgBtnImprimirI",
         botao("imprimir", 89, 20, true, Fundo::BarraInferior, 382, 88)},
        {"fmPrincipal", "imgBtnImportarCifra",
         botao("importarCifra", 120, 20, false, Fundo::BarraInferior, 665, 33)},
        {"fmPrincipal", "imgBtnImportarCifraI",
         botao("importarCifra", 120, 20, true, Fundo::BarraInferior, 665, 33)},
        {"fmPrincipal", "imgBtnOuvirAcorde",
         botao("ouvir", 69, 21, false, Fundo::BarraInferior, 206, 85, true)},
        {"fmPrincipal", "imgBtnOuvirAcordeI",
         botao("ouvir", 69, 21, true, Fundo::BarraInferior, 206, 85, true)},
        {"fmPrincipal", "imgLinkCorvela", [&] { return arte::LinkSite(legenda("link")); }},
        {"fmPrincipal", "imgBarraSuperior",
         [&] { return arte::BarraSuperior(legenda("subtitulo")); }},
        {"fmPrincipal", "imgBarraInferior",
         [&] {
             return arte::BarraInferior(legenda("rotuloCifra"), legenda("rotuloCatalogo"),
                                        legenda("rotuloLista"), legenda("rotuloVisualizacao"));
         }},
        {"fmEntrada", "imgEntrada",
         [&] { return arte::Entrada(legenda("subtitulo"), legenda("carregando")); }},
        // The chord chart window's, over its background at their places.
        {"fmImportarCifra", "imgBtnImportarCifra",
         botao("importarAcordes", 120, 20, false, Fundo::ImportarCifra, 331, 389)},
        {"fmImportarCifra", "imgBtnImportarCifraI",
         botao("importarAcordes", 120, 20, true, Fundo::ImportarCifra, 331, 389)},
        {"fmImportarCifra", "imgMudarTom",
         [&] { return arte::LegendaMudarTom(legenda("mudarTom")); }},
        {"geral", "imgBtnImprimir",
         botao("imprimir", 89, 20, false, Fundo::ImportarCifra, 362, 417)},
        {"geral", "imgBtnImprimirI",
         botao("imprimir", 89, 20, true, Fundo::ImportarCifra, 362, 417)},
    };

    std::string texto = bruto;
    QByteArray dat;
    for (const Localizada& f : figuras) {
        QByteArray jpeg;
        QBuffer buffer(&jpeg);
        buffer.open(QIODevice::WriteOnly);
        if (!f.desenhar().convertToFormat(QImage::Format_RGB32).save(&buffer, "JPEG", 93)) {
            std::fprintf(stderr, "tastavo-arte: cannot encode %s\n", f.chave);
            return 1;
        }
        const std::string valor = std::to_string(dat.size()) + "," + std::to_string(jpeg.size());
        texto = arte::DefinirEntrada(texto, f.secao, f.chave, valor);
        dat += jpeg;
    }
    std::ofstream idm(saidaIdm, std::ios::binary);
    idm << texto;
    QFile arquivoDat(QString::fromLocal8Bit(saidaDat));
    if (!idm || !arquivoDat.open(QIODevice::WriteOnly) || arquivoDat.write(dat) != dat.size()) {
        std::fprintf(stderr, "tastavo-arte: cannot write %s or %s\n", saidaIdm, saidaDat);
        return 1;
    }
    return 0;
}

int GerarIcone(const QString& tamanho, const QString& saida) {
    if (tamanho == QLatin1String("svg")) {
        QDir().mkpath(QFileInfo(saida).absolutePath());
        if (arte::IconeAplicativoSvg(saida)) return 0;
        std::fprintf(stderr, "tastavo-arte: cannot write %s\n", qPrintable(saida));
        return 1;
    }
    bool ok = false;
    const int pixels = tamanho.toInt(&ok);
    if (!ok || pixels < 16 || pixels > 1024) {
        std::fprintf(stderr, "tastavo-arte: icon size must be 16 to 1024, not %s\n",
                     qPrintable(tamanho));
        return 2;
    }
    QDir().mkpath(QFileInfo(saida).absolutePath());
    if (!arte::IconeAplicativo(pixels).save(saida, "PNG")) {
        std::fprintf(stderr, "tastavo-arte: cannot write %s\n", qPrintable(saida));
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 3 && args[1] == QLatin1String("fixas")) return GerarFixas(args[2]);
    if (args.size() == 6 && args[1] == QLatin1String("idioma"))
        return GerarIdioma(argv[2], argv[3], argv[4], argv[5]);
    if (args.size() == 4 && args[1] == QLatin1String("icone")) return GerarIcone(args[2], args[3]);
    std::fprintf(stderr,
                 "usage: tastavo-arte fixas <folder>\n"
                 "       tastavo-arte idioma <in.idm> <captions.json> <out.idm> <out.dat>\n"
                 "       tastavo-arte icone <size> <out.png>\n"
                 "       tastavo-arte icone svg <out.svg>\n");
    return 2;
}
