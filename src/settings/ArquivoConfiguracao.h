#pragma once
// The user's settings, kept from one run to the next in an INI file beside the executable
// (its name plus ".ini"), section "geral". When the installation folder cannot be written (an
// installed copy), the file lives in the user's configuration folder instead.

#include <filesystem>
#include <string>
#include <string_view>

namespace chavesConfiguracao {
inline constexpr std::string_view Secao = "geral";
inline constexpr std::string_view idioma = "idioma";
inline constexpr std::string_view placaSom = "placaSom";
inline constexpr std::string_view instrumentoTeclado = "instrumentoTeclado";
inline constexpr std::string_view modoVisualizacao = "modoVisualizacao";
inline constexpr std::string_view mouseTocarTeclas = "mouseTocarTeclas";
// The chord chart window's choices: chords kept in their columns (0 or 1), and the spelling of
// transposed chords (0 the semitone tables, 1 sharps, 2 flats, 3 as the key is written).
inline constexpr std::string_view manterColunasCifra = "manterColunasCifra";
inline constexpr std::string_view grafiaCifra = "grafiaCifra";
}  // namespace chavesConfiguracao

// The chord chart window's remembered choices; the defaults are the plain transposition.
struct EscolhasCifra {
    static constexpr int GrafiaTabelas = 0;
    static constexpr int GrafiaTom = 3;

    bool manterColunas = false;
    int grafia = GrafiaTabelas;  // 0..3, as the key grafiaCifra says

    bool operator==(const EscolhasCifra&) const = default;
};

class ArquivoConfiguracao {
  public:
    static constexpr int PlacaSomPadrao = -1;  // no MIDI device was ever chosen
    static constexpr int InstrumentoPadrao = 0;
    static constexpr int ModoVisualizacaoPadrao = 0;
    static constexpr bool MouseTocarTeclasPadrao = false;

    // Reads the file at CaminhoPadrao. Never throws: a missing or unreadable file,
    // or any value that is not a decimal integer, gives all four defaults together.
    ArquivoConfiguracao();
    // The same for the file at `caminho` (tests and tools).
    explicit ArquivoConfiguracao(std::filesystem::path caminho);
    virtual ~ArquivoConfiguracao() = default;

    // The language name stored in the file at CaminhoPadrao, or empty text; also kept as
    // the process-wide last language (UltimoIdioma). Never throws.
    static std::string ObterIdioma();
    // The same for the file at `caminho`.
    static std::string ObterIdioma(const std::filesystem::path& caminho);
    // The language name last read by ObterIdioma or last passed to Salvar.
    static std::string UltimoIdioma();

    // Path of the configuration file: beside the executable when its folder is writable, else
    // in the user's configuration folder (EscolherCaminhoConfiguracao of Instalacao.h).
    static std::filesystem::path CaminhoPadrao();
    // The configuration file's name for an executable named `executavel` ("tastavo" gives
    // "tastavo.ini"; a ".exe" extension is replaced).
    static std::string NomeArquivoPara(std::string_view executavel);

    const std::string& NomeArquivo() const { return nomeArquivo_; }
    const std::filesystem::path& Caminho() const { return caminho_; }
    int ObterPlacaSom() const { return placaSom_; }
    int ObterInstrumentoTeclado() const { return instrumentoTeclado_; }
    int ObterModoVisualizacao() const { return modoVisualizacao_; }
    bool ObterMouseTocarTeclas() const { return mouseTocarTeclas_; }
    // The chart window's choices. A value out of range gives their defaults, without touching
    // the other settings.
    EscolhasCifra ObterEscolhasCifra() const { return escolhasCifra_; }
    // Keeps the chart window's choices for the next Salvar.
    void DefinirEscolhasCifra(const EscolhasCifra& escolhas) { escolhasCifra_ = escolhas; }

    // Stores the values and rewrites the whole file with exactly the eight lines of section
    // "geral" (the chart window's choices as DefinirEscolhasCifra last set them). The new file replaces the old one only once completely written, so a failure
    // leaves the old file as it was. A missing folder is created; a symbolic link is written
    // through to its target. Returns false when writing failed, for the caller to tell the
    // user (the next run sees the old file). Never throws except std::bad_alloc.
    bool Salvar(int placaSom, int instrumentoTeclado, int modoVisualizacao, bool mouseTocarTeclas,
                std::string_view idioma);

    // The file's contents as Salvar writes them.
    static std::string Conteudo(int placaSom, int instrumentoTeclado, int modoVisualizacao,
                                bool mouseTocarTeclas, std::string_view idioma,
                                const EscolhasCifra& escolhasCifra = {});

  private:
    std::filesystem::path caminho_;
    std::string nomeArquivo_;
    int placaSom_ = PlacaSomPadrao;
    int instrumentoTeclado_ = InstrumentoPadrao;
    int modoVisualizacao_ = ModoVisualizacaoPadrao;
    bool mouseTocarTeclas_ = MouseTocarTeclasPadrao;
    EscolhasCifra escolhasCifra_;
};
