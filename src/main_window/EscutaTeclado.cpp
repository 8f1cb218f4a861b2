// SPDX-License-Identifier: GPL-3.0-or-later
#include "EscutaTeclado.h"

#include <algorithm>
#include <bit>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "Excecoes.h"
#include "GerenciadorAcordes.h"
#include "NomeadorAcordes.h"
#include "Teclado.h"

EscutaTeclado::EscutaTeclado(Teclado& teclado, GerenciadorAcordes& acordes,
                             const NomeadorAcordes& nomeador, CampoAcorde& campo)
    : teclado_(teclado),
      acordes_(acordes),
      nomeador_(nomeador),
      campo_(campo),
      ouvinte_(nomeador) {}

OuvinteAcordes::Mudanca EscutaTeclado::Receber(std::span<const std::uint8_t> mensagem) {
    using Mudanca = OuvinteAcordes::Mudanca;
    const Mudanca mudanca = ouvinte_.Receber(mensagem);
    switch (mudanca) {
        case Mudanca::Segurado:
        case Mudanca::Reduzido:
            // What is played wins over what was marked.
            marcadas_ = 0;
            teclado_.MostrarTeclas(ouvinte_.Segurado().Teclas());
            campo_.MostrarCifra(ouvinte_.Segurado().nome.Cifra());
            break;
        case Mudanca::Solto:
            marcadas_ = 0;
            Escolher(ouvinte_.Ultimo().nome.Cifra(), ouvinte_.Ultimo().Teclas());
            break;
        case Mudanca::Nenhuma:
            break;
    }
    return mudanca;
}

void EscutaTeclado::AlternarTecla(int tecla) {
    if (tecla < 0 || tecla >= QuantidadeTeclas) return;
    marcadas_ ^= 1u << tecla;
    if (marcadas_ == 0) {
        marcadas_ = 1;  // so that LimparMarcas acts
        LimparMarcas();
        return;
    }
    teclado_.MostrarTeclas(marcadas_);
    NomeAcordeFixo nome;
    NomearMarcadas(nome);
    campo_.MostrarCifra(nome.Cifra());
}

bool EscutaTeclado::NomearMarcadas(NomeAcordeFixo& nome) const {
    ConjuntoClasses classes = 0;
    for (int k = 0; k < QuantidadeTeclas; ++k)
        if ((marcadas_ >> k) & 1u) classes |= static_cast<ConjuntoClasses>(1u << (k % 12));
    return marcadas_ != 0 && nomeador_.MelhorNome(classes, std::countr_zero(marcadas_) % 12, nome);
}

bool EscutaTeclado::EscolherMarcadas(std::string_view cifra) {
    NomeAcordeFixo nome;
    if (!NomearMarcadas(nome) || nome.Cifra() != cifra) return false;
    const std::uint32_t teclas = std::exchange(marcadas_, 0);
    Escolher(cifra, teclas);
    return true;
}

bool EscutaTeclado::LimparMarcas() {
    if (marcadas_ == 0) return false;
    marcadas_ = 0;
    if (const PosicaoHarmonicaTeclado* posicao =
            acordes_.IndiceAcordeAtual() != -1 ? acordes_.PosicaoAtual() : nullptr)
        teclado_.MostrarPosicao(posicao);
    else
        teclado_.LimparExibicao();
    campo_.MostrarAcordeAtual();
    return true;
}

int EscutaTeclado::PosicaoMaisProxima(std::span<const std::int32_t> mascaras,
                                      std::uint32_t teclas) {
    // Keys as a wide mask, so that a shape moved by octaves can be laid over another.
    auto deslocar = [](std::uint64_t m, int semitons) {
        return semitons >= 0 ? m << semitons : m >> -semitons;
    };
    int melhor = -1;
    int melhorComuns = -1;
    int melhorDistancia = 0;
    const int grave = teclas != 0 ? std::countr_zero(teclas) : 0;
    for (std::size_t i = 0; i < mascaras.size(); ++i) {
        const auto mascara = static_cast<std::uint32_t>(mascaras[i]);
        const int graveP = mascara != 0 ? std::countr_zero(mascara) : 0;
        int comuns = 0;
        for (int oitavas = -3; oitavas <= 3; ++oitavas)
            comuns = std::max(
                comuns, std::popcount(deslocar(mascara, 12 * oitavas) & std::uint64_t{teclas}));
        const int distancia = std::abs(graveP - grave);
        if (comuns > melhorComuns || (comuns == melhorComuns && distancia < melhorDistancia)) {
            melhor = static_cast<int>(i);
            melhorComuns = comuns;
            melhorDistancia = distancia;
        }
    }
    return melhor;
}

void EscutaTeclado::Escolher(std::string_view cifra, std::uint32_t teclas) {
    try {
        // As if typed: the chord becomes current (and joins the chord list when new).
        std::vector<std::int32_t> mascaras;
        for (const PosicaoHarmonicaTeclado* p = &acordes_.ProcurarAcorde(cifra); p != nullptr;
             p = acordes_.ProximaPosicao())
            mascaras.push_back(p->Mascara());
        const int alvo = PosicaoMaisProxima(mascaras, teclas);
        const PosicaoHarmonicaTeclado* posicao = acordes_.PosicaoAtual();
        for (int i = static_cast<int>(mascaras.size()) - 1; i > alvo && posicao != nullptr; --i)
            posicao = acordes_.PosicaoAnterior();
        teclado_.MostrarPosicao(posicao);
        campo_.MostrarAcordeAtual();
    } catch (const FormatoInvalidoException&) {
        // Every name the listener gives reads back as a chord; should the generator still
        // refuse one, the keys played stay shown with their name.
    }
}
