// SPDX-License-Identifier: GPL-3.0-or-later
// Chord chart analysis and transposition. The first byte of an input chooses the step, the
// direction and the size of the pieces a stream would bring; the rest is the chart, as a file
// holds it. What must hold: a transposed chart keeps every byte that is not a chord, the chords
// become their transpositions, and the chart read in pieces gives what the whole chart gives.
#include <string>
#include <vector>

#include "Alvos.h"
#include "MusicaCifrada.h"
#include "Utf8.h"

namespace {

// The line transposed the slow way: every candidate that parses replaced by its transposition.
std::string LinhaEsperada(std::string_view linha, int semitons, SentidoTransposicao sentido) {
    std::string esperada;
    std::size_t caractere = 0;
    std::size_t byte = 0;
    for (const Candidato& c : CandidatosDaLinha(linha)) {
        const std::size_t inicio =
            byte + utf8::OffsetDoCaractere(linha.substr(byte), c.posicao - caractere);
        esperada.append(linha, byte, inicio - byte);
        CifraCodificada valor;
        if (semitons > 0 && TentarAnalisarCifra(c.texto, valor)) {
            esperada += TransporCifra(c.texto, semitons, sentido);
        } else {
            esperada += c.texto;
        }
        byte = inicio + c.texto.size();
        caractere = c.posicao + c.tamanho;
    }
    esperada.append(linha, byte);
    return esperada;
}

}  // namespace

void fuzz::MusicaCifrada(const std::uint8_t* dados, std::size_t tamanho) {
    if (tamanho == 0) return;
    const int semitons = dados[0] % 14;  // 0 to 13: none, every step, and one past an octave
    const auto sentido =
        (dados[0] & 0x10) ? SentidoTransposicao::Abaixo : SentidoTransposicao::Acima;
    const std::size_t pedaco = std::size_t{1} << ((dados[0] >> 5) * 2);  // 1 to 16384 bytes
    const std::string_view bytes(reinterpret_cast<const char*>(dados) + 1, tamanho - 1);

    // Decoding in pieces is decoding the whole.
    const std::string texto = utf8::DecodificarTexto(bytes);
    utf8::Decodificador decodificador;
    std::string decodificado;
    for (std::size_t i = 0; i < bytes.size(); i += pedaco)
        decodificador.Decodificar(bytes.substr(i, pedaco), decodificado);
    decodificador.Terminar(decodificado);
    Exigir(decodificado == texto, "decoding in pieces differs from decoding the whole");
    Exigir(utf8::Valido(texto), "decoded text is not UTF-8");

    // The whole chart, line by line against the slow way.
    const std::string transposto = TransporTexto(texto, semitons, sentido);
    const std::vector<std::string> linhas = DividirLinhas(texto);
    const std::vector<std::string> linhasTranspostas = DividirLinhas(transposto);
    Exigir(linhasTranspostas.size() == linhas.size(), "transposition changed the line count");
    const int efetivo = semitons == 0 ? 0 : (semitons - 1) % 12 + 1;
    for (std::size_t i = 0; i < linhas.size(); ++i) {
        Exigir(linhasTranspostas[i] == LinhaEsperada(linhas[i], efetivo, sentido),
               "a line was not rewritten chord by chord");
        (void)LinhaContemTexto(linhas[i]);
    }
    Exigir(TransporLinhas(linhas, std::to_string(semitons), sentido) == linhasTranspostas,
           "the window's transposition differs from the text's");

    // The same chart arriving in pieces.
    TransposicaoContinua continua(semitons, sentido);
    std::string emPartes;
    for (std::size_t i = 0; i < texto.size(); i += pedaco)
        continua.Acrescentar(std::string_view(texto).substr(i, pedaco), emPartes);
    continua.Terminar(emPartes);
    Exigir(emPartes == transposto, "transposing in pieces differs from transposing the whole");

    const std::vector<std::string> coletados = ColetarAcordes(linhas);
    ColetaContinua coleta;
    std::size_t k = 0;
    bool iguais = true;
    const auto receber = [&](std::string_view c) {
        iguais = iguais && k < coletados.size() && coletados[k] == c;
        ++k;
    };
    for (std::size_t i = 0; i < texto.size(); i += pedaco)
        coleta.Acrescentar(std::string_view(texto).substr(i, pedaco), receber);
    coleta.Terminar(receber);
    Exigir(iguais && k == coletados.size(), "collecting in pieces differs from collecting lines");
}
