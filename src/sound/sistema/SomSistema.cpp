// SPDX-License-Identifier: GPL-3.0-or-later
#include "SomSistema.h"

#include <cerrno>
#include <cstdio>
#include <mutex>
#include <set>

#include "BackendEntradaRtMidi.h"
#include "BackendPortaRtMidi.h"
#include "BackendSintetizador.h"
#include "RtMidiComum.h"
#include "Soundfont.h"

namespace {

class FonteDispositivosSistema : public FonteDispositivosMidi {
  public:
    explicit FonteDispositivosSistema(OpcoesDispositivosSistema opcoes)
        : opcoes_(std::move(opcoes)) {}

    std::vector<std::shared_ptr<BackendMidi>> Dispositivos() override {
        std::vector<std::shared_ptr<BackendMidi>> dispositivos;
        if (opcoes_.sintetizador) {
            std::vector<std::string> avisos;
            if (auto soundfont = LocalizarSoundfont(opcoes_.soundfonts, &avisos))
                dispositivos.push_back(SintetizadorDoProcesso(*soundfont));
            if (opcoes_.avisar) {
                for (const auto& aviso : avisos) opcoes_.avisar(aviso);
            }
        }
        for (const ServicoMidi servico : opcoes_.servicos) {
            if (!rtmidi_comum::ServicoDisponivel(servico)) continue;
            try {
                std::string erro;
                auto saida = rtmidi_comum::CriarSaida(servico, erro);
                const unsigned quantidade = saida->getPortCount();
                // Only indices RtMidi counted are asked for a name.
                for (unsigned i = 0; i < quantidade && erro.empty(); ++i) {
                    std::string nome = saida->getPortName(i);
                    if (!erro.empty()) break;
                    dispositivos.push_back(
                        std::make_shared<BackendPortaRtMidi>(servico, std::move(nome)));
                }
            } catch (const std::exception&) {
                // A service that fails while counting has no ports.
            }
            break;  // the first service that answers gives the ports
        }
        return dispositivos;
    }

  private:
    OpcoesDispositivosSistema opcoes_;
};

class FonteEntradasSistema : public FonteEntradasMidi {
  public:
    explicit FonteEntradasSistema(std::vector<ServicoMidi> servicos)
        : servicos_(std::move(servicos)) {}

    std::vector<std::shared_ptr<BackendEntradaMidi>> Entradas() override {
        std::vector<std::shared_ptr<BackendEntradaMidi>> entradas;
        for (const ServicoMidi servico : servicos_) {
            if (!rtmidi_comum::ServicoDisponivel(servico)) continue;
            try {
                std::string erro;
                auto entrada = rtmidi_comum::CriarEntrada(servico, erro);
                const unsigned quantidade = entrada->getPortCount();
                for (unsigned i = 0; i < quantidade && erro.empty(); ++i) {
                    std::string nome = entrada->getPortName(i);
                    if (!erro.empty()) break;
                    entradas.push_back(
                        std::make_shared<BackendEntradaRtMidi>(servico, std::move(nome)));
                }
            } catch (const std::exception&) {
                // A service that fails while counting has no ports.
            }
            break;  // the first service that answers gives the ports
        }
        return entradas;
    }

  private:
    std::vector<ServicoMidi> servicos_;
};
// The program's name for its messages (tastavo, tastavo-cli).
const char* NomePrograma() {
#if defined(__GLIBC__)
    return program_invocation_short_name;
#else
    return "tastavo";
#endif
}

// Each message once per process: the devices are counted again at every look.
void AvisarUmaVez(const std::string& aviso) {
    static std::mutex trava;
    static std::set<std::string> ditos;
    std::lock_guard guarda(trava);
    if (ditos.insert(aviso).second) std::fprintf(stderr, "%s: %s\n", NomePrograma(), aviso.c_str());
}

}  // namespace

std::unique_ptr<FonteEntradasMidi> CriarFonteEntradasSistema(std::vector<ServicoMidi> servicos) {
    return std::make_unique<FonteEntradasSistema>(std::move(servicos));
}

std::unique_ptr<FonteEntradasMidi> CriarFonteEntradasSistema() {
    return CriarFonteEntradasSistema(OpcoesDispositivosSistema::Padrao({}).servicos);
}

OpcoesDispositivosSistema OpcoesDispositivosSistema::Padrao(
    const std::filesystem::path& pastaInstalacao) {
    OpcoesDispositivosSistema opcoes;
    opcoes.soundfonts = CandidatosSoundfont(pastaInstalacao);
    opcoes.avisar = AvisarUmaVez;
#if defined(__linux__)
#if TASTAVO_COM_ALSA
    opcoes.servicos.push_back(ServicoMidi::SequenciadorAlsa);
#endif
#if TASTAVO_COM_JACK
    opcoes.servicos.push_back(ServicoMidi::Jack);
#endif
#else
    opcoes.servicos = {ServicoMidi::Padrao};
#endif
    return opcoes;
}

std::unique_ptr<FonteDispositivosMidi> CriarFonteDispositivosSistema(
    OpcoesDispositivosSistema opcoes) {
    return std::make_unique<FonteDispositivosSistema>(std::move(opcoes));
}

std::unique_ptr<FonteDispositivosMidi> CriarFonteDispositivosSistema(
    const std::filesystem::path& pastaInstalacao) {
    return CriarFonteDispositivosSistema(OpcoesDispositivosSistema::Padrao(pastaInstalacao));
}

std::shared_ptr<Sintetizador> SintetizadorDoProcesso(const std::filesystem::path& soundfont) {
    static std::mutex trava;
    static std::shared_ptr<Sintetizador> unico;
    std::lock_guard guarda(trava);
    if (!unico) {
        ConfiguracaoSintetizador configuracao;
        configuracao.soundfont = soundfont;
        unico = std::make_shared<BackendSintetizador>(std::move(configuracao));
    }
    return unico;
}

std::shared_ptr<Sintetizador> CriarSintetizador(ConfiguracaoSintetizador configuracao) {
    return std::make_shared<BackendSintetizador>(std::move(configuracao));
}

bool ServicoMidiDisponivel(ServicoMidi servico) { return rtmidi_comum::ServicoDisponivel(servico); }

const ApiPluginSom& ApiSomSistema() {
    static const ApiPluginSom api{
        VersaoApiPluginSom,
        [](const std::filesystem::path& pasta) { return CriarFonteDispositivosSistema(pasta); },
        [](const ConfiguracaoSintetizador& c) { return CriarSintetizador(c); },
        [] { return CriarFonteEntradasSistema(); },
    };
    return api;
}
