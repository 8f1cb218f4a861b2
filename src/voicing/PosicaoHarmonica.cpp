#include "PosicaoHarmonica.h"

#include <algorithm>
#include <cstdlib>

int DistanciaAoCentro(const PosicaoHarmonicaGerador& p) {
    int soma = 0;
    for (int k = 0; k < QuantidadeTeclas; ++k) {
        if (p.Teclas[static_cast<std::size_t>(k)] == 1) soma += std::abs(k - TeclaCentral);
    }
    return soma;
}

void ColecaoPosicaoHarmonicaGerador::Ordenar() {
    std::stable_sort(itens_.begin(), itens_.end(),
                     [](const PosicaoHarmonicaGerador& a, const PosicaoHarmonicaGerador& b) { return a < b; });
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

PosicaoHarmonicaTeclado::PosicaoHarmonicaTeclado(const PosicaoHarmonicaTeclado& outra)
    : teclas_(outra.teclas_), quantidade_(outra.quantidade_) {
    Recalcular();
}

PosicaoHarmonicaTeclado& PosicaoHarmonicaTeclado::operator=(const PosicaoHarmonicaTeclado& outra) {
    teclas_ = outra.teclas_;
    quantidade_ = outra.quantidade_;
    Recalcular();
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
        if (teclas_[static_cast<std::size_t>(slot)] >= 0) teclas.push_back(teclas_[static_cast<std::size_t>(slot)]);
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
    for (int k = QuantidadeTeclas - 1; k >= 0; --k) {
        const auto i = static_cast<std::size_t>(k);
        if (g.Teclas[i] == 1 && g.Dedos[i] >= 0 && g.Dedos[i] < QuantidadeDedos) {
            entradas[static_cast<std::size_t>(g.Dedos[i])] = k;
        }
    }
    return PosicaoHarmonicaTeclado(entradas);
}
