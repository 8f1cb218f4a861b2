// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Measuring rendered sound: the power at one pitch, levels, and the pitches a chord sounds.

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace espectro {

inline double FrequenciaNota(int nota) { return 440.0 * std::pow(2.0, (nota - 69) / 12.0); }

// Power of `frequencia` in the Hann-windowed samples (Goertzel).
inline double Potencia(const std::vector<float>& x, double frequencia, double taxa) {
    const double w = 2.0 * std::numbers::pi * frequencia / taxa;
    const double c = 2.0 * std::cos(w);
    double s1 = 0, s2 = 0;
    const double n = static_cast<double>(x.size());
    for (std::size_t i = 0; i < x.size(); ++i) {
        const double janela = 0.5 - 0.5 * std::cos(2.0 * std::numbers::pi * double(i) / (n - 1));
        const double s = x[i] * janela + c * s1 - s2;
        s2 = s1;
        s1 = s;
    }
    return s1 * s1 + s2 * s2 - c * s1 * s2;
}

inline float Pico(const std::vector<float>& x) {
    float pico = 0;
    for (float v : x) pico = std::max(pico, std::abs(v));
    return pico;
}

inline double Rms(const std::vector<float>& x, std::size_t de, std::size_t ate) {
    double soma = 0;
    for (std::size_t i = de; i < ate; ++i) soma += double(x[i]) * x[i];
    return std::sqrt(soma / double(ate - de));
}

// How far the weakest note of `notas` (ascending) stands above the strongest other chromatic
// pitch from an octave below the chord to its top, overtones of the chord's notes (octave,
// twelfth, double octave, major seventeenth) left aside. Above 100 the chord is clean.
inline double Destaque(const std::vector<float>& som, const std::vector<int>& notas, double taxa) {
    double fracaDoAcorde = INFINITY, forteDasOutras = 0;
    for (int nota = notas.front() - 12; nota <= notas.back(); ++nota) {
        const bool doAcorde = std::find(notas.begin(), notas.end(), nota) != notas.end();
        bool sobretom = false;
        for (int n : notas)
            for (int intervalo : {12, 19, 24, 28}) sobretom |= nota == n + intervalo;
        const double p = Potencia(som, FrequenciaNota(nota), taxa);
        if (doAcorde)
            fracaDoAcorde = std::min(fracaDoAcorde, p);
        else if (!sobretom)
            forteDasOutras = std::max(forteDasOutras, p);
    }
    return fracaDoAcorde / forteDasOutras;
}

}  // namespace espectro
