// SPDX-License-Identifier: GPL-3.0-or-later
#include "PosicaoHarmonica.h"

#include <algorithm>
#include <bit>
#include <cstdlib>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

std::uint32_t MascaraTeclas(const PosicaoHarmonicaGerador& p) {
#if defined(__SSE2__)
    // Two 16-byte comparisons instead of 25 tests: every chord looks at its keys a few times.
    // Keys 0..15 and 9..24, both read in place from the array.
    static_assert(QuantidadeTeclas > 16 && QuantidadeTeclas <= 32);
    constexpr int kSegundo = QuantidadeTeclas - 16;
    const __m128i um = _mm_set1_epi8(1);
    const auto* teclas = reinterpret_cast<const __m128i*>(p.Teclas.data());
    const auto* teclasAltas = reinterpret_cast<const __m128i*>(p.Teclas.data() + kSegundo);
    const auto baixo =
        static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(_mm_loadu_si128(teclas), um)));
    const auto alto = static_cast<std::uint32_t>(
        _mm_movemask_epi8(_mm_cmpeq_epi8(_mm_loadu_si128(teclasAltas), um)));
    return baixo | (alto << kSegundo);
#else
    std::uint32_t mascara = 0;
    for (int k = 0; k < QuantidadeTeclas; ++k)
        mascara |= std::uint32_t{p.Teclas[static_cast<std::size_t>(k)] == 1} << k;
    return mascara;
#endif
}

int DistanciaAoCentro(const PosicaoHarmonicaGerador& p) {
    int soma = 0;
    for (std::uint32_t m = MascaraTeclas(p); m != 0; m &= m - 1)
        soma += std::abs(std::countr_zero(m) - TeclaCentral);
    return soma;
}

void ColecaoPosicaoHarmonicaGerador::Ordenar() {
    // Insertion sort, stable, each distance counted once: a chord has at most four positions,
    // and std::stable_sort would ask the heap for a buffer.
    const std::size_t n = itens_.size();
    if (n < 2) return;
    if (n > 8) {
        std::stable_sort(itens_.begin(), itens_.end(),
                         [](const PosicaoHarmonicaGerador& a, const PosicaoHarmonicaGerador& b) {
                             return a < b;
                         });
        return;
    }
    int distancias[8];
    for (std::size_t i = 0; i < n; ++i) distancias[i] = DistanciaAoCentro(itens_[i]);
    for (std::size_t i = 1; i < n; ++i) {
        const int d = distancias[i];
        std::size_t j = i;
        while (j > 0 && distancias[j - 1] > d) --j;
        if (j == i) continue;
        const PosicaoHarmonicaGerador p = itens_[i];
        for (std::size_t k = i; k > j; --k) {
            itens_[k] = itens_[k - 1];
            distancias[k] = distancias[k - 1];
        }
        itens_[j] = p;
        distancias[j] = d;
    }
}

PosicaoHarmonicaTeclado::PosicaoHarmonicaTeclado(const std::vector<std::int32_t>& teclasPorDedo) {
    const std::size_t n = std::min<std::size_t>(teclasPorDedo.size(), QuantidadeDedos);
    std::copy_n(teclasPorDedo.begin(), n, teclas_.begin());
    quantidade_ = static_cast<std::uint8_t>(n);
    Recalcular();
}

PosicaoHarmonicaTeclado::PosicaoHarmonicaTeclado(std::initializer_list<std::int32_t> teclasPorDedo)
    : PosicaoHarmonicaTeclado(std::vector<std::int32_t>(teclasPorDedo)) {}

PosicaoHarmonicaTeclado::PosicaoHarmonicaTeclado(const std::array<std::int32_t, 5>& teclasPorDedo)
    : teclas_(teclasPorDedo), quantidade_(QuantidadeDedos) {
    Recalcular();
}

// The mask follows from the keys: a copy takes it as it is.
PosicaoHarmonicaTeclado::PosicaoHarmonicaTeclado(const PosicaoHarmonicaTeclado& outra)
    : teclas_(outra.teclas_), mascara_(outra.mascara_), quantidade_(outra.quantidade_) {}

PosicaoHarmonicaTeclado& PosicaoHarmonicaTeclado::operator=(const PosicaoHarmonicaTeclado& outra) {
    teclas_ = outra.teclas_;
    mascara_ = outra.mascara_;
    quantidade_ = outra.quantidade_;
    return *this;
}

void PosicaoHarmonicaTeclado::Recalcular() {
    mascara_ = 0;
    for (std::size_t s = 0; s < quantidade_; ++s) {
        const std::int32_t k = teclas_[s];
        if (k >= 0 && k < QuantidadeTeclas) mascara_ |= std::int32_t{1} << k;
    }
}

std::vector<int> PosicaoHarmonicaTeclado::TeclasPressionadas() const {
    std::vector<int> teclas;
    for (int k = 0; k < QuantidadeTeclas; ++k) {
        if ((mascara_ >> k) & 1) teclas.push_back(k);
    }
    return teclas;
}

std::vector<int> PosicaoHarmonicaTeclado::TeclasEmOrdemDeAtaque() const {
    std::vector<int> teclas;
    for (int slot = 4; slot >= 0; --slot)
        if (teclas_[static_cast<std::size_t>(slot)] >= 0)
            teclas.push_back(teclas_[static_cast<std::size_t>(slot)]);
    return teclas;
}

int PosicaoHarmonicaTeclado::DedoDaTecla(int tecla) const {
    for (int s = 0; s < quantidade_; ++s) {
        if (teclas_[static_cast<std::size_t>(s)] == tecla) return s;
    }
    return -1;
}

PosicaoHarmonicaTeclado PosicaoVazia() { return PosicaoHarmonicaTeclado{-1, -1, -1, -1, -1}; }

PosicaoHarmonicaTeclado ParaTeclado(const PosicaoHarmonicaGerador& g) {
    std::array<std::int32_t, QuantidadeDedos> entradas{-1, -1, -1, -1, -1};
    // Upwards, the first key of a slot kept: a slot given twice holds its lowest key.
    for (std::uint32_t m = MascaraTeclas(g); m != 0; m &= m - 1) {
        const int k = std::countr_zero(m);
        const std::int8_t dedo = g.Dedos[static_cast<std::size_t>(k)];
        if (dedo >= 0 && dedo < QuantidadeDedos && entradas[static_cast<std::size_t>(dedo)] < 0)
            entradas[static_cast<std::size_t>(dedo)] = k;
    }
    return PosicaoHarmonicaTeclado(entradas);
}
