// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The class-level Instancia() operations are façades: start-up owns the one object of each
// kind and binds it here for as long as it lives; nothing below start-up creates or keeps a
// process-wide object of its own. Tests build their objects directly and bind nothing.

#include <stdexcept>

template <typename T>
class Fachada {
  public:
    // The object start-up bound. Throws std::logic_error when none is bound.
    static T& Obter() {
        if (!atual_) throw std::logic_error("no instance was bound at start-up");
        return *atual_;
    }
    static bool Vinculada() { return atual_ != nullptr; }

    // Binds `objeto` while the binding lives; the former binding comes back afterwards.
    class Vinculo {
      public:
        explicit Vinculo(T& objeto) : anterior_(atual_) { atual_ = &objeto; }
        ~Vinculo() { atual_ = anterior_; }
        Vinculo(const Vinculo&) = delete;
        Vinculo& operator=(const Vinculo&) = delete;

      private:
        T* anterior_;
    };

  private:
    static inline T* atual_ = nullptr;
};
