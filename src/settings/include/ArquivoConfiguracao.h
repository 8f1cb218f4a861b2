// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The user's settings, kept from one run to the next in an INI file beside the executable
// (its name plus ".ini"), section "geral". When the installation folder cannot be written (an
// installed copy), the file lives in the user's configuration folder instead.

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace chavesConfiguracao {
inline constexpr std::string_view Secao = "geral";
inline constexpr std::string_view idioma = "idioma";
inline constexpr std::string_view placaSom = "placaSom";
inline constexpr std::string_view instrumentoTeclado = "instrumentoTeclado";
inline constexpr std::string_view modoVisualizacao = "modoVisualizacao";
inline constexpr std::string_view mouseTocarTeclas = "mouseTocarTeclas";
// The songs last opened or saved in the chord chart window, newest first: keys "1" to "8".
inline constexpr std::string_view SecaoCancoesRecentes = "cancoesRecentes";
inline constexpr std::size_t MaximoCancoesRecentes = 8;
// The MIDI input listened to, by its name (device numbers change as devices come and go), and
// whether the notes played on it sound through the output. Written only once chosen.
inline constexpr std::string_view entradaMidi = "entradaMidi";
inline constexpr std::string_view ecoarEntradaMidi = "ecoarEntradaMidi";
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
    // The values a setting can take; one outside its range is read as its default.
    static constexpr int InstrumentoMaximo = 127;     // MIDI programs 0-127
    static constexpr int ModoVisualizacaoMaximo = 2;  // fingers, note names, intervals

    // Reads the file at CaminhoPadrao. Never throws: a missing or unreadable file,
    // or any value that is not a decimal integer, gives all four defaults together; a number
    // out of its setting's range (a device below -1, an instrument past 127, a view mode past
    // 2) gives that setting alone its default.
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
    // The MIDI input's name, empty for none (the default); whether its notes sound (default no).
    // Read apart from the four numbers: a bad value here costs only itself.
    const std::string& ObterEntradaMidi() const { return entradaMidi_; }
    bool ObterEcoarEntradaMidi() const { return ecoarEntradaMidi_; }
    // The MIDI input values the next Salvar writes.
    void DefinirEntradaMidi(std::string_view nome, bool ecoar);

    // The songs last opened or saved, newest first, at most MaximoCancoesRecentes; read with
    // the other values and written by Salvar.
    const std::vector<std::string>& CancoesRecentes() const { return cancoesRecentes_; }
    // Puts `caminho` first in the recent songs (once: an older entry of it goes), dropping the
    // oldest beyond the maximum. A path with a line break cannot be stored and is ignored.
    void LembrarCancao(const std::string& caminho);
    // Takes `caminho` out of the recent songs (a file that is gone).
    void EsquecerCancao(const std::string& caminho);

    // Stores the values and rewrites the whole file with exactly the six lines of section
    // "geral" (then the MIDI input and the chart window's choices where they differ from the
    // defaults), then the recent songs in their own section. The new file replaces the old one only
    // once completely written, so a failure The chart window's choices. A value out of range gives
    // their defaults, without touching the other settings.
    EscolhasCifra ObterEscolhasCifra() const { return escolhasCifra_; }
    // Keeps the chart window's choices for the next Salvar.
    void DefinirEscolhasCifra(const EscolhasCifra& escolhas) { escolhasCifra_ = escolhas; }

    // leaves the old file as it was. A missing folder is created; a symbolic link is written
    // through to its target. Returns false when writing failed, for the caller to tell the
    // user (the next run sees the old file). Never throws except std::bad_alloc.
    bool Salvar(int placaSom, int instrumentoTeclado, int modoVisualizacao, bool mouseTocarTeclas,
                std::string_view idioma);

    // The file's contents as Salvar writes them.
    // The MIDI input's two lines follow only when an input is chosen or echo is on.
    static std::string Conteudo(int placaSom, int instrumentoTeclado, int modoVisualizacao,
                                bool mouseTocarTeclas, std::string_view idioma,
                                const std::vector<std::string>& cancoesRecentes = {},
                                std::string_view entradaMidi = {}, bool ecoarEntradaMidi = false,
                                const EscolhasCifra& escolhasCifra = {});

  private:
    std::filesystem::path caminho_;
    std::string nomeArquivo_;
    int placaSom_ = PlacaSomPadrao;
    int instrumentoTeclado_ = InstrumentoPadrao;
    int modoVisualizacao_ = ModoVisualizacaoPadrao;
    bool mouseTocarTeclas_ = MouseTocarTeclasPadrao;
    std::vector<std::string> cancoesRecentes_;
    std::string entradaMidi_;
    bool ecoarEntradaMidi_ = false;
    EscolhasCifra escolhasCifra_;
};
