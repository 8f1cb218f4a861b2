// SPDX-License-Identifier: GPL-3.0-or-later
#include "Idioma.h"

#include <charconv>
#include <fstream>
#include <system_error>

#include "InteracaoIdiomas.h"
#include "LeituraArquivo.h"
#include "Utf8.h"

namespace mensagensIdioma {
std::string ArquivoCorrompido() {
    return std::string(
               "The file of the language you have selected is corrupted. Try to reinstall your "
               "software.\nIf the problem persist, please contact us: ") +
           std::string(EmailSuporte) + ".";
}
}  // namespace mensagensIdioma

namespace {

// The language files' own trimming, unlike ApararBrancos: blanks and every control character,
// as the stored files were stripped when they were written.
std::string_view Aparar(std::string_view s) {
    while (!s.empty() && static_cast<unsigned char>(s.front()) <= ' ') s.remove_prefix(1);
    while (!s.empty() && static_cast<unsigned char>(s.back()) <= ' ') s.remove_suffix(1);
    return s;
}

std::string TrocarCerquilhas(std::string_view valor) {
    std::string texto;
    texto.reserve(valor.size());
    for (char c : valor) {
        if (c == '#') {
            texto += "\r\n";
        } else {
            texto += c;
        }
    }
    return texto;
}

// A non-negative decimal integer between optional blanks; none otherwise.
std::optional<std::uint64_t> Natural(std::string_view texto) {
    texto = Aparar(texto);
    std::uint64_t valor = 0;
    const auto [fim, erro] = std::from_chars(texto.data(), texto.data() + texto.size(), valor);
    if (texto.empty() || erro != std::errc{} || fim != texto.data() + texto.size())
        return std::nullopt;
    return valor;
}

// The `tamanho` bytes at `offset` of the file, or none when the file is missing or shorter.
// The file's real size is checked first, so a damaged entry never causes a huge allocation, and
// no picture is larger than any file the system reads whole.
std::optional<std::vector<std::uint8_t>> LerTrecho(const std::filesystem::path& caminho,
                                                   std::uint64_t offset, std::uint64_t tamanho) {
    std::error_code erro;
    const std::uint64_t total = std::filesystem::file_size(caminho, erro);
    if (erro || offset > total || tamanho > total - offset || tamanho > LimiteBytesArquivo)
        return std::nullopt;
    std::ifstream arquivo(caminho, std::ios::binary);
    if (!arquivo) return std::nullopt;
    arquivo.seekg(static_cast<std::streamoff>(offset));
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(tamanho));
    arquivo.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(tamanho));
    if (!arquivo || static_cast<std::uint64_t>(arquivo.gcount()) != tamanho) return std::nullopt;
    return bytes;
}

}  // namespace

std::pair<std::string, std::string> SepararChaveValor(std::string_view linhaBruta) {
    const std::size_t igual = linhaBruta.find('=');
    const std::string_view chave =
        igual == std::string_view::npos ? std::string_view{} : linhaBruta.substr(0, igual);
    const std::size_t inicio = igual == std::string_view::npos ? 0 : igual + 1;
    // The stored files were written against this rule: the value is as long as the stripped
    // line minus the key plus one, counted in characters, so leading blanks shorten it.
    const auto visivel = static_cast<long long>(utf8::ContarCaracteres(Aparar(linhaBruta)));
    const long long quantidade =
        visivel - static_cast<long long>(utf8::ContarCaracteres(chave)) + 1;
    std::string valor;
    if (quantidade > 0) {
        valor = std::string(
            utf8::Inicio(linhaBruta.substr(inicio), static_cast<std::size_t>(quantidade)));
    }
    return {std::string(chave), std::move(valor)};
}

Idioma::Idioma(const std::filesystem::path& pasta, std::string_view arquivoTexto,
               std::string_view arquivoImagens, InteracaoIdiomas* interacao)
    : caminhoArquivoImagens_(pasta / std::filesystem::path(std::string(arquivoImagens))),
      interacao_(interacao) {
    const auto linhas =
        LerLinhasArquivoTexto(pasta / std::filesystem::path(std::string(arquivoTexto)));
    int secoes = 0;
    for (const auto& linha : linhas) {
        const std::string_view aparada = Aparar(linha);
        if (aparada.empty()) continue;
        if (aparada.front() == '[') {
            ++secoes;
            // The name drops the first and the last character, whatever they are.
            const std::size_t caracteres = utf8::ContarCaracteres(aparada);
            const std::string_view nome =
                caracteres >= 2 ? utf8::Trecho(aparada, 1, caracteres - 2) : std::string_view{};
            entradas_.emplace_back(std::string(nome), "CS" + std::to_string(secoes));
            continue;
        }
        auto [chave, valor] = SepararChaveValor(linha);
        entradas_.emplace_back("CS" + std::to_string(secoes) + chave, TrocarCerquilhas(valor));
    }
}

std::string Idioma::ObterTexto(std::string_view secao, std::string_view chave) const {
    const std::string* tag = nullptr;
    for (const auto& [nome, valor] : entradas_) {
        if (nome == secao) {
            tag = &valor;
            break;
        }
    }
    // No section, no text: without this guard a key written like an entry name would be found.
    if (tag == nullptr) return {};
    for (const auto& [nome, valor] : entradas_) {
        if (nome.size() == tag->size() + chave.size() && nome.starts_with(*tag) &&
            std::string_view(nome).substr(tag->size()) == chave)
            return valor;
    }
    return {};
}

std::optional<Imagem> Idioma::ObterImagem(std::string_view secao, std::string_view chave) {
    const std::string valor = ObterTexto(secao, chave);
    if (valor.empty()) return std::nullopt;
    std::optional<Imagem> imagem;
    const std::size_t virgula = valor.find(',');
    if (virgula != std::string::npos) {
        const auto offset = Natural(std::string_view(valor).substr(0, virgula));
        const auto tamanho = Natural(std::string_view(valor).substr(virgula + 1));
        if (offset && tamanho && *tamanho > 0) {
            if (const auto bytes = LerTrecho(caminhoArquivoImagens_, *offset, *tamanho)) {
                imagem = DecodificarJpeg(*bytes);
            }
        }
    }
    if (!imagem) InformarArquivoCorrompido();
    return imagem;
}

std::string Idioma::ObterNome() const { return ObterTexto("EspecificacaoIdioma", "nomeIdioma"); }

void Idioma::InformarArquivoCorrompido() {
    if (corrupcaoInformada_) return;
    corrupcaoInformada_ = true;
    if (interacao_ != nullptr) {
        interacao_->MostrarMensagem(mensagensIdioma::ArquivoCorrompido(), mensagensIdioma::Titulo);
    }
}
