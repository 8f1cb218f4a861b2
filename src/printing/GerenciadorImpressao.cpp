// SPDX-License-Identifier: GPL-3.0-or-later
#include "GerenciadorImpressao.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "Fachada.h"
#include "Notas.h"

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

class DestinoImagens : public DestinoPaginas {
  public:
    DestinoImagens(FabricaPaginasImagem& fabrica, TamanhoPagina tamanho,
                   std::vector<std::unique_ptr<PaginaImagem>>& paginas)
        : fabrica_(fabrica), tamanho_(tamanho), paginas_(paginas) {
        atual_ = fabrica_.CriarPagina(tamanho_);
    }
    TelaImpressao& Tela() override { return atual_->Tela(); }
    void NovaPagina() override {
        Concluir();
        atual_ = fabrica_.CriarPagina(tamanho_);
    }
    // Appends the page being drawn to the finished ones.
    void Concluir() {
        atual_->Concluir();
        paginas_.push_back(std::move(atual_));
    }

  private:
    FabricaPaginasImagem& fabrica_;
    TamanhoPagina tamanho_;
    std::vector<std::unique_ptr<PaginaImagem>>& paginas_;
    std::unique_ptr<PaginaImagem> atual_;
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
        LinhaCentralizada(textos_.titulo, m_.alturaTitulo);
        LinhaCentralizada(textos_.endereco, m_.alturaEndereco);
        switch (conteudo) {
            case ConteudoImpressao::CifraEAcordes:
                y_ += m_.espacoBlocos;
                TextoCifra(musica.textoCifra);
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
                TextoCifra(musica.textoCifra);
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

    void LinhaCentralizada(std::string_view texto, int alturaFonte) {
        TelaImpressao& tela = Tela();
        tela.DefinirFonte(FacePadrao, alturaFonte);
        const int x = m_.largura / 2 - tela.LarguraTexto(texto) / 2;
        tela.EscreverTexto(x, Truncar(y_), texto);
        y_ += tela.AlturaTexto("A") + m_.espacoLinha;
        paginaUsada_ = true;
    }

    void TextoCifra(std::string_view texto) {
        for (const std::string& linha : LinhasTextoCifra(texto)) {
            Tela().DefinirFonte(FaceTextoCifra, m_.alturaTextoCifra);
            GarantirEspaco(Tela().AlturaTexto(linha));
            // A new page is a fresh canvas for the preview: the font is set on it again.
            TelaImpressao& tela = Tela();
            tela.DefinirFonte(FaceTextoCifra, m_.alturaTextoCifra);
            tela.EscreverTexto(m_.margemEsquerda, Truncar(y_), linha);
            y_ += tela.AlturaTexto("A") + m_.espacoLinha;
        }
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
};

}  // namespace

std::vector<std::string> LinhasTextoCifra(std::string_view texto) {
    std::vector<std::string> linhas;
    std::size_t i = 0;
    const std::size_t n = texto.size();
    while (i < n) {
        if (texto[i] == '\n' || texto[i] == '\r') {
            // A run of line ends is one break, but every two touching line feeds hold an
            // empty line, which prints blank (a space).
            for (; i < n && (texto[i] == '\n' || texto[i] == '\r'); ++i) {
                if (texto[i] == '\n' && i + 1 < n && texto[i + 1] == '\n') linhas.emplace_back(" ");
            }
            continue;
        }
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

GerenciadorImpressao& GerenciadorImpressao::Instancia() { return Fachada<GerenciadorImpressao>::Obter(); }

GerenciadorImpressao::GerenciadorImpressao(TextosCabecalho textos, FabricaPaginasImagem* fabrica)
    : textos_(std::move(textos)), fabrica_(fabrica) {}

GerenciadorImpressao::~GerenciadorImpressao() = default;

ResultadoImpressao GerenciadorImpressao::Imprimir(ImpressoraImpressao& impressora,
                                                  ConteudoImpressao conteudo, ModoVisualizacao modo,
                                                  const ColecaoAcordeImpressao& lista,
                                                  std::string_view textoCifra) {
    const MusicaImpressao musica{std::string(textoCifra), lista};
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
    const MusicaImpressao musica{std::string(textoCifra), lista};
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
        if (fonteLista_ && fonteTexto_) {
            musicas_.assign(1, MusicaImpressao{fonteTexto_(), fonteLista_()});
        }
        Renderizar(zoom);
    }
    Exibir(pagina);
}

void GerenciadorImpressao::Renderizar(int zoom) {
    zoom_ = zoom;
    paginas_.clear();
    if (fabrica_ == nullptr) return;
    const std::optional<TamanhoPagina> impressora =
        tamanhoImpressora_ ? tamanhoImpressora_() : std::nullopt;
    tamanho_ = TamanhoPaginaVisualizacao(impressora, zoom);
    if (tamanho_.largura <= 0 || tamanho_.altura <= 0) return;
    const MedidasPagina medidas = CalcularMedidas(tamanho_.largura, tamanho_.altura);
    DestinoImagens destino(*fabrica_, tamanho_, paginas_);
    Diagramacao(destino, medidas, modo_, textos_).DesenharDocumento(conteudo_, musicas_);
    destino.Concluir();
}

void GerenciadorImpressao::Exibir(int pagina) {
    if (exibicao_ == nullptr || paginas_.empty()) return;
    const int indice = std::clamp(pagina, 1, QuantidadePaginas()) - 1;
    exibicao_->ExibirPagina(*paginas_[static_cast<std::size_t>(indice)], tamanho_.largura,
                            tamanho_.altura, QuantidadePaginas());
}
