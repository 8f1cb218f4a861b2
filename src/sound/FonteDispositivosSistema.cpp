#include "FonteDispositivosSistema.h"

#include "BackendPortaRtMidi.h"
#include "BackendSintetizador.h"
#include "Instalacao.h"
#include "RtMidiComum.h"
#include "Soundfont.h"

OpcoesDispositivosSistema OpcoesDispositivosSistema::Padrao() {
    OpcoesDispositivosSistema opcoes;
    opcoes.soundfonts = CandidatosSoundfont(PastaInstalacao());
#if defined(__linux__)
    opcoes.servicos = {ServicoMidi::SequenciadorAlsa, ServicoMidi::Jack};
#else
    opcoes.servicos = {ServicoMidi::Padrao};
#endif
    return opcoes;
}

FonteDispositivosSistema::FonteDispositivosSistema(OpcoesDispositivosSistema opcoes)
    : opcoes_(std::move(opcoes)) {}

std::vector<std::shared_ptr<BackendMidi>> FonteDispositivosSistema::Dispositivos() {
    std::vector<std::shared_ptr<BackendMidi>> dispositivos;
    if (opcoes_.sintetizador) {
        if (auto soundfont = LocalizarSoundfont(opcoes_.soundfonts)) {
            ConfiguracaoSintetizador configuracao;
            configuracao.soundfont = *soundfont;
            dispositivos.push_back(std::make_shared<BackendSintetizador>(configuracao));
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
        break;  // the first service that exists gives the ports
    }
    return dispositivos;
}
