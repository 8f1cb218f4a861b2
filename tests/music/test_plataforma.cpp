// SPDX-License-Identifier: GPL-3.0-or-later
// Loading a shared library through the platform layer, as the CLI loads its plugins.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "Plataforma.h"

namespace {

#if defined(_WIN32)
const char* const BibliotecaDoSistema = "kernel32.dll";
const char* const FuncaoDoSistema = "GetTickCount";
const char* const Extensao = ".dll";
#else
const char* const BibliotecaDoSistema = "libc.so.6";
const char* const FuncaoDoSistema = "strlen";
const char* const Extensao = ".so";
#endif

TEST(Plataforma, CarregaUmaBibliotecaEAchaSuasFuncoes) {
    std::string motivo;
    void* biblioteca = plataforma::CarregarBiblioteca(BibliotecaDoSistema, motivo);
    ASSERT_NE(biblioteca, nullptr) << motivo;
    EXPECT_NE(plataforma::ProcurarFuncao(biblioteca, FuncaoDoSistema), nullptr);
    EXPECT_EQ(plataforma::ProcurarFuncao(biblioteca, "tastavo_funcao_que_nao_existe"), nullptr);
    plataforma::DescarregarBiblioteca(biblioteca);
}

TEST(Plataforma, UmaBibliotecaQueNaoCarregaDizPorQue) {
    const auto pasta = std::filesystem::path(::testing::TempDir()) /
                       ("tastavo-plataforma-" + std::to_string(std::random_device{}()));
    std::filesystem::create_directories(pasta);
    const auto falsa = pasta / (std::string("falsa") + Extensao);
    std::ofstream(falsa) << "not a library";
    for (const auto& arquivo : {falsa, pasta / (std::string("ausente") + Extensao)}) {
        std::string motivo;
        EXPECT_EQ(plataforma::CarregarBiblioteca(arquivo, motivo), nullptr) << arquivo;
        EXPECT_FALSE(motivo.empty()) << arquivo;
    }
    std::filesystem::remove_all(pasta);
}

TEST(Plataforma, CriarArquivoNovoNuncaTocaUmQueExiste) {
    const auto pasta = std::filesystem::path(::testing::TempDir()) /
                       ("tastavo-plataforma-" + std::to_string(std::random_device{}()));
    std::filesystem::create_directories(pasta);
    const auto novo = pasta / "novo.txt";
    EXPECT_FALSE(plataforma::CriarArquivoNovo(novo));
    EXPECT_EQ(std::filesystem::file_size(novo), 0u);
    std::ofstream(novo) << "conteúdo";
    EXPECT_EQ(plataforma::CriarArquivoNovo(novo), std::errc::file_exists);
    EXPECT_EQ(std::filesystem::file_size(novo), std::string("conteúdo").size());
    EXPECT_EQ(plataforma::CriarArquivoNovo(pasta / "nao-existe" / "novo.txt"),
              std::errc::no_such_file_or_directory);
    std::filesystem::remove_all(pasta);
}

}  // namespace
