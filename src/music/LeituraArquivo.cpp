// SPDX-License-Identifier: GPL-3.0-or-later
#include "LeituraArquivo.h"

#include <algorithm>

#include "Plataforma.h"
#include "Texto.h"
#include "Utf8.h"

namespace {

class CategoriaLeitura : public std::error_category {
  public:
    const char* name() const noexcept override { return "tastavo-leitura"; }
    std::string message(int valor) const override {
        switch (static_cast<ErroLeitura>(valor)) {
            case ErroLeitura::NaoRegular:
                return "not a regular file";
            case ErroLeitura::GrandeDemais:
                return "larger than " + std::to_string(LimiteBytesArquivo / (1024 * 1024)) + " MiB";
            case ErroLeitura::Binario:
                return "not a text file";
        }
        return "unknown error";
    }
};

[[noreturn]] void Falhar(const std::filesystem::path& caminho, std::error_code erro) {
    throw std::filesystem::filesystem_error("cannot read file", caminho, erro);
}

}  // namespace

const std::error_category& CategoriaErroLeitura() {
    static const CategoriaLeitura categoria;
    return categoria;
}

std::error_code make_error_code(ErroLeitura erro) {
    return {static_cast<int>(erro), CategoriaErroLeitura()};
}

std::string LerBytesArquivo(const std::filesystem::path& caminho) {
    plataforma::ArquivoLeitura arquivo;
    if (const auto erro = arquivo.Abrir(caminho)) Falhar(caminho, erro);
    plataforma::TipoArquivo tipo{};
    std::uintmax_t tamanho = 0;
    if (const auto erro = arquivo.Consultar(tipo, tamanho)) Falhar(caminho, erro);
    if (tipo == plataforma::TipoArquivo::Pasta)
        Falhar(caminho, std::make_error_code(std::errc::is_a_directory));
    if (tipo != plataforma::TipoArquivo::Regular) Falhar(caminho, ErroLeitura::NaoRegular);
    if (tamanho > LimiteBytesArquivo) Falhar(caminho, ErroLeitura::GrandeDemais);

    // The size is only a hint: the file may grow while it is read, so the limit is kept here
    // too.
    std::string bytes;
    bytes.resize(static_cast<std::size_t>(tamanho) + 1);
    std::size_t lidos = 0;
    for (;;) {
        if (lidos == bytes.size()) {
            if (bytes.size() > LimiteBytesArquivo) Falhar(caminho, ErroLeitura::GrandeDemais);
            bytes.resize(std::min<std::size_t>(bytes.size() * 2, LimiteBytesArquivo + 1));
        }
        std::size_t n = 0;
        if (const auto erro = arquivo.Ler(bytes.data() + lidos, bytes.size() - lidos, n))
            Falhar(caminho, erro);
        if (n == 0) break;
        lidos += n;
    }
    bytes.resize(lidos);
    return bytes;
}

std::vector<std::string> LinhasDoTexto(std::string_view bytes) {
    const std::string texto = utf8::DecodificarTexto(bytes);
    std::vector<std::string> linhas;
    ParaCadaLinha(texto,
                  [&](std::string_view linha, std::string_view) { linhas.emplace_back(linha); });
    return linhas;
}

std::vector<std::string> LerLinhasArquivoTexto(const std::filesystem::path& arquivo) {
    return LinhasDoTexto(LerBytesArquivo(arquivo));
}

std::string FimLinhaDe(std::string_view texto) {
    const std::size_t fim = texto.find_first_of("\r\n");
    if (fim == std::string_view::npos || texto[fim] == '\n') return "\n";
    return (fim + 1 < texto.size() && texto[fim + 1] == '\n') ? "\r\n" : "\r";
}

TextoArquivo LerTextoArquivo(const std::filesystem::path& caminho) {
    const std::string bytes = LerBytesArquivo(caminho);
    if (bytes.find('\0') != std::string::npos) Falhar(caminho, ErroLeitura::Binario);
    TextoArquivo arquivo;
    utf8::Decodificador decodificador;
    decodificador.Decodificar(bytes, arquivo.texto);
    decodificador.Terminar(arquivo.texto);
    arquivo.marcaOrdem = decodificador.MarcaOrdem();
    arquivo.fimLinha = FimLinhaDe(arquivo.texto);
    return arquivo;
}
