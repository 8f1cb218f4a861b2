// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>

#include "ArquivoConfiguracao.h"
#include "Instalacao.h"
#include "PastaTemporaria.h"

#if defined(__unix__)
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

using Ambiente = std::map<std::string, std::string>;

std::filesystem::path PastaUsuario(const Ambiente& ambiente) {
    return PastaConfiguracaoUsuario([&](const char* nome) -> std::optional<std::string> {
        const auto it = ambiente.find(nome);
        if (it == ambiente.end()) return std::nullopt;
        return it->second;
    });
}

}  // namespace

#if !defined(_WIN32)
TEST(Instalacao, PastaDoUsuarioSegueAsRegrasDoDesktop) {
    const struct {
        Ambiente ambiente;
        const char* esperado;
    } casos[] = {
        {{{"XDG_CONFIG_HOME", "/x/cfg"}, {"HOME", "/home/ana"}}, "/x/cfg/tastavo"},
        {{{"XDG_CONFIG_HOME", "/x/cfg/"}, {"HOME", "/home/ana"}}, "/x/cfg/tastavo"},
        // A relative or empty XDG_CONFIG_HOME does not count.
        {{{"XDG_CONFIG_HOME", "cfg"}, {"HOME", "/home/ana"}}, "/home/ana/.config/tastavo"},
        {{{"XDG_CONFIG_HOME", ""}, {"HOME", "/home/ana"}}, "/home/ana/.config/tastavo"},
        {{{"HOME", "/home/joão"}}, "/home/joão/.config/tastavo"},
        {{{"XDG_CONFIG_HOME", "/x/cfg"}}, "/x/cfg/tastavo"},
        {{{"HOME", ""}}, ""},
        {{}, ""},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.esperado);
        EXPECT_EQ(PastaUsuario(caso.ambiente).lexically_normal(),
                  std::filesystem::path(caso.esperado).lexically_normal());
    }
}
#else
TEST(Instalacao, PastaDoUsuarioSegueAsRegrasDoDesktop) {
    EXPECT_EQ(PastaUsuario({{"APPDATA", "C:\\Users\\ana\\AppData\\Roaming"}}),
              std::filesystem::path("C:\\Users\\ana\\AppData\\Roaming") / "tastavo");
    EXPECT_EQ(PastaUsuario({}), std::filesystem::path());
}
#endif

TEST(Instalacao, PastaGravavelTentaDeVerdadeENaoDeixaRastro) {
    PastaTemporaria pasta;
    EXPECT_TRUE(PastaGravavel(pasta.Caminho()));
    EXPECT_TRUE(std::filesystem::is_empty(pasta.Caminho()));
    EXPECT_FALSE(PastaGravavel(pasta / "nao-existe"));
    EXPECT_FALSE(PastaGravavel(pasta.Escrever("arquivo", "x")));
#if defined(__linux__)
    EXPECT_FALSE(PastaGravavel("/proc/self"));
#endif
#if defined(__unix__)
    // Permissions do not stop root; the case is only meaningful for other users.
    if (::geteuid() != 0) {
        std::filesystem::create_directory(pasta / "somente-leitura");
        ::chmod((pasta / "somente-leitura").c_str(), 0555);
        EXPECT_FALSE(PastaGravavel(pasta / "somente-leitura"));
        ::chmod((pasta / "somente-leitura").c_str(), 0755);
    }
#endif
}

TEST(Instalacao, ConfiguracaoAoLadoDoExecutavelOuNaPastaDoUsuario) {
    const std::filesystem::path instalacao = "/opt/tastavo", usuario = "/home/ana/.config/tastavo";
    EXPECT_EQ(EscolherCaminhoConfiguracao(instalacao, true, usuario, "tastavo.ini"),
              instalacao / "tastavo.ini");
    EXPECT_EQ(EscolherCaminhoConfiguracao(instalacao, false, usuario, "tastavo.ini"),
              usuario / "tastavo.ini");
    // With no user folder to go to, the installation folder is still the best guess.
    EXPECT_EQ(EscolherCaminhoConfiguracao(instalacao, false, {}, "tastavo.ini"),
              instalacao / "tastavo.ini");
}

// Both homes as a run sees them: the choice, the first write, and the next run's read.
TEST(Instalacao, AsConfiguracoesSobrevivemNasDuasCasas) {
    PastaTemporaria pasta;
    std::filesystem::create_directories(pasta / "portatil");
    const auto usuario = pasta / "home" / ".config" / "tastavo";
    struct Caso {
        const char* caso;
        std::filesystem::path instalacao;
        std::filesystem::path esperado;
    };
    std::vector<Caso> casos = {{"portable copy", pasta / "portatil", pasta / "portatil" / "t.ini"}};
#if defined(__linux__)
    // An installation folder nobody can write, not even root.
    casos.push_back({"installed copy", "/proc/self", usuario / "t.ini"});
#endif
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.caso);
        auto caminho = [&] {
            return EscolherCaminhoConfiguracao(caso.instalacao, PastaGravavel(caso.instalacao),
                                               usuario, "t.ini");
        };
        ASSERT_EQ(caminho(), caso.esperado);
        EXPECT_EQ(ArquivoConfiguracao::ObterIdioma(caminho()), "");
        ASSERT_TRUE(ArquivoConfiguracao(caminho()).Salvar(2, 19, 1, true, "English"));
        // The next run finds the same file and what was stored.
        const ArquivoConfiguracao proxima(caminho());
        EXPECT_EQ(ArquivoConfiguracao::ObterIdioma(caminho()), "English");
        EXPECT_EQ(proxima.ObterPlacaSom(), 2);
        EXPECT_EQ(proxima.ObterInstrumentoTeclado(), 19);
    }
    // The portable copy left the user's folder alone.
    EXPECT_EQ(std::filesystem::exists(usuario), casos.size() > 1);
}
