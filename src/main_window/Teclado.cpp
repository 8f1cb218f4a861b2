// SPDX-License-Identifier: GPL-3.0-or-later
#include "Teclado.h"

#include <algorithm>
#include <bit>
#include <utility>
#include <vector>

#include "AcordeTeclado.h"
#include "ConstantesMidi.h"
#include "GeometriaTeclado.h"
#include "GerenciadorAcordes.h"
#include "Notas.h"

namespace {
int RotuloY(int tecla) {
    return TeclaPreta(tecla) ? geometria::RotuloYPreta : geometria::RotuloYBranca;
}
}  // namespace

Teclado::Teclado(const Controles& controles, SaidaSom& som, GerenciadorAcordes& gerenciador)
    : c_(controles), som_(som), gerenciador_(gerenciador), posicaoMostrada_({-1, -1, -1, -1, -1}) {}

bool Teclado::AcordeAtual() const { return gerenciador_.IndiceAcordeAtual() != -1; }

void Teclado::MostrarPosicao(const PosicaoHarmonicaTeclado* posicao) {
    if (posicao == nullptr) return;
    LimparExibicao();
    posicaoMostrada_ = *posicao;
    AtualizarRotulos();
    PosicionarMarcas();
}

void Teclado::LimparExibicao() {
    for (int k = 0; k < QuantidadeTeclas; ++k)
        if ((teclasAvulsas_ >> k) & 1u) SoltarTecla(k);
    teclasAvulsas_ = 0;
    exibindo_ = false;
    for (int s = 0; s < 5; ++s) {
        const int k = TeclaDoSlot(s);
        if (k != -1) SoltarTecla(k);
        c_.marcas[s]->Ocultar();
        c_.dedos[s]->Ocultar();
        c_.notas[s]->Ocultar();
        c_.intervalos[s]->Ocultar();
    }
}

void Teclado::MostrarTeclas(std::uint32_t teclas) {
    LimparExibicao();
    teclasAvulsas_ = teclas & ((1u << QuantidadeTeclas) - 1);
    const bool marcar = std::popcount(teclasAvulsas_) <= 5;
    int s = 0;
    for (int k = 0; k < QuantidadeTeclas; ++k) {
        if (((teclasAvulsas_ >> k) & 1u) == 0) continue;
        PressionarTecla(k);
        if (!marcar) continue;
        c_.marcas[s]->Mover(geometria::RotuloX[k], RotuloY(k));
        c_.marcas[s]->Mostrar();
        ++s;
    }
}

std::string Teclado::Descrever(const PalavrasDescricao& palavras) const {
    const AcordeTeclado* acorde = gerenciador_.AcordeAtual();
    if (!exibindo_ || acorde == nullptr) return palavras.semAcorde;
    const std::string nome = gerenciador_.NomeAcordeAtual();
    std::vector<std::pair<int, int>> teclas;  // key, finger slot; lowest key first
    for (int s = 0; s < 5; ++s)
        if (TeclaDoSlot(s) != -1) teclas.emplace_back(TeclaDoSlot(s), s);
    std::sort(teclas.begin(), teclas.end());
    auto rotulos = [&](ModoVisualizacao modo) {
        std::string texto;
        for (const auto& [k, s] : teclas) {
            if (!texto.empty()) texto += ' ';
            texto += RotuloTecla(nome, k, s, modo);
        }
        return texto;
    };
    std::string texto = nome + ", " + palavras.posicao + ' ' +
                        std::to_string(gerenciador_.IndicePosicaoAtual() + 1) + ' ' + palavras.de +
                        ' ' + std::to_string(acorde->QuantidadePosicoes()) + ": " +
                        rotulos(ModoVisualizacao::Notas);
    if (modo_ == ModoVisualizacao::Dedos)
        texto += ", " + palavras.dedos + ' ' + rotulos(ModoVisualizacao::Dedos);
    if (modo_ == ModoVisualizacao::Intervalos)
        texto += ", " + palavras.intervalos + ' ' + rotulos(ModoVisualizacao::Intervalos);
    return texto;
}

void Teclado::DefinirModoVisualizacao(std::optional<ModoVisualizacao> modo) {
    modo_ = modo;
    // Keys shown without a position keep their look; the position comes back in this mode.
    if (teclasAvulsas_ == 0) PosicionarMarcas();
}

void Teclado::AtualizarRotulos() {
    const std::string nome = gerenciador_.NomeAcordeAtual();
    for (int s = 0; s < 5; ++s) {
        const int k = TeclaDoSlot(s);
        if (k == -1) continue;
        c_.dedos[s]->DefinirTexto(RotuloTecla(nome, k, s, ModoVisualizacao::Dedos));
        c_.notas[s]->DefinirTexto(RotuloTecla(nome, k, s, ModoVisualizacao::Notas));
        c_.intervalos[s]->DefinirTexto(RotuloTecla(nome, k, s, ModoVisualizacao::Intervalos));
    }
}

void Teclado::PosicionarMarcas() {
    // What is drawn is what is said: a new label choice draws the kept position again.
    exibindo_ = posicaoMostrada_.Mascara() != 0;
    for (int s = 0; s < 5; ++s) {
        const int k = TeclaDoSlot(s);
        if (k == -1) continue;
        PressionarTecla(k);
        const int x = geometria::RotuloX[k], y = RotuloY(k);
        c_.marcas[s]->Mover(x, y);
        c_.marcas[s]->Mostrar();
        std::array<ControleRotulo*, 3> rotulos = {c_.dedos[s], c_.notas[s], c_.intervalos[s]};
        if (!modo_) continue;
        for (int m = 0; m < 3; ++m) {
            if (m == static_cast<int>(*modo_)) {
                rotulos[m]->Mover(x, y);
                rotulos[m]->Mostrar();
            } else {
                rotulos[m]->Ocultar();
            }
        }
    }
}

void Teclado::PressionarTecla(int tecla) {
    c_.teclas[tecla]->CopiarFiguraDe(TeclaPreta(tecla) ? *c_.pretaPressionada
                                                       : *c_.brancaPressionada);
}

void Teclado::SoltarTecla(int tecla) {
    if (tecla < 0) return;
    if (TeclaPreta(tecla))
        c_.teclas[tecla]->CopiarFiguraDe(*c_.pretaSolta);
    else
        c_.teclas[tecla]->LimparFigura();
}

void Teclado::SoltarTeclaDoPonteiro(int tecla) {
    // A key held on the MIDI keyboard or marked stays drawn when the pointer leaves it.
    if (tecla >= 0 && ((teclasAvulsas_ >> tecla) & 1u)) return;
    SoltarTecla(tecla);
}

void Teclado::SilenciarTecla(int tecla) {
    som_.EnviarEvento(midi::StatusNotaLigada, midi::NotaDaTecla(tecla), 0);
}

void Teclado::TocarAcorde() {
    teclasTocadas_ = teclasAvulsas_;
    if (teclasTocadas_ != 0) {
        for (int k = 0; k < QuantidadeTeclas; ++k)
            if ((teclasTocadas_ >> k) & 1u)
                som_.EnviarEvento(midi::StatusNotaLigada, midi::NotaDaTecla(k),
                                  static_cast<std::uint8_t>(som_.ObterVelocidade()));
        return;
    }
    for (int k : posicaoMostrada_.TeclasEmOrdemDeAtaque())
        som_.EnviarEvento(midi::StatusNotaLigada, midi::NotaDaTecla(k),
                          static_cast<std::uint8_t>(som_.ObterVelocidade()));
}

void Teclado::PararAcorde() {
    if (teclasTocadas_ != 0) {
        const std::uint32_t tocadas = std::exchange(teclasTocadas_, 0);
        for (int k = 0; k < QuantidadeTeclas; ++k)
            if ((tocadas >> k) & 1u) som_.DesligarNota(midi::NotaDaTecla(k));
        return;
    }
    for (int s = 0; s < 5; ++s) {
        const int k = TeclaDoSlot(s);
        if (k != -1) som_.DesligarNota(midi::NotaDaTecla(k));
    }
}

bool Teclado::NaPosicao(int tecla) const {
    return tecla >= 0 && ((posicaoMostrada_.Mascara() >> tecla) & 1);
}

void Teclado::MouseSobreTecla(int tecla) {
    if (tecla == -1) {
        const int anterior = teclaSoando_;
        teclaSoando_ = -1;
        if (anterior == -1) return;
        if (!AcordeAtual()) {
            SoltarTeclaDoPonteiro(anterior);
            SilenciarTecla(anterior);
            return;
        }
        // Over a chord, a note started by the pointer is stopped too: with a sustaining
        // instrument it would otherwise sound until the listen button is used. A key pressed
        // by free playing before the chord came is released.
        if (!NaPosicao(anterior)) SoltarTeclaDoPonteiro(anterior);
        SilenciarTecla(anterior);
        return;
    }
    if (tecla == teclaSoando_) return;
    if (teclaSoando_ != -1) SilenciarTecla(teclaSoando_);
    bool soar;
    if (!AcordeAtual()) {
        SoltarTeclaDoPonteiro(teclaSoando_);
        teclaSoando_ = tecla;
        PressionarTecla(tecla);
        soar = true;
    } else {
        // The chord's keys are already drawn pressed; only a key left pressed by free playing
        // before the chord came changes back.
        if (teclaSoando_ != -1 && !NaPosicao(teclaSoando_)) SoltarTeclaDoPonteiro(teclaSoando_);
        soar = NaPosicao(tecla);
        teclaSoando_ = soar ? tecla : -1;
    }
    if (soar) {
        som_.EnviarEvento(midi::StatusNotaLigada, midi::NotaDaTecla(tecla),
                          static_cast<std::uint8_t>(som_.ObterVelocidade()));
        teclaSoando_ = tecla;
    }
}
