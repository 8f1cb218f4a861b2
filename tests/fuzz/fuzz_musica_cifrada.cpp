// SPDX-License-Identifier: GPL-3.0-or-later
// Chord chart analysis and transposition. The first byte of an input chooses the step, the
// direction, the spelling and the size of the pieces a stream would bring; the rest is the
// chart, as a file holds it. What must hold: a transposed chart keeps every byte that is not a
// chord, the chords become their transpositions, and the chart read in pieces gives what the whole
// chart gives.
#include <string>
#include <vector>

#include "Alvos.h"
#include "AnaliseCifra.h"
#include "CifraEmPartes.h"
#include "TransposicaoCifra.h"
#include "Utf8.h"

namespace {

// The line transposed the slow way: every candidate that parses replaced by its transposition.
std::string LinhaEsperada(std::string_view linha, int semitons, SentidoTransposicao sentido,
                          GrafiaNotas grafia = GrafiaNotas::Tabelas) {
    std::string esperada;
    std::size_t caractere = 0;
    std::size_t byte = 0;
    for (const Candidato& c : CandidatosDaLinha(linha)) {
        const std::size_t inicio =
            byte + utf8::OffsetDoCaractere(linha.substr(byte), c.posicao - caractere);
        esperada.append(linha, byte, inicio - byte);
        CifraCodificada valor;
        if (semitons > 0 && TentarAnalisarCifra(c.texto, valor)) {
            esperada += TransporCifra(c.texto, semitons, sentido, grafia);
        } else {
            esperada += c.texto;
        }
        byte = inicio + c.texto.size();
        caractere = c.posicao + c.tamanho;
    }
    esperada.append(linha, byte);
    return esperada;
}

// A line that may be read as the key line ("Tom: G", "Key: Bb"): its key moves with the key
// spelling even among words, so it is checked apart.
bool PodeSerLinhaDeTom(std::string_view linha) {
    const std::size_t inicio = linha.find_first_not_of(" []\t");
    if (inicio == std::string_view::npos) return false;
    const char c = linha[inicio];
    return c == 't' || c == 'T' || c == 'k' || c == 'K';
}

// The --spelling paths: sharps and flats name every moved chord from their table; the key
// spelling names them all from one of the two, the key line apart; the window's lines give the
// same as the text.
void VerificarGrafias(const std::string& texto, const std::vector<std::string>& linhas,
                      int semitons, SentidoTransposicao sentido, int escolha) {
    const int efetivo = semitons == 0 ? 0 : (semitons - 1) % 12 + 1;
    const GrafiaTransposicao grafia = escolha == 1   ? GrafiaTransposicao::Sustenidos
                                      : escolha == 2 ? GrafiaTransposicao::Bemois
                                                     : GrafiaTransposicao::Tom;
    const std::string transposto = TransporTexto(texto, semitons, sentido, grafia);
    const std::vector<std::string> transpostas = DividirLinhas(transposto);
    fuzz::Exigir(transpostas.size() == linhas.size(), "a spelling changed the line count");
    fuzz::Exigir(TransporLinhas(linhas, std::to_string(semitons), sentido, grafia) == transpostas,
                 "the window's spelled transposition differs from the text's");
    bool sustenidos = true;
    bool bemois = true;
    for (std::size_t i = 0; i < linhas.size(); ++i) {
        const bool comSustenidos =
            transpostas[i] == LinhaEsperada(linhas[i], efetivo, sentido, GrafiaNotas::Sustenidos);
        const bool comBemois =
            transpostas[i] == LinhaEsperada(linhas[i], efetivo, sentido, GrafiaNotas::Bemois);
        if (grafia == GrafiaTransposicao::Tom && PodeSerLinhaDeTom(linhas[i])) continue;
        sustenidos = sustenidos && comSustenidos;
        bemois = bemois && comBemois;
    }
    if (grafia == GrafiaTransposicao::Sustenidos)
        fuzz::Exigir(sustenidos, "a chord missed the sharps");
    if (grafia == GrafiaTransposicao::Bemois) fuzz::Exigir(bemois, "a chord missed the flats");
    fuzz::Exigir(sustenidos || bemois, "the key spelling mixed sharps and flats");
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
    fuzz::Exigir(decodificado == texto, "decoding in pieces differs from decoding the whole");
    fuzz::Exigir(utf8::Valido(texto), "decoded text is not UTF-8");

    // The whole chart, line by line against the slow way.
    const std::string transposto = TransporTexto(texto, semitons, sentido);
    const std::vector<std::string> linhas = DividirLinhas(texto);
    const std::vector<std::string> linhasTranspostas = DividirLinhas(transposto);
    fuzz::Exigir(linhasTranspostas.size() == linhas.size(), "transposition changed the line count");
    const int efetivo = semitons == 0 ? 0 : (semitons - 1) % 12 + 1;
    for (std::size_t i = 0; i < linhas.size(); ++i) {
        Exigir(linhasTranspostas[i] == LinhaEsperada(linhas[i], efetivo, sentido),
               "a line was not rewritten chord by chord");
        (void)LinhaContemTexto(linhas[i]);
    }
    fuzz::Exigir(TransporLinhas(linhas, std::to_string(semitons), sentido) == linhasTranspostas,
                 "the window's transposition differs from the text's");
    // The spelling: 0 the tables (above), 1 sharps, 2 flats, 3 the key; the first byte's
    // quotient by 14 is what the step leaves of it.
    if (const int escolha = (dados[0] / 14) % 4; escolha != 0)
        VerificarGrafias(texto, linhas, semitons, sentido, escolha);

    // The same chart arriving in pieces.
    TransposicaoContinua continua(semitons, sentido);
    std::string emPartes;
    for (std::size_t i = 0; i < texto.size(); i += pedaco)
        continua.Acrescentar(std::string_view(texto).substr(i, pedaco), emPartes);
    continua.Terminar(emPartes);
    fuzz::Exigir(emPartes == transposto,
                 "transposing in pieces differs from transposing the whole");

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
    fuzz::Exigir(iguais && k == coletados.size(),
                 "collecting in pieces differs from collecting lines");
}
