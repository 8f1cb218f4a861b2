// SPDX-License-Identifier: GPL-3.0-or-later
#include "OuvinteAcordes.h"

#include <bit>

int AcordeTocado::Quantidade() const { return std::popcount(notas[0]) + std::popcount(notas[1]); }

int AcordeTocado::MaisGrave() const {
    if (notas[0] != 0) return std::countr_zero(notas[0]);
    if (notas[1] != 0) return 64 + std::countr_zero(notas[1]);
    return -1;
}

ConjuntoClasses AcordeTocado::Classes() const {
    unsigned classes = 0;
    for (int n = 0; n < 128; ++n)
        if (Contem(n)) classes |= 1u << (n % 12);
    return static_cast<ConjuntoClasses>(classes);
}

std::uint32_t AcordeTocado::Teclas() const {
    const int grave = MaisGrave();
    if (grave < 0) return 0;
    const int doC = grave - grave % 12;
    std::uint32_t teclas = 0;
    for (int n = grave; n < 128; ++n) {
        if (!Contem(n)) continue;
        int tecla = n - doC;
        if (tecla >= QuantidadeTeclas)
            tecla = QuantidadeTeclas - 13 + (tecla - (QuantidadeTeclas - 13)) % 12;
        teclas |= 1u << tecla;
    }
    return teclas;
}

OuvinteAcordes::Mudanca OuvinteAcordes::Receber(std::span<const std::uint8_t> mensagem) {
    if (mensagem.size() < 3) return Mudanca::Nenhuma;
    const std::uint8_t tipo = mensagem[0] & 0xF0;
    const int dado1 = mensagem[1] & 0x7F;
    const int dado2 = mensagem[2] & 0x7F;
    if (tipo == 0x90) return dado2 == 0 ? NotaDesligada(dado1) : NotaLigada(dado1);
    if (tipo == 0x80) return NotaDesligada(dado1);
    if (tipo == 0xB0 && (dado1 == 120 || dado1 == 123)) {
        if (segurado_.Quantidade() == 0) return Mudanca::Nenhuma;
        segurado_.notas = {};
        return Nomear(false);
    }
    return Mudanca::Nenhuma;
}

OuvinteAcordes::Mudanca OuvinteAcordes::NotaLigada(int nota) {
    if (nota < 0 || nota > 127 || segurado_.Contem(nota)) return Mudanca::Nenhuma;
    segurado_.notas[nota / 64] |= std::uint64_t{1} << (nota % 64);
    return Nomear(true);
}

OuvinteAcordes::Mudanca OuvinteAcordes::NotaDesligada(int nota) {
    // A note-off for a key never seen down (pressed before listening began) changes nothing.
    if (!segurado_.Contem(nota)) return Mudanca::Nenhuma;
    segurado_.notas[nota / 64] &= ~(std::uint64_t{1} << (nota % 64));
    return Nomear(false);
}

void OuvinteAcordes::Esquecer() {
    segurado_.Limpar();
    ultimo_.Limpar();
    ultimoDeTeclaDescendo_ = false;
}

OuvinteAcordes::Mudanca OuvinteAcordes::Nomear(bool ligou) {
    if (segurado_.Quantidade() == 0) {
        segurado_.nome = NomeAcordeFixo{};
        if (ultimo_.nome.Vazio()) return Mudanca::Nenhuma;
        return Mudanca::Solto;  // Ultimo() holds it until the next chord or Esquecer
    }
    if (ligou && ultimo_.Quantidade() > 0 && segurado_.Quantidade() == 1) {
        // A new chord begins: the one that stayed is done with.
        ultimo_.Limpar();
        ultimoDeTeclaDescendo_ = false;
    }
    const int grave = segurado_.MaisGrave();
    if (segurado_.Quantidade() < 2 ||
        !nomeador_.MelhorNome(segurado_.Classes(), grave % 12, segurado_.nome)) {
        segurado_.nome = NomeAcordeFixo{};
        return Mudanca::Nenhuma;
    }
    if (ligou || !ultimoDeTeclaDescendo_) {
        ultimo_ = segurado_;
        ultimoDeTeclaDescendo_ = ligou;
    }
    return ligou ? Mudanca::Segurado : Mudanca::Reduzido;
}
