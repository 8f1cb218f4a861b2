// SPDX-License-Identifier: GPL-3.0-or-later
#include "RtMidiComum.h"

#include <algorithm>
#include <vector>

#include "BackendMidi.h"
#include "BibliotecasSilenciosas.h"
#include "Servicos.h"

namespace rtmidi_comum {
namespace {

RtMidi::Api Api(ServicoMidi servico) {
    switch (servico) {
        case ServicoMidi::SequenciadorAlsa:
            return RtMidi::LINUX_ALSA;
        case ServicoMidi::Jack:
            return RtMidi::UNIX_JACK;
        case ServicoMidi::Padrao:
            break;
    }
    return RtMidi::UNSPECIFIED;
}

void GuardarErro(RtMidiError::Type tipo, const std::string& texto, void* destino) {
    if (tipo == RtMidiError::DEBUG_WARNING) return;
    auto& erro = *static_cast<std::string*>(destino);
    if (erro.empty()) erro = texto;
}

}  // namespace

bool ServicoDisponivel(ServicoMidi servico) {
    const RtMidi::Api api = Api(servico);
    if (api != RtMidi::UNSPECIFIED) {
        std::vector<RtMidi::Api> compiladas;
        RtMidi::getCompiledApi(compiladas);
        if (std::find(compiladas.begin(), compiladas.end(), api) == compiladas.end()) return false;
    }
    switch (servico) {
        case ServicoMidi::SequenciadorAlsa:
            return servicos::SequenciadorAlsaResponde();
        case ServicoMidi::Jack:
            return servicos::ServidorJackResponde();
        case ServicoMidi::Padrao:
            break;
    }
    return true;
}

std::unique_ptr<RtMidiOut> CriarSaida(ServicoMidi servico, std::string& erro) {
    SilenciarBibliotecas();
    erro.clear();
    try {
        auto saida = std::make_unique<RtMidiOut>(Api(servico), "Tastavo");
        saida->setErrorCallback(GuardarErro, &erro);
        return saida;
    } catch (const RtMidiError& e) {
        throw ErroBackendMidi(e.getMessage());
    }
}

std::unique_ptr<RtMidiIn> CriarEntrada(ServicoMidi servico, std::string& erro) {
    SilenciarBibliotecas();
    erro.clear();
    try {
        auto entrada = std::make_unique<RtMidiIn>(Api(servico), "Tastavo");
        entrada->setErrorCallback(GuardarErro, &erro);
        entrada->ignoreTypes(true, true, true);
        return entrada;
    } catch (const RtMidiError& e) {
        throw ErroBackendMidi(e.getMessage());
    }
}

}  // namespace rtmidi_comum
