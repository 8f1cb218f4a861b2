// SPDX-License-Identifier: GPL-3.0-or-later
#include "TMidiInput.h"

#include <algorithm>

TMidiInput::TMidiInput(std::unique_ptr<FonteEntradasMidi> fonte) : fonte_(std::move(fonte)) {}

TMidiInput::TMidiInput(std::vector<std::shared_ptr<BackendEntradaMidi>> entradas)
    : fonte_(std::make_unique<FonteEntradasFixas>(std::move(entradas))) {}

TMidiInput::~TMidiInput() {
    try {
        Fechar();
    } catch (const std::exception&) {
        // Nothing more can be done for a port that is going away.
    }
}

std::vector<std::string> TMidiInput::ListarDispositivos() const {
    std::vector<std::string> nomes;
    if (!fonte_) return nomes;
    for (const auto& entrada : fonte_->Entradas()) nomes.push_back(entrada->Nome());
    return nomes;
}

bool TMidiInput::Abrir(int numero) {
    const auto entradas =
        fonte_ ? fonte_->Entradas() : std::vector<std::shared_ptr<BackendEntradaMidi>>{};
    if (numero < 0 || static_cast<std::size_t>(numero) >= entradas.size())
        throw EmidiinputError("Invalid device ID");
    return AbrirBackend(entradas[static_cast<std::size_t>(numero)], numero);
}

bool TMidiInput::AbrirPorNome(const std::string& nome) {
    const auto entradas =
        fonte_ ? fonte_->Entradas() : std::vector<std::shared_ptr<BackendEntradaMidi>>{};
    for (std::size_t i = 0; i < entradas.size(); ++i)
        if (entradas[i]->Nome() == nome) return AbrirBackend(entradas[i], static_cast<int>(i));
    Fechar();
    return false;
}

bool TMidiInput::AbrirBackend(const std::shared_ptr<BackendEntradaMidi>& entrada, int numero) {
    Fechar();
    // The device's thread holds the queue, not the port, so a late message after the port is
    // gone still lands somewhere valid.
    std::weak_ptr<Fila> fraca = fila_;
    std::function<void()> aviso = AoChegar;
    auto receber = [fraca, aviso](std::span<const std::uint8_t> mensagem) {
        if (mensagem.empty() || mensagem.size() > 3) return;  // short messages only
        const auto fila = fraca.lock();
        if (!fila) return;
        {
            std::lock_guard guarda(fila->trava);
            if (fila->quantidade == CapacidadeFila) {
                fila->inicio = (fila->inicio + 1) % CapacidadeFila;
                --fila->quantidade;
                ++fila->descartadas;
            }
            MensagemMidiEntrada& m =
                fila->mensagens[(fila->inicio + fila->quantidade) % CapacidadeFila];
            std::copy(mensagem.begin(), mensagem.end(), m.bytes.begin());
            m.tamanho = static_cast<std::uint8_t>(mensagem.size());
            ++fila->quantidade;
        }
        fila->chegou.notify_all();
        if (aviso) aviso();
    };
    try {
        if (!entrada->Abrir(std::move(receber))) return false;
    } catch (const ErroBackendMidi& e) {
        throw EmidiinputError(e.what());
    }
    aberta_ = entrada;
    numeroAberto_ = numero;
    nomeAberto_ = entrada->Nome();
    return true;
}

void TMidiInput::Fechar() {
    if (!aberta_) return;
    try {
        aberta_->Fechar();
    } catch (const ErroBackendMidi& e) {
        throw EmidiinputError(e.what());
    }
    aberta_.reset();
    numeroAberto_ = -1;
    nomeAberto_.clear();
}

bool TMidiInput::Retirar(MensagemMidiEntrada& m) {
    std::lock_guard guarda(fila_->trava);
    if (fila_->quantidade == 0) return false;
    m = fila_->mensagens[fila_->inicio];
    fila_->inicio = (fila_->inicio + 1) % CapacidadeFila;
    --fila_->quantidade;
    return true;
}

bool TMidiInput::EsperarMensagem(std::chrono::milliseconds espera) {
    std::unique_lock guarda(fila_->trava);
    return fila_->chegou.wait_for(guarda, espera, [this] { return fila_->quantidade > 0; });
}

std::uint64_t TMidiInput::Descartadas() const {
    std::lock_guard guarda(fila_->trava);
    return fila_->descartadas;
}
