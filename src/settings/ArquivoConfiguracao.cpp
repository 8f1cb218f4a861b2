// SPDX-License-Identifier: GPL-3.0-or-later
#include "ArquivoConfiguracao.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <system_error>

#include "Instalacao.h"
#include "LeitorIni.h"
#include "Texto.h"

#if defined(__unix__) || defined(__APPLE__)
#include <unistd.h>
#endif

namespace {

std::string& IdiomaDoProcesso() {
    static std::string idioma;
    return idioma;
}

// A decimal integer with an optional sign that fits an int, nothing else; none otherwise.
std::optional<int> Inteiro(std::string_view texto) {
    const auto valor = LerInteiroDecimal(texto);
    if (!valor || *valor < INT32_MIN || *valor > INT32_MAX) return std::nullopt;
    return static_cast<int>(*valor);
}

// The file a path finally names: a symbolic link (or a chain of them) is followed to its
// target, which need not exist yet. None for a loop of links.
std::optional<std::filesystem::path> SeguirLigacoes(std::filesystem::path caminho) {
    std::error_code erro;
    for (int saltos = 0; saltos < 40; ++saltos) {
        if (!std::filesystem::is_symlink(caminho, erro)) return caminho;
        const auto alvo = std::filesystem::read_symlink(caminho, erro);
        if (erro) return std::nullopt;
        caminho = alvo.is_absolute() ? alvo : caminho.parent_path() / alvo;
    }
    return std::nullopt;
}

// Writes `conteudo` to `arquivo` through a temporary file beside it that replaces the old file
// only when completely written and flushed to disk. A symbolic link is written through, so the
// link stays; the folder is created when missing.
bool SubstituirArquivo(const std::filesystem::path& arquivo, const std::string& conteudo) {
    const auto destino = SeguirLigacoes(arquivo);
    if (!destino) return false;
    std::error_code erro;
    if (destino->has_parent_path()) {
        std::filesystem::create_directories(destino->parent_path(), erro);
        if (erro) return false;
    }
    std::filesystem::path temporario = *destino;
    temporario += ".tmp";
    std::FILE* f = std::fopen(temporario.string().c_str(), "wb");
    if (f == nullptr) return false;
    bool ok = std::fwrite(conteudo.data(), 1, conteudo.size(), f) == conteudo.size();
    ok = std::fflush(f) == 0 && ok;
#if defined(__unix__) || defined(__APPLE__)
    ok = ::fsync(fileno(f)) == 0 && ok;
#endif
    ok = std::fclose(f) == 0 && ok;
    if (ok) {
        // The new file keeps the permissions the user gave the old one.
        const auto estado = std::filesystem::status(*destino, erro);
        if (!erro && std::filesystem::is_regular_file(estado))
            std::filesystem::permissions(temporario, estado.permissions(), erro);
        std::filesystem::rename(temporario, *destino, erro);
        if (!erro) return true;
    }
    std::filesystem::remove(temporario, erro);
    return false;
}

}  // namespace

std::string ArquivoConfiguracao::NomeArquivoPara(std::string_view executavel) {
    std::string nome(executavel);
    if (nome.size() > 4) {
        std::string fim = nome.substr(nome.size() - 4);
        for (char& c : fim) c = MinusculaAscii(c);
        if (fim == ".exe") nome.resize(nome.size() - 4);
    }
    return nome + ".ini";
}

std::filesystem::path ArquivoConfiguracao::CaminhoPadrao() {
    std::string exe = NomeExecutavel();
    if (exe.empty()) exe = "tastavo";
    const auto pasta = PastaInstalacao();
    return EscolherCaminhoConfiguracao(pasta, PastaGravavel(pasta), PastaConfiguracaoUsuario(),
                                       NomeArquivoPara(exe));
}

ArquivoConfiguracao::ArquivoConfiguracao() : ArquivoConfiguracao(CaminhoPadrao()) {}

ArquivoConfiguracao::ArquivoConfiguracao(std::filesystem::path caminho)
    : caminho_(std::move(caminho)), nomeArquivo_(caminho_.filename().string()) {
    try {
        const LeitorIni ini = LeitorIni::DeArquivo(caminho_);
        auto ler = [&](std::string_view chave, std::string_view padrao) {
            return Inteiro(ini.Ler(chavesConfiguracao::Secao, chave).value_or(std::string(padrao)));
        };
        const auto placa = ler(chavesConfiguracao::placaSom, "-1");
        const auto instrumento = ler(chavesConfiguracao::instrumentoTeclado, "0");
        const auto modo = ler(chavesConfiguracao::modoVisualizacao, "0");
        const auto mouse = ler(chavesConfiguracao::mouseTocarTeclas, "0");
        // One bad value discards them all: a half-read file is no better than none.
        if (placa && instrumento && modo && mouse) {
            // A number no setting can hold is a hand edit gone wrong: that setting alone takes
            // its default, so the windows never see it and it is not written back.
            auto dentro = [](int valor, int minimo, int maximo, int padrao) {
                return valor >= minimo && valor <= maximo ? valor : padrao;
            };
            placaSom_ = dentro(*placa, -1, INT32_MAX, PlacaSomPadrao);
            instrumentoTeclado_ = dentro(*instrumento, 0, InstrumentoMaximo, InstrumentoPadrao);
            modoVisualizacao_ = dentro(*modo, 0, ModoVisualizacaoMaximo, ModoVisualizacaoPadrao);
            mouseTocarTeclas_ = *mouse != 0;
        }
        for (std::size_t i = 1; i <= chavesConfiguracao::MaximoCancoesRecentes; ++i) {
            const auto cancao =
                ini.Ler(chavesConfiguracao::SecaoCancoesRecentes, std::to_string(i));
            if (cancao && !cancao->empty() &&
                std::find(cancoesRecentes_.begin(), cancoesRecentes_.end(), *cancao) ==
                    cancoesRecentes_.end())
                cancoesRecentes_.push_back(*cancao);
        }
        entradaMidi_ =
            ini.Ler(chavesConfiguracao::Secao, chavesConfiguracao::entradaMidi).value_or("");
        ecoarEntradaMidi_ = ler(chavesConfiguracao::ecoarEntradaMidi, "0").value_or(0) != 0;
        // The chart window's choices stand apart: a file from before them has neither.
        const auto colunas = ler(chavesConfiguracao::manterColunasCifra, "0");
        const auto grafia = ler(chavesConfiguracao::grafiaCifra, "0");
        if (colunas && grafia && (*colunas == 0 || *colunas == 1) &&
            *grafia >= EscolhasCifra::GrafiaTabelas && *grafia <= EscolhasCifra::GrafiaTom) {
            escolhasCifra_ = {*colunas == 1, *grafia};
        }
    } catch (const std::exception&) {
        // Unreadable file: the defaults stand.
    }
}

std::string ArquivoConfiguracao::ObterIdioma() { return ObterIdioma(CaminhoPadrao()); }

std::string ArquivoConfiguracao::ObterIdioma(const std::filesystem::path& caminho) {
    std::string idioma;
    try {
        idioma = LeitorIni::DeArquivo(caminho)
                     .Ler(chavesConfiguracao::Secao, chavesConfiguracao::idioma)
                     .value_or("");
    } catch (const std::exception&) {
        idioma.clear();
    }
    IdiomaDoProcesso() = idioma;
    return idioma;
}

std::string ArquivoConfiguracao::UltimoIdioma() { return IdiomaDoProcesso(); }

namespace {
// A line break inside a name would split the line and lose the keys after it.
std::string UmaLinha(std::string_view texto) {
    std::string linha(texto);
    for (char& c : linha) {
        if (c == '\r' || c == '\n') c = ' ';
    }
    return linha;
}
}  // namespace

void ArquivoConfiguracao::DefinirEntradaMidi(std::string_view nome, bool ecoar) {
    entradaMidi_ = UmaLinha(nome);
    ecoarEntradaMidi_ = ecoar;
}

std::string ArquivoConfiguracao::Conteudo(int placaSom, int instrumentoTeclado,
                                          int modoVisualizacao, bool mouseTocarTeclas,
                                          std::string_view idioma,
                                          const std::vector<std::string>& cancoesRecentes,
                                          std::string_view entradaMidi, bool ecoarEntradaMidi,
                                          const EscolhasCifra& escolhasCifra) {
    const std::string nome = UmaLinha(idioma);
    std::string texto = "[geral]\r\n";
    texto += "idioma=" + nome + "\r\n";
    texto += "placaSom=" + std::to_string(placaSom) + "\r\n";
    texto += "instrumentoTeclado=" + std::to_string(instrumentoTeclado) + "\r\n";
    texto += "modoVisualizacao=" + std::to_string(modoVisualizacao) + "\r\n";
    texto += std::string("mouseTocarTeclas=") + (mouseTocarTeclas ? "1" : "0") + "\r\n";
    if (!entradaMidi.empty() || ecoarEntradaMidi) {
        texto += "entradaMidi=" + UmaLinha(entradaMidi) + "\r\n";
        texto += std::string("ecoarEntradaMidi=") + (ecoarEntradaMidi ? "1" : "0") + "\r\n";
    }
    // The chart window's choices only once they differ from the plain transposition: the file
    // of a user who never chose keeps its six lines.
    if (escolhasCifra != EscolhasCifra{}) {
        texto +=
            std::string("manterColunasCifra=") + (escolhasCifra.manterColunas ? "1" : "0") + "\r\n";
        texto += "grafiaCifra=" + std::to_string(escolhasCifra.grafia) + "\r\n";
    }
    if (!cancoesRecentes.empty()) {
        texto += "[" + std::string(chavesConfiguracao::SecaoCancoesRecentes) + "]\r\n";
        for (std::size_t i = 0; i < cancoesRecentes.size(); ++i)
            texto += std::to_string(i + 1) + "=" + cancoesRecentes[i] + "\r\n";
    }
    return texto;
}

bool ArquivoConfiguracao::Salvar(int placaSom, int instrumentoTeclado, int modoVisualizacao,
                                 bool mouseTocarTeclas, std::string_view idioma) {
    placaSom_ = placaSom;
    instrumentoTeclado_ = instrumentoTeclado;
    modoVisualizacao_ = modoVisualizacao;
    mouseTocarTeclas_ = mouseTocarTeclas;
    IdiomaDoProcesso() = std::string(idioma);
    return SubstituirArquivo(
        caminho_, Conteudo(placaSom, instrumentoTeclado, modoVisualizacao, mouseTocarTeclas, idioma,
                           cancoesRecentes_, entradaMidi_, ecoarEntradaMidi_, escolhasCifra_));
}

void ArquivoConfiguracao::LembrarCancao(const std::string& caminho) {
    // The reader trims the value: a path with blanks at its ends would come back another path.
    if (caminho.empty() || caminho.find_first_of("\r\n") != std::string::npos ||
        ApararBrancos(caminho).size() != caminho.size())
        return;
    EsquecerCancao(caminho);
    cancoesRecentes_.insert(cancoesRecentes_.begin(), caminho);
    if (cancoesRecentes_.size() > chavesConfiguracao::MaximoCancoesRecentes)
        cancoesRecentes_.resize(chavesConfiguracao::MaximoCancoesRecentes);
}

void ArquivoConfiguracao::EsquecerCancao(const std::string& caminho) {
    std::erase(cancoesRecentes_, caminho);
}
