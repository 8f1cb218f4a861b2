// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A list that keeps its first N elements inside itself: a chord has at most four positions, so
// generating one allocates nothing for them. Past N it moves everything to the heap.

#include <cstddef>
#include <memory>
#include <new>
#include <utility>
#include <vector>

template <class T, std::size_t N>
class ListaCurta {
  public:
    ListaCurta() = default;
    ~ListaCurta() { Limpar(); }
    ListaCurta(const ListaCurta& outra) { CopiarDe(outra); }
    ListaCurta(ListaCurta&& outra) noexcept { MoverDe(std::move(outra)); }
    ListaCurta& operator=(const ListaCurta& outra) {
        if (this != &outra) {
            Limpar();
            CopiarDe(outra);
        }
        return *this;
    }
    ListaCurta& operator=(ListaCurta&& outra) noexcept {
        if (this != &outra) {
            Limpar();
            MoverDe(std::move(outra));
        }
        return *this;
    }

    void push_back(const T& valor) {
        if (Fora()) {
            fora_.push_back(valor);
        } else if (quantidade_ < N) {
            ::new (Dentro() + quantidade_) T(valor);
        } else {
            fora_.reserve(2 * N);
            for (std::size_t i = 0; i < N; ++i) fora_.push_back(std::move(Dentro()[i]));
            fora_.push_back(valor);
            std::destroy_n(Dentro(), N);
            emFora_ = true;
        }
        ++quantidade_;
    }
    void reserve(std::size_t n) {
        if (n > N && !Fora()) {
            fora_.reserve(n);
            for (std::size_t i = 0; i < quantidade_; ++i) fora_.push_back(std::move(Dentro()[i]));
            std::destroy_n(Dentro(), quantidade_);
            emFora_ = true;
        }
    }
    std::size_t size() const { return quantidade_; }
    T* data() { return Fora() ? fora_.data() : Dentro(); }
    const T* data() const { return Fora() ? fora_.data() : Dentro(); }
    T& operator[](std::size_t i) { return data()[i]; }
    const T& operator[](std::size_t i) const { return data()[i]; }
    T* begin() { return data(); }
    T* end() { return data() + quantidade_; }

  private:
    bool Fora() const { return emFora_; }
    T* Dentro() { return std::launder(reinterpret_cast<T*>(dentro_)); }
    const T* Dentro() const { return std::launder(reinterpret_cast<const T*>(dentro_)); }
    void Limpar() {
        if (Fora())
            fora_.clear();
        else
            std::destroy_n(Dentro(), quantidade_);
        emFora_ = false;
        quantidade_ = 0;
    }
    void CopiarDe(const ListaCurta& outra) {
        if (outra.Fora()) {
            fora_ = outra.fora_;
            emFora_ = true;
        } else {
            std::uninitialized_copy_n(outra.Dentro(), outra.quantidade_, Dentro());
        }
        quantidade_ = outra.quantidade_;
    }
    void MoverDe(ListaCurta&& outra) {
        if (outra.Fora()) {
            fora_ = std::move(outra.fora_);
            emFora_ = true;
            outra.fora_.clear();
        } else {
            std::uninitialized_move_n(outra.Dentro(), outra.quantidade_, Dentro());
            std::destroy_n(outra.Dentro(), outra.quantidade_);
        }
        quantidade_ = outra.quantidade_;
        outra.quantidade_ = 0;
        outra.emFora_ = false;
    }

    // The first N elements, built in place as they come.
    alignas(T) unsigned char dentro_[N * sizeof(T)];
    std::vector<T> fora_;  // every element, once there are more than N
    std::size_t quantidade_ = 0;
    bool emFora_ = false;  // the elements live in fora_
};
