// SPDX-License-Identifier: GPL-3.0-or-later
#include "GeradorAcordesTeclado.h"

#include <bit>
#include <cstdlib>

namespace {

constexpr int kCustoInicial = 2000000000;

// The first key at or above `baixo` whose pitch class is `classe` (any non-negative value).
int PrimeiraTecla(int baixo, int classe) { return baixo + ((classe % 12) - baixo % 12 + 12) % 12; }

// The pressed keys of `p`, ascending; returns how many there are.
int TeclasPressionadas(const PosicaoHarmonicaGerador& p, int (&teclas)[QuantidadeTeclas]) {
    int n = 0;
    for (std::uint32_t m = MascaraTeclas(p); m != 0; m &= m - 1) teclas[n++] = std::countr_zero(m);
    return n;
}

int CustoPar(int tecla, int slot, int proxima, int slotProxima) {
    const int d = std::abs(IndiceTeclaBranca[tecla] - IndiceTeclaBranca[proxima]);
    const int e = std::abs(slot - slotProxima);
    const int w = slotProxima == 0 ? 8 : 10;
    return w * std::abs(d - e);
}

// Every legal fingering of n keys: slots falling strictly from the lowest key up, in the
// order of a depth-first walk that tries the highest slot first. The search keeps the first
// candidate of the lowest cost, so this order decides between equal costs.
struct Candidatos {
    std::int8_t slots[32][QuantidadeDedos]{};  // C(5, n) <= 10 per n; 31 in all
    int inicio[QuantidadeDedos + 2]{};         // candidates of n keys: inicio[n] .. inicio[n + 1]

    constexpr Candidatos() {
        int total = 0;
        for (int n = 1; n <= QuantidadeDedos; ++n) {
            inicio[n] = total;
            std::int8_t atual[QuantidadeDedos]{};
            Listar(n, 0, QuantidadeDedos, atual, total);
        }
        inicio[QuantidadeDedos + 1] = total;
    }
    constexpr void Listar(int n, int i, int limite, std::int8_t (&atual)[QuantidadeDedos],
                          int& total) {
        if (i == n) {
            for (int j = 0; j < n; ++j) slots[total][j] = atual[j];
            ++total;
            return;
        }
        for (int f = limite - 1; f >= 0; --f) {
            atual[i] = static_cast<std::int8_t>(f);
            Listar(n, i + 1, f, atual, total);
        }
    }
};
constexpr Candidatos kCandidatos{};

// The cheapest fingering of `quantidade` (1..5) ascending keys into `melhor`.
void BuscarDedilhado(const int* teclas, int quantidade, std::int8_t (&melhor)[QuantidadeDedos]) {
    // The white-key distance of each neighbouring pair does not depend on the fingers.
    int distancia[QuantidadeDedos]{};
    for (int i = 1; i < quantidade; ++i)
        distancia[i] = std::abs(IndiceTeclaBranca[teclas[i - 1]] - IndiceTeclaBranca[teclas[i]]);
    int melhorCusto = kCustoInicial;
    const std::int8_t* escolhido = nullptr;
    for (int c = kCandidatos.inicio[quantidade]; c < kCandidatos.inicio[quantidade + 1]; ++c) {
        const std::int8_t* slots = kCandidatos.slots[c];
        int custo = 0;
        for (int i = 1; i < quantidade && custo < melhorCusto; ++i) {
            const int e = slots[i - 1] - slots[i];
            const int w = slots[i] == 0 ? 8 : 10;
            custo += w * std::abs(distancia[i] - e);
        }
        if (custo < melhorCusto) {
            melhorCusto = custo;
            escolhido = slots;
            if (custo == 0) break;  // nothing later can be cheaper
        }
    }
    for (int j = 0; j < quantidade; ++j) melhor[j] = escolhido[j];
}

}  // namespace

bool GeradorAcordesTeclado::PodeGerar(std::string_view cifra) const {
    try {
        GerarAcorde(cifra);
        return true;
    } catch (const FormatoInvalidoException&) {
    } catch (const RaizNaoEncontradaException&) {
    }
    return false;
}

GeradorAcordesTeclado& GeradorAcordesTeclado::Instancia() {
    static GeradorAcordesTeclado instancia;
    return instancia;
}

std::unique_ptr<AcordeTeclado> GeradorAcordesTeclado::GerarAcorde(std::string_view cifra) const {
    const CifraCodificada c = AnalisarCifra(cifra);
    ColecaoPosicaoHarmonicaGerador posicoes = GerarPosicoes(c);
    return std::make_unique<AcordeTeclado>(cifra, c, ConverterPosicoes(posicoes));
}

ColecaoPosicaoHarmonicaGerador GeradorAcordesTeclado::GerarPosicoes(CifraCodificada c) const {
    ColecaoPosicaoHarmonicaGerador posicoes;
    if (TemBaixo(c)) {
        posicoes.Adicionar(MontarPosicao(c));
    } else {
        const int r = ClasseDoNome(RaizCifra(c));
        const auto comBaixoEm = [&](int altura) { return ComBaixo(c, NomePelaClasse(altura)); };
        posicoes.Adicionar(MontarPosicao(comBaixoEm(r)));
        if (TemIntervalo(c, 3) || TemIntervalo(c, 4)) {
            posicoes.Adicionar(MontarPosicao(comBaixoEm(r + (TemIntervalo(c, 3) ? 3 : 4))));
        }
        if (TemIntervalo(c, 6) || TemIntervalo(c, 7) || TemIntervalo(c, 8)) {
            const int s = TemIntervalo(c, 6) ? 6 : TemIntervalo(c, 7) ? 7 : 8;
            posicoes.Adicionar(MontarPosicao(comBaixoEm(r + s)));
        }
        if (TemIntervalo(c, 10) || TemIntervalo(c, 11)) {
            posicoes.Adicionar(MontarPosicao(comBaixoEm(r + (TemIntervalo(c, 10) ? 10 : 11))));
        }
    }
    AtribuirDedos(posicoes);
    posicoes.Ordenar();
    return posicoes;
}

PosicaoHarmonicaGerador GeradorAcordesTeclado::MontarPosicao(CifraCodificada c) const {
    PosicaoHarmonicaGerador p;
    const int b = ClasseDoNome(BaixoCifra(c));
    const int r = ClasseDoNome(RaizCifra(c));
    int n = 0;
    const auto pressionar = [&](int tecla) {
        auto& t = p.Teclas[static_cast<std::size_t>(tecla)];
        if (t == 0) {
            t = 1;
            ++n;
        }
    };
    const auto soltar = [&](int classe) {
        p.Teclas[static_cast<std::size_t>(PrimeiraTecla(b, classe))] = 0;
        --n;
    };
    pressionar(b);
    pressionar(PrimeiraTecla(b, r));
    for (int s = 1; s <= 11; ++s) {
        if (TemIntervalo(c, s)) pressionar(PrimeiraTecla(b, r + s));
    }
    if (TemIntervalo(c, 4) && TemIntervalo(c, 5)) soltar(r + 4);
    if (n > 5 && TemIntervalo(c, 7)) soltar(r + 7);
    if (n > 5) throw FormatoInvalidoException("");
    return p;
}

void GeradorAcordesTeclado::AtribuirDedos(ColecaoPosicaoHarmonicaGerador& posicoes) const {
    IteradorPosicaoHarmonicaGerador it(posicoes);
    while (it.TemProximo()) {
        PosicaoHarmonicaGerador& p = it.Proximo();
        int teclas[QuantidadeTeclas];
        const int n = TeclasPressionadas(p, teclas);
        if (n == 0 || n > QuantidadeDedos) continue;  // nothing a hand can finger
        std::int8_t melhor[QuantidadeDedos];
        BuscarDedilhado(teclas, n, melhor);
        for (int i = 0; i < n; ++i) p.Dedos[static_cast<std::size_t>(teclas[i])] = melhor[i];
    }
}

int GeradorAcordesTeclado::CustoDedilhado(const PosicaoHarmonicaGerador& p) const {
    int teclas[QuantidadeTeclas];
    const int n = TeclasPressionadas(p, teclas);
    int custo = 0;
    for (int i = 0; i + 1 < n; ++i) {
        custo += CustoPar(teclas[i], p.Dedos[static_cast<std::size_t>(teclas[i])], teclas[i + 1],
                          p.Dedos[static_cast<std::size_t>(teclas[i + 1])]);
    }
    return custo;
}

ColecaoPosicaoHarmonicaTeclado GeradorAcordesTeclado::ConverterPosicoes(
    const ColecaoPosicaoHarmonicaGerador& posicoes) const {
    ColecaoPosicaoHarmonicaTeclado resultado;
    resultado.Reservar(posicoes.Quantidade());
    for (int i = 0; i < posicoes.Quantidade(); ++i)
        resultado.Adicionar(ParaTeclado(posicoes.Obter(i)));
    return resultado;
}
