// SPDX-License-Identifier: GPL-3.0-or-later
#include "TMidiOutput.h"

#include <limits>

#include "Utf8.h"

namespace {

std::uint16_t ContarParaCapacidade(std::size_t n) {
    return static_cast<std::uint16_t>(
        std::min<std::size_t>(n, std::numeric_limits<std::uint16_t>::max()));
}

// A device's name as the port reports it: at most TamanhoMaximoNome characters.
std::string NomeCortado(const BackendMidi& dispositivo) {
    return std::string(utf8::Inicio(dispositivo.Nome(), TMidiOutput::TamanhoMaximoNome));
}

}  // namespace

TMidiOutput::TMidiOutput(std::vector<std::shared_ptr<BackendMidi>> dispositivos)
    : TMidiOutput(std::make_unique<FonteDispositivosFixos>(std::move(dispositivos))) {}

TMidiOutput::TMidiOutput(std::unique_ptr<FonteDispositivosMidi> fonte) : fonte_(std::move(fonte)) {
    quantidadeInicial_ = ContarParaCapacidade(fonte_->Dispositivos().size());
}

TMidiOutput::~TMidiOutput() {
    if (estado_ == midioutputState::mosOpen) {
        try {
            Close();
        } catch (...) {
            // A device that fails to close cannot be helped once its port is gone.
        }
    }
}

int TMidiOutput::QuantidadeDispositivos() const {
    return static_cast<int>(fonte_->Dispositivos().size());
}

std::vector<std::string> TMidiOutput::ListarDispositivos() const {
    std::vector<std::string> nomes;
    for (const auto& dispositivo : fonte_->Dispositivos())
        nomes.push_back(NomeCortado(*dispositivo));
    return nomes;
}

void TMidiOutput::SetDeviceID(std::int32_t numero) {
    if (estado_ == midioutputState::mosOpen)
        throw EmidioutputError("Change to DeviceID while device was open");
    const auto dispositivos = fonte_->Dispositivos();
    // Signed comparison: every negative number passes, as -1 (the default output) must.
    if (static_cast<std::int64_t>(numero) >= static_cast<std::int64_t>(dispositivos.size()) &&
        numero != -1)
        throw EmidioutputError("Invalid device ID");
    deviceId_ = numero;
    CarregarCapacidades(numero, dispositivos);
}

void TMidiOutput::CarregarCapacidades(
    std::int32_t numero, const std::vector<std::shared_ptr<BackendMidi>>& dispositivos) {
    std::shared_ptr<BackendMidi> dispositivo;
    if (numero >= 0)
        dispositivo = dispositivos[static_cast<std::size_t>(numero)];
    else if (numero == -1 && !dispositivos.empty())
        dispositivo = dispositivos.front();

    selecionado_ = dispositivo;
    if (!dispositivo) {
        // A number naming no device: nothing to describe.
        ultimoErro_ = ErroDispositivoInexistente;
        versaoDriver_ = 0;
        productName_.clear();
        tecnologia_ = OutPortTech::opt_None;
        vozes_ = notas_ = mascaraCanais_ = 0;
        suporte_ = 0;
        return;
    }
    ultimoErro_ = ErroNenhum;
    versaoDriver_ = 0x0100;
    if (numero == -1) {
        productName_ = NomeMapeador;
        tecnologia_ = OutPortTech::opt_Mapper;
    } else {
        productName_ = NomeCortado(*dispositivo);
        tecnologia_ = dispositivo->Tecnologia();
    }
    const bool sintetizador = tecnologia_ == OutPortTech::opt_Synth;
    vozes_ = sintetizador ? 256 : 0;
    notas_ = sintetizador ? 256 : 0;
    mascaraCanais_ = 0xFFFF;
    suporte_ = 0;
}

bool TMidiOutput::Open() {
    if (estado_ == midioutputState::mosOpen) return true;
    // DeviceID names a device before any SetDeviceID (0 from the start), so a new port opens
    // device 0 at once; and a number that named nothing may name a device plugged in since.
    if (!selecionado_) {
        const auto dispositivos = fonte_->Dispositivos();
        if (deviceId_ >= 0 && static_cast<std::size_t>(deviceId_) < dispositivos.size())
            selecionado_ = dispositivos[static_cast<std::size_t>(deviceId_)];
        else if (deviceId_ == -1 && !dispositivos.empty())
            selecionado_ = dispositivos.front();
    }
    if (!selecionado_) {
        ultimoErro_ = ErroDispositivoInexistente;
        return false;
    }
    try {
        if (!selecionado_->Abrir()) {
            ultimoErro_ = ErroAbertura;
            return false;
        }
    } catch (const std::exception& e) {
        textoBackend_ = e.what();
        ultimoErro_ = ErroBackend;
        return false;
    } catch (...) {
        ultimoErro_ = ErroAbertura;
        return false;
    }
    ultimoErro_ = ErroNenhum;
    aberto_ = selecionado_;
    estado_ = midioutputState::mosOpen;
    return true;
}

bool TMidiOutput::Close() {
    if (estado_ != midioutputState::mosOpen) return false;
    try {
        aberto_->Fechar();
    } catch (const std::exception& e) {
        FalharBackend(e);
    }
    ultimoErro_ = ErroNenhum;
    aberto_.reset();
    estado_ = midioutputState::mosClosed;
    return true;
}

void TMidiOutput::PutMidiEvent(const TMyMidiEvent& evento) {
    if (estado_ != midioutputState::mosOpen) throw EmidioutputError("MIDI Output device not open");
    if (!evento.LongMessage)
        PutShort(evento.Status, evento.FirstDataByte, evento.SecondDataByte);
    else
        PutLong(*evento.LongMessage, evento.LongMessageLength);
}

std::uint32_t TMidiOutput::EmpacotarMensagemCurta(std::uint8_t status, std::uint8_t primeiro,
                                                  std::uint8_t segundo) {
    return static_cast<std::uint32_t>(status) | (static_cast<std::uint32_t>(primeiro) << 8) |
           (static_cast<std::uint32_t>(segundo) << 16);
}

int TMidiOutput::TamanhoMensagemCurta(std::uint8_t status) {
    if (status < 0x80) return 0;  // a data byte: no running status on a port
    switch (status & 0xF0) {
        case 0xC0:  // program change
        case 0xD0:  // channel pressure
            return 2;
        case 0xF0:
            break;
        default:
            return 3;
    }
    switch (status) {
        case 0xF0:  // system exclusive goes as a long message
        case 0xF7:
            return 0;
        case 0xF1:  // time code quarter frame
        case 0xF3:  // song select
            return 2;
        case 0xF2:  // song position
            return 3;
        default:  // tune request, real-time messages
            return 1;
    }
}

void TMidiOutput::PutShort(std::uint8_t status, std::uint8_t primeiro, std::uint8_t segundo) {
    const std::uint32_t mensagem = EmpacotarMensagemCurta(status, primeiro, segundo);
    if (estado_ != midioutputState::mosOpen) Falhar(ErroNaoAberto);

    // Only the bytes the status uses go out: a stray third byte after a program change would
    // be read on the wire as a second program change.
    const std::uint8_t bytes[3] = {static_cast<std::uint8_t>(mensagem & 0xFF),
                                   static_cast<std::uint8_t>((mensagem >> 8) & 0xFF),
                                   static_cast<std::uint8_t>((mensagem >> 16) & 0xFF)};
    const int tamanho = TamanhoMensagemCurta(bytes[0]);
    if (tamanho == 0) Falhar(ErroMensagemInvalida);
    for (int i = 1; i < tamanho; ++i)
        if (bytes[i] > 0x7F) Falhar(ErroMensagemInvalida);  // would read as a status byte

    try {
        aberto_->Enviar(std::span<const std::uint8_t>(bytes, static_cast<std::size_t>(tamanho)));
    } catch (const std::exception& e) {
        FalharBackend(e);
    }
    ultimoErro_ = ErroNenhum;
}

void TMidiOutput::PutLong(std::span<const std::uint8_t> dados, std::uint16_t comprimento) {
    if (estado_ != midioutputState::mosOpen) Falhar(ErroNaoAberto);
    if (comprimento > dados.size() || comprimento == 0) Falhar(ErroMensagemInvalida);

    const std::uint64_t id = proximoLongo_++;
    auto cabecalho = std::make_unique<TMyMidiHdr>(dados.first(comprimento));
    const auto bytes = cabecalho->Dados();
    pendentes_.emplace(id, std::move(cabecalho));
    // The completion may come on a device thread, even after the port is gone: it only queues.
    std::weak_ptr<FilaConclusoes> fila = fila_;
    try {
        aberto_->EnviarLongo(bytes, [fila, id] {
            if (auto f = fila.lock()) {
                std::lock_guard trava(f->trava);
                f->concluidas.push_back(id);
            }
        });
    } catch (const std::exception& e) {
        pendentes_.erase(id);
        FalharBackend(e);
    }
    ultimoErro_ = ErroNenhum;
}

int TMidiOutput::ProcessarNotificacoes() {
    std::vector<std::uint64_t> concluidas;
    {
        std::lock_guard trava(fila_->trava);
        concluidas.swap(fila_->concluidas);
    }
    int entregues = 0;
    for (std::size_t i = 0; i < concluidas.size(); ++i) {
        pendentes_.erase(concluidas[i]);
        ++entregues;
        if (Onmidioutput) {
            try {
                Onmidioutput(*this);
            } catch (...) {
                // Keep the completions not delivered yet for the next call.
                std::lock_guard trava(fila_->trava);
                fila_->concluidas.insert(fila_->concluidas.begin(), concluidas.begin() + i + 1,
                                         concluidas.end());
                throw;
            }
        }
    }
    return entregues;
}

std::string TMidiOutput::midioutErrorString(std::uint16_t codigo) const {
    switch (codigo) {
        case ErroNenhum:
            return "The operation completed without error";
        case ErroBackend:
            return textoBackend_.empty() ? "The MIDI device reported an unspecified error"
                                         : textoBackend_;
        case ErroDispositivoInexistente:
            return "The device number names no MIDI output device";
        case ErroNaoAberto:
            return "No MIDI output device is open on this port";
        case ErroAbertura:
            return "The MIDI output device cannot be opened (it may be in use or missing)";
        case ErroMensagemInvalida:
            return "The MIDI message is not valid";
        default:
            return "Specified error number is out of range";
    }
}

void TMidiOutput::FalharBackend(const std::exception& e) {
    textoBackend_ = e.what();
    Falhar(ErroBackend);
}

void TMidiOutput::Falhar(std::uint16_t codigo) {
    ultimoErro_ = codigo;
    throw EmidioutputError(midioutErrorString(codigo));
}
