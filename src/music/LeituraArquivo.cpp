#include "LeituraArquivo.h"

#include <fstream>
#include <iterator>
#include <system_error>

#include "Utf8.h"

std::string LerBytesArquivo(const std::filesystem::path& caminho) {
    // A folder opens like a file here and only fails, with another exception, while being read
    // (an empty key for a file path names the installation folder itself).
    std::error_code erroTipo;
    if (std::filesystem::is_directory(caminho, erroTipo)) {
        throw std::filesystem::filesystem_error(
            "cannot read file", caminho, std::make_error_code(std::errc::is_a_directory));
    }
    std::ifstream arquivo(caminho, std::ios::binary);
    if (!arquivo) {
        throw std::filesystem::filesystem_error(
            "cannot open file", caminho,
            std::make_error_code(std::errc::no_such_file_or_directory));
    }
    std::string bytes;
    try {
        bytes.assign(std::istreambuf_iterator<char>(arquivo), std::istreambuf_iterator<char>());
    } catch (const std::ios_base::failure&) {
        arquivo.setstate(std::ios::badbit);
    }
    if (arquivo.bad()) {
        throw std::filesystem::filesystem_error("cannot read file", caminho,
                                                std::make_error_code(std::errc::io_error));
    }
    return bytes;
}

std::vector<std::string> LerLinhasArquivoTexto(const std::filesystem::path& arquivo) {
    const std::string bytes = LerBytesArquivo(arquivo);
    const std::string texto = utf8::DecodificarTexto(bytes);
    std::vector<std::string> linhas;
    std::size_t inicio = 0;
    while (inicio < texto.size()) {
        std::size_t fim = texto.find_first_of("\r\n", inicio);
        if (fim == std::string::npos) {
            linhas.push_back(texto.substr(inicio));
            break;
        }
        linhas.push_back(texto.substr(inicio, fim - inicio));
        inicio = fim +
                 ((texto[fim] == '\r' && fim + 1 < texto.size() && texto[fim + 1] == '\n') ? 2 : 1);
    }
    return linhas;
}
