// SPDX-License-Identifier: GPL-3.0-or-later
// The chord symbol parser and transposition: any text either parses or gives one of the two
// parser failures, and a transposed symbol parses to the same chord moved by the step.
#include <string>

#include "Alvos.h"
#include "Cifra.h"

namespace {

constexpr CifraCodificada Intervalos(CifraCodificada c) { return (c >> 5) & 0x7FF; }

// Whether the transposition writes a suffix that starts with "#" or "b" so that it stays apart
// from the new root. Where it still glues them (C#b5 a semitone up reading as the power chord
// Db5), such symbols are left out of the check below.
bool SufixoAcidenteSeparado() {
    CifraCodificada c;
    return TentarAnalisarCifra(TransporCifra("C#b5", 1, SentidoTransposicao::Acima), c) &&
           Intervalos(c) == Intervalos(AnalisarCifra("C(b5)"));
}

bool SufixoComecaComAcidente(std::string_view cifra) {
    const std::string_view resto = cifra.substr(NomeRaizCifra(cifra).size());
    return !resto.empty() && (resto.front() == '#' || resto.front() == 'b');
}

}  // namespace

void fuzz::Cifra(const std::uint8_t* dados, std::size_t tamanho) {
    const std::string cifra(reinterpret_cast<const char*>(dados), tamanho);
    (void)NomeRaizCifra(cifra);

    CifraCodificada valor = 0;
    bool valida = false;
    try {
        valor = AnalisarCifra(cifra);
        valida = true;
    } catch (const RaizNaoEncontradaException&) {
    } catch (const FormatoInvalidoException&) {
    }
    CifraCodificada outro = 0;
    Exigir(TentarAnalisarCifra(cifra, outro) == valida, "the two parsers disagree");
    if (!valida) return;
    Exigir(outro == valor, "the two parsers give different values");
    Exigir(RaizCifra(valor) < QuantidadeNomesNotas, "root out of range");
    Exigir(!TemBaixo(valor) || BaixoCifra(valor) < QuantidadeNomesNotas, "bass out of range");

    static const bool separado = SufixoAcidenteSeparado();
    if (!separado && SufixoComecaComAcidente(cifra)) return;
    for (const auto sentido : {SentidoTransposicao::Acima, SentidoTransposicao::Abaixo}) {
        for (const int passo : {0, 1, 2, 5, 6, 11, 12, 13}) {
            const std::string transposta = TransporCifra(cifra, passo, sentido);
            CifraCodificada nova = 0;
            Exigir(TentarAnalisarCifra(transposta, nova), "a transposed symbol does not parse");
            const int desvio = sentido == SentidoTransposicao::Acima ? passo : 12 * 2 - passo;
            Exigir(ClasseDoNome(RaizCifra(nova)) == (ClasseDoNome(RaizCifra(valor)) + desvio) % 12,
                   "the root did not move by the step");
            Exigir(TemBaixo(nova) == TemBaixo(valor), "the bass came or went");
            Exigir(!TemBaixo(valor) || ClasseDoNome(BaixoCifra(nova)) ==
                                           (ClasseDoNome(BaixoCifra(valor)) + desvio) % 12,
                   "the bass did not move by the step");
            Exigir(Intervalos(nova) == Intervalos(valor), "the chord changed its intervals");
        }
    }
}
