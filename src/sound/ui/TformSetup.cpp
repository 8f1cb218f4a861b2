#include "TformSetup.h"

#include "MidiOutput.h"

namespace {
struct Estado {
    std::int32_t placaSom = 0;
    std::int32_t instrumentoTeclado = 24;
    bool mouseTocarTeclas = true;
    MidiOutput* player = nullptr;
};
Estado& Atual() {
    static Estado estado;
    return estado;
}
MidiOutput& Player() { return Atual().player ? *Atual().player : MidiOutput::Instancia(); }
}  // namespace

TformSetup::TformSetup(QWidget* pai) : QDialog(pai) { setObjectName(QStringLiteral("TformSetup")); }

std::int32_t TformSetup::ObterPlacaSom() { return Atual().placaSom; }
std::int32_t TformSetup::ObterInstrumentoTeclado() { return Atual().instrumentoTeclado; }
bool TformSetup::ObterMouseTocarTeclas() { return Atual().mouseTocarTeclas; }

void TformSetup::DefinirConfiguracoes(std::int32_t placaSom, std::int32_t instrumentoTeclado, bool mouseTocarTeclas) {
    Atual().placaSom = placaSom;
    Atual().instrumentoTeclado = instrumentoTeclado;
    Atual().mouseTocarTeclas = mouseTocarTeclas;
    AplicarConfiguracoes();
}

void TformSetup::AplicarConfiguracoes() {
    try {
        Player().SelecionarDispositivo(Atual().placaSom);
        Player().DefinirInstrumento(static_cast<std::uint8_t>(Atual().instrumentoTeclado));
    } catch (...) {
    }
}

void TformSetup::DefinirPlayer(MidiOutput* player) { Atual().player = player; }
