// SPDX-License-Identifier: GPL-3.0-or-later
#include "GerenciadorImpressao.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "AnaliseCifra.h"
#include "ChordPro.h"
#include "Fachada.h"
#include "Notas.h"
#include "TelaRegistro.h"
#include "Utf8.h"

namespace {

constexpr std::string_view FaceTextoCifra = "Courier New";
constexpr std::string_view FaceTitulo = "Times New Roman";
constexpr std::string_view FaceRotulos = "Arial";
// The header lines keep the surface's default face.
constexpr std::string_view FacePadrao = "";

int Truncar(double valor) { return static_cast<int>(std::trunc(valor)); }

// Where the pages of one run go: the printer's document or the preview's page images.
class DestinoPaginas {
  public:
    virtual ~DestinoPaginas() = default;
    virtual TelaImpressao& Tela() = 0;
    virtual void NovaPagina() = 0;
};

class DestinoImpressora : public DestinoPaginas {
  public:
    DestinoImpressora(ImpressoraImpressao& impressora, TelaImpressao& tela)
        : impressora_(impressora), tela_(tela) {}
    TelaImpressao& Tela() override { return tela_; }
    void NovaPagina() override { impressora_.NovaPagina(); }

  private:
    ImpressoraImpressao& impressora_;
    TelaImpressao& tela_;
};

// The preview's run: the document laid out once as drawing lists, one per page, painted into
// a page image only when that page is shown.
class DestinoRegistro : public DestinoPaginas {
  public:
    explicit DestinoRegistro(TelaImpressao* medidor) : tela_(medidor) {}
    TelaImpressao& Tela() override { return tela_; }
    void NovaPagina() override { tela_.NovaPagina(); }
    std::vector<PaginaRegistrada> Extrair() { return tela_.Extrair(); }

  private:
    TelaRegistro tela_;
};

// Byte offsets of a line's characters, with the line's end as the last entry: lines are
// broken by characters, never inside one.
std::vector<std::size_t> InicioCaracteres(std::string_view linha) {
    std::vector<std::size_t> inicio;
    inicio.reserve(linha.size() + 1);
    for (std::size_t i = 0; i < linha.size(); i += utf8::TamanhoCaractere(linha, i)) {
        inicio.push_back(i);
    }
    inicio.push_back(linha.size());
    return inicio;
}

// A line being broken: its text, where each character starts, and how many are printed.
struct LinhaQuebrada {
    explicit LinhaQuebrada(std::string_view texto)
        : texto(texto), inicio(InicioCaracteres(texto)) {}
    std::size_t Restantes() const { return inicio.size() - 1 - feitos; }
    // Character `i` of what is left is a space (past the end counts as one).
    bool Espaco(std::size_t i) const {
        return i >= Restantes() || texto[inicio[feitos + i]] == ' ';
    }
    std::string_view Trecho(std::size_t quantidade) const {
        const std::size_t fim = std::min(feitos + quantidade, inicio.size() - 1);
        return texto.substr(inicio[feitos], inicio[fim] - inicio[feitos]);
    }
    // Whether breaking before character `i` of what is left splits no word.
    bool Fronteira(std::size_t i) const { return i == 0 || Espaco(i) || Espaco(i - 1); }

    std::string_view texto;
    std::vector<std::size_t> inicio;
    std::size_t feitos = 0;
};

// One run of the layout over a document: the current height y and the page measures.
class Diagramacao {
  public:
    Diagramacao(DestinoPaginas& destino, const MedidasPagina& medidas, ModoVisualizacao modo,
                const TextosCabecalho& textos)
        : destino_(destino), m_(medidas), modo_(modo), textos_(textos), y_(m_.margemSuperior) {}

    void DesenharDocumento(ConteudoImpressao conteudo, std::span<const MusicaImpressao> musicas) {
        bool primeira = true;
        for (const MusicaImpressao& musica : musicas) {
            if (!primeira) NovaPagina();
            primeira = false;
            DesenharMusica(conteudo, musica);
        }
    }

  private:
    TelaImpressao& Tela() { return destino_.Tela(); }

    void DesenharMusica(ConteudoImpressao conteudo, const MusicaImpressao& musica) {
        // A song sheet's title replaces both lines, so that a set list names its songs.
        const bool propria = !musica.titulo.empty();
        LinhaCentralizada(propria ? musica.titulo : textos_.titulo, m_.alturaTitulo);
        LinhaCentralizada(propria ? musica.subtitulo : textos_.endereco, m_.alturaEndereco);
        switch (conteudo) {
            case ConteudoImpressao::CifraEAcordes:
                y_ += m_.espacoBlocos;
                TextoCifra(musica.textoCifra, musica.refrao);
                y_ += m_.espacoBlocos;
                GradeDiagramas(musica.acordes);
                y_ += m_.espacoBlocos;
                break;
            case ConteudoImpressao::SomenteAcordes:
                y_ += m_.espacoBlocos;
                GradeDiagramas(musica.acordes);
                y_ += m_.espacoBlocos;
                break;
            case ConteudoImpressao::SomenteCifra:
                y_ += m_.espacoBlocos;
                TextoCifra(musica.textoCifra, musica.refrao);
                break;
        }
    }

    void NovaPagina() {
        destino_.NovaPagina();
        y_ = m_.margemSuperior;
        paginaUsada_ = false;
    }

    // Starts a new page when `altura` more units do not fit above the bottom margin. A page
    // holding nothing yet is kept: an element taller than the page would otherwise leave a
    // blank page before it.
    void GarantirEspaco(double altura) {
        if (paginaUsada_ && y_ + altura > m_.altura - m_.margemInferior) NovaPagina();
        paginaUsada_ = true;
    }

    // An empty line is not written but keeps its place, so that the chart starts at the same
    // height under every header.
    void LinhaCentralizada(std::string_view texto, int alturaFonte) {
        TelaImpressao& tela = Tela();
        tela.DefinirFonte(FacePadrao, alturaFonte);
        const int x = m_.largura / 2 - tela.LarguraTexto(texto) / 2;
        if (!texto.empty()) tela.EscreverTexto(x, Truncar(y_), texto);
        y_ += tela.AlturaTexto("A") + m_.espacoLinha;
        paginaUsada_ = true;
    }

    // The chart text, one printed line per line. Nothing is cut at the right margin: the font
    // shrinks until the longest line fits, down to 60 % of its height; a line still too long
    // goes on over the next printed lines, indented by two characters, and a chord line breaks
    // at the same columns as the lyric line under it, so that chords stay over their syllables.
    // Lines of a chorus (by `refrao`) are marked by a bar in the left margin.
    void TextoCifra(std::string_view texto, const std::vector<bool>& refrao) {
        std::vector<std::size_t> origem;
        const std::vector<std::string> linhas =
            LinhasTextoCifra(texto, refrao.empty() ? nullptr : &origem);
        if (linhas.empty()) return;
        const int largura = std::max(1, m_.largura - m_.margemEsquerda - m_.margemDireita);
        std::vector<int> larguras;
        alturaCifra_ = AlturaQueCabe(linhas, largura, larguras);
        for (std::size_t i = 0; i < linhas.size(); ++i) {
            refraoAtual_ = !origem.empty() && origem[i] < refrao.size() && refrao[origem[i]];
            if (larguras[i] <= largura) {
                LinhaCifra(linhas[i]);
            } else if (i + 1 < linhas.size() && LinhaDeAcordes(linhas[i]) &&
                       LinhaContemTexto(linhas[i + 1])) {
                QuebrarPar(linhas[i], linhas[i + 1], largura);
                ++i;
            } else {
                QuebrarPar(linhas[i], {}, largura);
            }
        }
    }

    // The chart font height at which the longest line fits `largura`, not below 60 % of the
    // specified one; `larguras` gets every line's width at it.
    int AlturaQueCabe(const std::vector<std::string>& linhas, int largura,
                      std::vector<int>& larguras) {
        TelaImpressao& tela = Tela();
        const int especificada = m_.alturaTextoCifra;
        tela.DefinirFonte(FaceTextoCifra, especificada);
        larguras.resize(linhas.size());
        std::size_t maisLarga = 0;
        for (std::size_t i = 0; i < linhas.size(); ++i) {
            larguras[i] = tela.LarguraTexto(linhas[i]);
            if (larguras[i] > larguras[maisLarga]) maisLarga = i;
        }
        if (larguras[maisLarga] <= largura) return especificada;
        const int minima = std::max(1, (especificada * 6 + 9) / 10);  // 60 %, rounded up
        int altura = std::clamp(
            static_cast<int>(static_cast<double>(especificada) * largura / larguras[maisLarga]),
            minima, especificada);
        // Fonts come in whole sizes: step down until the longest line really fits.
        for (; altura > minima; --altura) {
            tela.DefinirFonte(FaceTextoCifra, altura);
            if (tela.LarguraTexto(linhas[maisLarga]) <= largura) break;
        }
        tela.DefinirFonte(FaceTextoCifra, altura);
        for (std::size_t i = 0; i < linhas.size(); ++i) larguras[i] = tela.LarguraTexto(linhas[i]);
        return altura;
    }

    // A line of chord symbols and nothing else, which the next line's syllables go with.
    static bool LinhaDeAcordes(std::string_view linha) {
        return linha.find_first_not_of(' ') != std::string_view::npos && !LinhaContemTexto(linha);
    }

    // How many of the characters left of `linha` fit `largura` after `recuo`: at least one.
    std::size_t CaracteresQueCabem(const LinhaQuebrada& linha, std::string_view recuo,
                                   int largura) {
        TelaImpressao& tela = Tela();
        std::size_t cabem = 1;
        std::size_t acima = linha.Restantes() + 1;  // the first count known not to fit
        std::string prova;
        while (acima - cabem > 1) {
            const std::size_t meio = cabem + (acima - cabem) / 2;
            prova.assign(recuo);
            prova += linha.Trecho(meio);
            (tela.LarguraTexto(prova) <= largura ? cabem : acima) = meio;
        }
        return cabem;
    }

    // Breaks `acordes` and the lyric line under it (or one line alone, `letra` empty with no
    // characters) at the same columns, preferring a column that splits no chord and no word.
    void QuebrarPar(std::string_view acordes, std::string_view letra, int largura) {
        static constexpr std::string_view Recuo = "  ";
        LinhaQuebrada a(acordes);
        LinhaQuebrada l(letra);
        std::string_view recuo;
        std::string texto;
        while (a.Restantes() > 0 || l.Restantes() > 0) {
            const std::size_t resto = std::max(a.Restantes(), l.Restantes());
            // A line whose rest fits whole sets no limit on the other.
            const auto limite = [&](const LinhaQuebrada& parte) {
                if (parte.Restantes() == 0) return resto;
                const std::size_t cabem = CaracteresQueCabem(parte, recuo, largura);
                return cabem == parte.Restantes() ? resto : cabem;
            };
            std::size_t coluna = std::min(limite(a), limite(l));
            if (coluna < resto) {
                std::size_t melhor = 0;
                for (std::size_t c = coluna; c > coluna / 2 && melhor == 0; --c) {
                    if (a.Fronteira(c) && l.Fronteira(c)) melhor = c;
                }
                for (std::size_t c = coluna; c > coluna / 2 && melhor == 0; --c) {
                    if (a.Fronteira(c)) melhor = c;
                }
                if (melhor > 0) coluna = melhor;
            }
            for (LinhaQuebrada* parte : {&a, &l}) {
                if (parte->Restantes() == 0) continue;
                const std::string_view trecho = parte->Trecho(coluna);
                parte->feitos += std::min(coluna, parte->Restantes());
                if (trecho.find_first_not_of(' ') == std::string_view::npos) continue;
                texto.assign(recuo);
                texto += trecho;
                LinhaCifra(texto);
            }
            // The continuation starts at its first character, not at the blank the break left;
            // both lines skip the same blanks, so that they keep their columns.
            std::size_t brancos = 0;
            while ((a.Restantes() > brancos || l.Restantes() > brancos) && a.Espaco(brancos) &&
                   l.Espaco(brancos)) {
                ++brancos;
            }
            a.feitos += std::min(brancos, a.Restantes());
            l.feitos += std::min(brancos, l.Restantes());
            recuo = Recuo;
        }
    }

    void LinhaCifra(std::string_view linha) {
        Tela().DefinirFonte(FaceTextoCifra, alturaCifra_);
        GarantirEspaco(Tela().AlturaTexto(linha));
        // A new page is a fresh canvas for the preview: the font is set on it again.
        TelaImpressao& tela = Tela();
        tela.DefinirFonte(FaceTextoCifra, alturaCifra_);
        tela.EscreverTexto(m_.margemEsquerda, Truncar(y_), linha);
        const int altura = tela.AlturaTexto("A") + m_.espacoLinha;
        if (refraoAtual_) {
            // The bars of touching lines join into one down the whole chorus.
            const int espessura = std::max(1, alturaCifra_ / 10);
            const int x = std::max(0, m_.margemEsquerda - alturaCifra_ / 2 - espessura);
            tela.DefinirPincel(Pincel::Preto);
            tela.RetanguloPreenchido(x, Truncar(y_), x + espessura, Truncar(y_) + altura);
        }
        y_ += altura;
    }

    void GradeDiagramas(const ColecaoAcordeImpressao& lista) {
        const int n = lista.Quantidade();
        if (n == 0) return;
        // Diagrams per row; at least one, so that a page narrower than a diagram still
        // holds its rows.
        const int largura = m_.largura - m_.margemEsquerda - m_.margemDireita;
        const int porFileira =
            m_.larguraDiagrama > 0 ? std::max(1, largura / m_.larguraDiagrama) : 1;
        const int fileiras = (n + porFileira - 1) / porFileira;
        std::vector<int> tamanhos;
        if (fileiras <= 1) {
            tamanhos.push_back(n);
        } else {
            const int base = n / fileiras;
            const int maiores = n - base * fileiras;
            for (int i = 0; i < fileiras; ++i) tamanhos.push_back(base + (i < maiores ? 1 : 0));
        }
        int inicio = 0;
        for (int tamanho : tamanhos) {
            GarantirEspaco(m_.alturaFileira);
            Fileira(lista, inicio, tamanho);
            inicio += tamanho;
            y_ += m_.alturaFileira;
        }
    }

    void Fileira(const ColecaoAcordeImpressao& lista, int inicio, int quantidade) {
        const int d = m_.larguraDiagrama;
        const int g = Truncar(d * 0.125);
        int x0 = Truncar(m_.largura / 2 - (2 * g + d) * quantidade * 0.5);
        for (int i = 0; i < quantidade; ++i) {
            const int x = x0 + g;
            Diagrama(lista.Obter(inicio + i), x);
            x0 = x + g + d;
        }
    }

    void Diagrama(const AcordeImpressao& item, int x) {
        TelaImpressao& tela = Tela();
        const int kw = m_.larguraTeclaBranca;
        const int k = m_.alturaTeclaBranca;
        const double u = m_.unidadeFonte;

        const std::string cifra = item.ObterCifra();
        tela.DefinirFonte(FaceTitulo, Truncar(u * 2.3));
        const int yt = Truncar(y_);
        tela.EscreverTexto(Truncar(x + m_.larguraDiagrama * 0.5 - tela.LarguraTexto(cifra) / 2), yt,
                           cifra);
        const int y1 = Truncar(1.5 * tela.AlturaTexto("A") + yt);

        tela.DefinirPincel(Pincel::Branco);
        for (int i = 0; i < 15; ++i) tela.Retangulo(x + i * kw, y1, x + (i + 1) * kw + 1, y1 + k);

        tela.DefinirPincel(Pincel::Preto);
        const int b = kw - m_.larguraTeclaPreta / 2 + 1;
        for (int i = 0; i < 14; ++i) {
            if (i % 7 == 2 || i % 7 == 6) continue;  // no black key after E and after B
            tela.RetanguloPreenchido(x + i * kw + b, y1, x + i * kw + b + m_.larguraTeclaPreta,
                                     y1 + m_.alturaTeclaPreta);
        }

        tela.DefinirFonte(FaceRotulos, Truncar(u));
        tela.DefinirPincel(Pincel::Branco);
        const PosicaoHarmonicaTeclado posicao = item.ObterPosicao();
        const int dm = m_.diametroMarca;
        for (int slot = 0; slot < 5; ++slot) {
            const int tecla = posicao.TeclaDoDedo(slot);
            if (tecla < 0 || tecla >= QuantidadeTeclas) continue;
            const int e = tecla % 12 > 4 ? 1 : 0;
            const int xm = (x + (kw - dm) / 2 + 1) + ((tecla + e) * kw) / 2 + kw * (tecla / 12);
            const int ym = Truncar(y1 + k * (TeclaPreta(tecla) ? 0.4 : 0.75));
            tela.Elipse(xm, ym, xm + dm, ym + dm);

            const std::string_view rotulo = RotuloTecla(cifra, tecla, slot, modo_);
            if (rotulo.empty()) continue;
            tela.DefinirFonte(FaceRotulos, AlturaRotulo(rotulo));
            tela.EscreverTexto(xm + (dm - tela.LarguraTexto(rotulo)) / 2,
                               ym + (dm - tela.AlturaTexto(rotulo)) / 2, rotulo);
        }
    }

    int AlturaRotulo(std::string_view rotulo) const {
        const double u = m_.unidadeFonte;
        switch (modo_) {
            case ModoVisualizacao::Dedos:
                return Truncar(u);
            case ModoVisualizacao::Notas:
                return Truncar(u * (rotulo.size() == 1 ? 0.8 : 0.75));
            case ModoVisualizacao::Intervalos:
                return Truncar(u * (rotulo == "b13" ? 0.6 : 0.7));
        }
        return Truncar(u);
    }

    DestinoPaginas& destino_;
    const MedidasPagina& m_;
    ModoVisualizacao modo_;
    const TextosCabecalho& textos_;
    double y_;
    bool paginaUsada_ = false;
    int alturaCifra_ = 0;       // the chart font height of the song being drawn
    bool refraoAtual_ = false;  // the chart line being drawn belongs to a chorus
};

}  // namespace

std::vector<std::string> LinhasTextoCifra(std::string_view texto,
                                          std::vector<std::size_t>* origem) {
    std::vector<std::string> linhas;
    std::size_t i = 0;
    std::size_t numero = 0;  // line feeds before i
    const std::size_t n = texto.size();
    if (origem) origem->clear();
    while (i < n) {
        if (texto[i] == '\n' || texto[i] == '\r') {
            // A run of line ends is one break, but every two touching line feeds hold an
            // empty line, which prints blank (a space).
            for (; i < n && (texto[i] == '\n' || texto[i] == '\r'); ++i) {
                if (texto[i] != '\n') continue;
                ++numero;
                if (i + 1 < n && texto[i + 1] == '\n') {
                    linhas.emplace_back(" ");
                    if (origem) origem->push_back(numero);
                }
            }
            continue;
        }
        if (origem) origem->push_back(numero);
        const std::size_t fim = texto.find_first_of("\r\n", i);
        const std::string_view trecho =
            texto.substr(i, fim == std::string_view::npos ? n - i : fim - i);
        std::string linha;
        linha.reserve(trecho.size());
        for (char c : trecho) {
            if (c == '\t') {
                linha += "  ";
            } else {
                linha += c;
            }
        }
        linhas.push_back(std::move(linha));
        i = fim == std::string_view::npos ? n : fim;
    }
    return linhas;
}

MusicaImpressao MusicaDaCifra(std::string_view texto, std::string_view nomeArquivo) {
    MusicaImpressao musica;
    if (!chordpro::ExtensaoChordPro(nomeArquivo) && !chordpro::TextoChordPro(texto)) {
        musica.textoCifra = texto;
        return musica;
    }
    chordpro::FolhaCancao folha = chordpro::FolhaDeCancao(texto);
    musica.titulo = std::move(folha.titulo);
    musica.subtitulo = std::move(folha.subtitulo);
    musica.refrao.reserve(folha.linhas.size());
    for (const chordpro::LinhaFolha& linha : folha.linhas) {
        musica.textoCifra += linha.texto;
        musica.textoCifra += '\n';
        musica.refrao.push_back(linha.refrao);
    }
    return musica;
}

GerenciadorImpressao& GerenciadorImpressao::Instancia() {
    return Fachada<GerenciadorImpressao>::Obter();
}

GerenciadorImpressao::GerenciadorImpressao(TextosCabecalho textos, FabricaPaginasImagem* fabrica)
    : textos_(std::move(textos)), fabrica_(fabrica) {}

GerenciadorImpressao::~GerenciadorImpressao() = default;

ResultadoImpressao GerenciadorImpressao::Imprimir(ImpressoraImpressao& impressora,
                                                  ConteudoImpressao conteudo, ModoVisualizacao modo,
                                                  const ColecaoAcordeImpressao& lista,
                                                  std::string_view textoCifra) {
    MusicaImpressao musica;
    musica.textoCifra = textoCifra;
    musica.acordes = lista;
    return Imprimir(impressora, conteudo, modo, std::span<const MusicaImpressao>(&musica, 1));
}

ResultadoImpressao GerenciadorImpressao::Imprimir(ImpressoraImpressao& impressora,
                                                  ConteudoImpressao conteudo, ModoVisualizacao modo,
                                                  std::span<const MusicaImpressao> musicas) {
    std::optional<TamanhoPagina> pagina;
    try {
        if (!impressora.EscolherImpressora()) return ResultadoImpressao::Cancelado;
        pagina = impressora.TamanhoPaginaImpressora();
    } catch (const std::exception&) {
        return ResultadoImpressao::ErroImpressora;
    }
    if (!pagina || pagina->largura <= 0 || pagina->altura <= 0) {
        return ResultadoImpressao::ErroImpressora;
    }
    conteudo_ = conteudo;
    modo_ = modo;
    const MedidasPagina medidas = CalcularMedidas(pagina->largura, pagina->altura);

    TelaImpressao* tela = nullptr;
    try {
        tela = &impressora.IniciarDocumento(textos_.titulo);
    } catch (const std::exception&) {
        impressora.AbortarDocumento();
        return ResultadoImpressao::ErroImpressora;
    }
    try {
        DestinoImpressora destino(impressora, *tela);
        Diagramacao(destino, medidas, modo, textos_).DesenharDocumento(conteudo, musicas);
        impressora.EncerrarDocumento();
    } catch (const std::exception&) {
        // The document is dropped so that the next print run can start.
        impressora.AbortarDocumento();
        return ResultadoImpressao::Interrompido;
    }
    return ResultadoImpressao::Impresso;
}

void GerenciadorImpressao::Visualizar(ConteudoImpressao conteudo, ModoVisualizacao modo, int pagina,
                                      int zoom, const ColecaoAcordeImpressao& lista,
                                      std::string_view textoCifra) {
    MusicaImpressao musica;
    musica.textoCifra = textoCifra;
    musica.acordes = lista;
    Visualizar(conteudo, modo, pagina, zoom, std::span<const MusicaImpressao>(&musica, 1));
}

void GerenciadorImpressao::Visualizar(ConteudoImpressao conteudo, ModoVisualizacao modo, int pagina,
                                      int zoom, std::span<const MusicaImpressao> musicas) {
    conteudo_ = conteudo;
    modo_ = modo;
    musicas_.assign(musicas.begin(), musicas.end());
    Renderizar(zoom);
    Exibir(pagina);
}

void GerenciadorImpressao::MostrarPagina(int pagina, int zoom) {
    if (zoom != zoom_ || paginas_.empty()) {
        if (fonteLista_ && fonteCifra_) {
            MusicaImpressao musica = fonteCifra_();
            musica.acordes = fonteLista_();
            musicas_.assign(1, std::move(musica));
        }
        Renderizar(zoom);
    }
    Exibir(pagina);
}

void GerenciadorImpressao::Renderizar(int zoom) {
    zoom_ = zoom;
    paginas_.clear();
    imagens_.clear();
    if (fabrica_ == nullptr) return;
    const std::optional<TamanhoPagina> impressora =
        tamanhoImpressora_ ? tamanhoImpressora_() : std::nullopt;
    tamanho_ = TamanhoPaginaVisualizacao(impressora, zoom);
    escala_ = EscalaVisualizacao(impressora, zoom);
    if (tamanho_.largura <= 0 || tamanho_.altura <= 0) return;
    // Laid out in the printer's own measures and drawn scaled: every page breaks where the
    // printout's does.
    const TamanhoPagina pagina = PaginaDiagramacaoVisualizacao(impressora);
    const MedidasPagina medidas = CalcularMedidas(pagina.largura, pagina.altura);
    DestinoRegistro destino(fabrica_->Medidor());
    Diagramacao(destino, medidas, modo_, textos_).DesenharDocumento(conteudo_, musicas_);
    paginas_ = destino.Extrair();
}

const PaginaImagem& GerenciadorImpressao::Pagina(int indice) {
    const std::size_t i = static_cast<std::size_t>(indice);
    const PaginaRegistrada& desenho = paginas_.at(i);
    for (auto it = imagens_.begin(); it != imagens_.end(); ++it) {
        if (it->first == indice) {
            // The most recently shown page goes to the front.
            std::rotate(imagens_.begin(), it, it + 1);
            return *imagens_.front().second;
        }
    }
    // Only the few pages shown last are kept as pictures: memory follows the drawing, not
    // the document's pixels.
    if (imagens_.size() >= ImagensGuardadas) imagens_.pop_back();
    std::unique_ptr<PaginaImagem> imagem = fabrica_->CriarPagina(tamanho_);
    ReproduzirPagina(desenho, imagem->Tela(), escala_);
    imagem->Concluir();
    imagens_.emplace(imagens_.begin(), indice, std::move(imagem));
    return *imagens_.front().second;
}

void GerenciadorImpressao::Exibir(int pagina) {
    if (exibicao_ == nullptr || paginas_.empty()) return;
    const int indice = std::clamp(pagina, 1, QuantidadePaginas()) - 1;
    exibicao_->ExibirPagina(Pagina(indice), tamanho_.largura, tamanho_.altura, QuantidadePaginas());
}
