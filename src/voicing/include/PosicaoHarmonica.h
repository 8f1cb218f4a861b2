// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Keyboard positions in the generator's working form and in the keyboard's form.

#include <array>
#include <cstdint>
#include <initializer_list>
#include <vector>

#include "ListaCurta.h"
#include "Notas.h"

inline constexpr std::int8_t SemDedo = 5;
inline constexpr int QuantidadeDedos = 5;

// The generator's working form: a flag and a finger slot for each of the 25 keys.
struct PosicaoHarmonicaGerador {
    std::array<std::uint8_t, QuantidadeTeclas> Teclas{};  // 1 when the key is pressed
    std::array<std::int8_t, QuantidadeTeclas> Dedos;      // slot 0..4, or SemDedo

    PosicaoHarmonicaGerador() { Dedos.fill(SemDedo); }
};

// The pressed keys of `p` as bits (bit k for key k).
std::uint32_t MascaraTeclas(const PosicaoHarmonicaGerador& p);

// Sum over the pressed keys k of |k - 12|.
int DistanciaAoCentro(const PosicaoHarmonicaGerador& p);
// Nearer the centre first.
inline bool operator<(const PosicaoHarmonicaGerador& a, const PosicaoHarmonicaGerador& b) {
    return DistanciaAoCentro(a) < DistanciaAoCentro(b);
}

class ColecaoPosicaoHarmonicaGerador {
  public:
    void Adicionar(const PosicaoHarmonicaGerador& p) { itens_.push_back(p); }
    int Quantidade() const { return static_cast<int>(itens_.size()); }
    PosicaoHarmonicaGerador& Obter(int i) { return itens_[static_cast<std::size_t>(i)]; }
    const PosicaoHarmonicaGerador& Obter(int i) const {
        return itens_[static_cast<std::size_t>(i)];
    }
    // Stable sort, ascending DistanciaAoCentro.
    void Ordenar();

  private:
    ListaCurta<PosicaoHarmonicaGerador, 4> itens_;  // a generated chord has at most four
};

// Walks a collection handing out its elements in place, so a caller may change them.
class IteradorPosicaoHarmonicaGerador {
  public:
    explicit IteradorPosicaoHarmonicaGerador(ColecaoPosicaoHarmonicaGerador& colecao)
        : colecao_(colecao) {}
    bool TemProximo() const { return proximo_ < colecao_.Quantidade(); }
    PosicaoHarmonicaGerador& Proximo() { return colecao_.Obter(proximo_++); }

  private:
    ColecaoPosicaoHarmonicaGerador& colecao_;
    int proximo_ = 0;
};

// The keyboard form: for each finger slot 0..4 the key it presses or -1, with the mask of
// pressed keys. Equal when the masks are equal.
class PosicaoHarmonicaTeclado {
  public:
    PosicaoHarmonicaTeclado() = default;  // empty: only a target for assignment
    // Builds from up to five key entries (-1 for an unused finger).
    explicit PosicaoHarmonicaTeclado(const std::vector<std::int32_t>& teclasPorDedo);
    PosicaoHarmonicaTeclado(std::initializer_list<std::int32_t> teclasPorDedo);
    explicit PosicaoHarmonicaTeclado(const std::array<std::int32_t, 5>& teclasPorDedo);
    PosicaoHarmonicaTeclado(const PosicaoHarmonicaTeclado& outra);
    PosicaoHarmonicaTeclado& operator=(const PosicaoHarmonicaTeclado& outra);
    virtual ~PosicaoHarmonicaTeclado() = default;

    // The key pressed by finger slot 0..4, or -1.
    std::int32_t TeclaDoDedo(int slot) const { return teclas_[static_cast<std::size_t>(slot)]; }
    std::int32_t Mascara() const { return mascara_; }
    // Number of entries of the sequence: 5, or 0 for a default-built position.
    int QuantidadeEntradas() const { return quantidade_; }
    // The pressed keys, ascending.
    std::vector<int> TeclasPressionadas() const;
    // The finger slot that presses `tecla`, or -1.
    int DedoDaTecla(int tecla) const;
    // The pressed keys in the order a chord is struck: finger slot 4 down to slot 0 (the fifth
    // finger holds the lowest key). Note-offs go the other way.
    std::vector<int> TeclasEmOrdemDeAtaque() const;

    bool operator==(const PosicaoHarmonicaTeclado& outra) const {
        return mascara_ == outra.mascara_;
    }

  private:
    void Recalcular();

    std::array<std::int32_t, QuantidadeDedos> teclas_{-1, -1, -1, -1, -1};
    std::int32_t mascara_ = 0;
    std::uint8_t quantidade_ = 0;
};

// The idle position: no key pressed.
PosicaoHarmonicaTeclado PosicaoVazia();

class ColecaoPosicaoHarmonicaTeclado {
  public:
    void Adicionar(const PosicaoHarmonicaTeclado& p) { itens_.push_back(p); }
    // The element itself; the caller keeps the index in range.
    const PosicaoHarmonicaTeclado& Obter(int i) const {
        return itens_[static_cast<std::size_t>(i)];
    }
    int Quantidade() const { return static_cast<int>(itens_.size()); }
    void Reservar(int n) { itens_.reserve(static_cast<std::size_t>(n)); }

  private:
    ListaCurta<PosicaoHarmonicaTeclado, 4> itens_;
};

// The keyboard form of a fingered generator position.
PosicaoHarmonicaTeclado ParaTeclado(const PosicaoHarmonicaGerador& g);
