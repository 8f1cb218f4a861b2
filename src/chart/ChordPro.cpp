// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChordPro.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "AnaliseCifra.h"
#include "Cifra.h"
#include "Texto.h"
#include "TomCifraInterno.h"
#include "Utf8.h"

namespace chordpro {

namespace {

constexpr bool Branco(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string_view Aparar(std::string_view s) {
    while (!s.empty() && Branco(s.front())) s.remove_prefix(1);
    while (!s.empty() && Branco(s.back())) s.remove_suffix(1);
    return s;
}

constexpr bool CaractereNome(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
           c == '-';
}

}  // namespace

std::optional<Diretiva> LerDiretiva(std::string_view linha) {
    const std::string_view aparada = Aparar(linha);
    if (aparada.size() < 3 || aparada.front() != '{' || aparada.back() != '}') return std::nullopt;
    const std::string_view dentro = aparada.substr(1, aparada.size() - 2);
    std::size_t i = 0;
    while (i < dentro.size() && Branco(dentro[i])) ++i;
    const std::size_t inicioNome = i;
    while (i < dentro.size() && CaractereNome(dentro[i])) ++i;
    if (i == inicioNome) return std::nullopt;
    Diretiva d;
    d.nome = MinusculasAscii(dentro.substr(inicioNome, i - inicioNome));
    while (i < dentro.size() && Branco(dentro[i])) ++i;
    if (i < dentro.size()) {
        // "{name: value}", and the older "{name value}".
        if (dentro[i] == ':')
            ++i;
        else if (i == inicioNome + d.nome.size())
            return std::nullopt;  // "{name!}": no directive
        const std::string_view valor = Aparar(dentro.substr(i));
        d.valor = valor;
        d.inicioValor = valor.empty() ? 0 : static_cast<std::size_t>(valor.data() - linha.data());
    }
    return d;
}

bool Comentario(std::string_view linha) {
    const std::string_view aparada = Aparar(linha);
    return !aparada.empty() && aparada.front() == '#';
}

bool ChaveDoTom(std::string_view linha, std::size_t& inicio, std::size_t& tamanho) {
    const auto d = LerDiretiva(linha);
    if (!d || (d->nome != "key" && d->nome != "k") || d->valor.empty()) return false;
    CifraCodificada c;
    if (!TentarAnalisarCifra(d->valor, c)) return false;
    inicio = d->inicioValor;
    tamanho = d->valor.size();
    return true;
}

bool ExtensaoChordPro(std::string_view nomeArquivo) {
    const std::size_t ponto = nomeArquivo.rfind('.');
    if (ponto == std::string_view::npos) return false;
    const std::string extensao = MinusculasAscii(nomeArquivo.substr(ponto + 1));
    return extensao == "cho" || extensao == "chopro" || extensao == "chordpro" ||
           extensao == "crd" || extensao == "pro";
}

bool TextoChordPro(std::string_view texto) {
    std::size_t inicio = 0;
    while (inicio < texto.size()) {
        std::size_t fim = texto.find_first_of("\r\n", inicio);
        if (fim == std::string_view::npos) fim = texto.size();
        if (LerDiretiva(texto.substr(inicio, fim - inicio))) return true;
        inicio = fim + 1;
    }
    return false;
}

bool Secoes::Ignorar(std::string_view linha) {
    if (const auto d = LerDiretiva(linha)) {
        if (d->nome == "start_of_tab" || d->nome == "sot") {
            tablatura_ = true;
            return true;
        }
        if (d->nome == "end_of_tab" || d->nome == "eot") {
            tablatura_ = false;
            return true;
        }
        if (tablatura_) return true;
        std::size_t inicio = 0;
        std::size_t tamanho = 0;
        return !ChaveDoTom(linha, inicio, tamanho);
    }
    return tablatura_ || Comentario(linha);
}

}  // namespace chordpro

namespace chordpro {

namespace {

std::vector<std::string_view> Linhas(std::string_view texto) {
    std::vector<std::string_view> linhas;
    ParaCadaLinha(texto,
                  [&](std::string_view linha, std::string_view) { linhas.push_back(linha); });
    return linhas;
}

bool EhCifra(std::string_view texto) {
    CifraCodificada c;
    return TentarAnalisarCifra(texto, c);
}

// A chord line whose every word is a chord: what may go into the lyric under it.
bool SoAcordes(std::string_view linha, std::vector<Candidato>& candidatos) {
    if (LinhaContemTexto(linha)) return false;
    candidatos = CandidatosDaLinha(linha);
    if (candidatos.empty()) return false;
    for (const Candidato& c : candidatos)
        if (!EhCifra(c.texto)) return false;
    return true;
}

// A line that is a section's name: one or two words ending in ":" ("Refrão:", "Verse 1:") or a
// name in brackets that is no chord ("[Chorus]"), with no chord on it.
std::optional<std::string_view> RotuloSecao(std::string_view linha) {
    const std::string_view aparada = Aparar(linha);
    if (aparada.size() < 2) return std::nullopt;
    std::string_view nome;
    if (aparada.front() == '[' && aparada.back() == ']')
        nome = Aparar(aparada.substr(1, aparada.size() - 2));
    else if (aparada.back() == ':')
        nome = Aparar(aparada.substr(0, aparada.size() - 1));
    else
        return std::nullopt;
    if (nome.empty() || nome.find_first_of("[]{}") != std::string_view::npos || EhCifra(nome))
        return std::nullopt;
    if (std::count(nome.begin(), nome.end(), ' ') > 2) return std::nullopt;
    return nome;
}

// `linha` with each chord in brackets at its place in `letra`.
std::string Mesclar(const std::vector<Candidato>& acordes, std::string_view letra) {
    std::string saida(letra);
    std::size_t caracteres = utf8::ContarCaracteres(letra);
    // From the right, so the places to the left stay where they were.
    for (auto c = acordes.rbegin(); c != acordes.rend(); ++c) {
        if (c->posicao >= caracteres) {
            saida.append(c->posicao - caracteres, ' ');
            caracteres = c->posicao;
        }
        saida.insert(utf8::OffsetDoCaractere(saida, c->posicao), "[" + std::string(c->texto) + "]");
    }
    return saida;
}

// Lifts each bracketed chord of `linha` onto `acordes`, over the character of `letra` that
// followed it; a chord that would touch the one before it moves the lyric on instead.
void LevantarAcordes(std::string_view linha, std::string& acordes, std::string& letra) {
    std::size_t colunaLetra = 0;  // characters in `letra`
    std::size_t colunaAcordes = 0;
    std::size_t i = 0;
    while (i < linha.size()) {
        const std::size_t abre = linha.find('[', i);
        const std::size_t fecha = abre == std::string_view::npos ? abre : linha.find(']', abre);
        if (fecha == std::string_view::npos) {
            letra += linha.substr(i);
            break;
        }
        const std::string_view antes = linha.substr(i, abre - i);
        letra += antes;
        colunaLetra += utf8::ContarCaracteres(antes);
        const std::string_view acorde = linha.substr(abre + 1, fecha - abre - 1);
        const std::size_t minimo = colunaAcordes == 0 ? 0 : colunaAcordes + 1;
        if (colunaLetra < minimo) {
            letra.append(minimo - colunaLetra, ' ');
            colunaLetra = minimo;
        }
        acordes.append(colunaLetra - colunaAcordes, ' ');
        acordes += acorde;
        colunaAcordes = colunaLetra + utf8::ContarCaracteres(acorde);
        i = fecha + 1;
    }
}

bool DiretivaComentario(const Diretiva& d) {
    return d.nome == "comment" || d.nome == "c" || d.nome == "comment_italic" || d.nome == "ci" ||
           d.nome == "comment_box" || d.nome == "cb" || d.nome == "highlight";
}

std::string SemBrancosNoFim(std::string_view linha) {
    while (!linha.empty() && (linha.back() == ' ' || linha.back() == '\t')) linha.remove_suffix(1);
    return std::string(linha);
}

}  // namespace

std::string ParaChordPro(std::string_view texto, std::string_view fimLinha) {
    const std::vector<std::string_view> linhas = Linhas(texto);
    std::string saida;
    const auto escrever = [&](std::string_view linha) {
        saida += linha;
        saida += fimLinha;
    };
    Secoes secoes;
    std::vector<Candidato> acordes;
    std::vector<Candidato> seguinte;
    for (std::size_t i = 0; i < linhas.size(); ++i) {
        const std::string_view linha = linhas[i];
        // What is ChordPro already (directives, comments, tabs) stays as it is.
        const bool ignorada = secoes.Ignorar(linha);
        if (ignorada || LerDiretiva(linha)) {
            escrever(linha);
            continue;
        }
        std::size_t inicio = 0;
        std::size_t tamanho = 0;
        if (cifra_interno::LerLinhaTom(linha, inicio, tamanho) && !LinhaContemTexto(linha)) {
            escrever("{key: " + std::string(linha.substr(inicio, tamanho)) + "}");
            continue;
        }
        if (const auto rotulo = RotuloSecao(linha)) {
            escrever("{comment: " + std::string(*rotulo) + "}");
            continue;
        }
        // Chords in brackets are ChordPro already.
        if (linha.find('[') != std::string_view::npos) {
            escrever(linha);
            continue;
        }
        if (!SoAcordes(linha, acordes)) {
            if (LinhaContemTexto(linha) || CandidatosDaLinha(linha).empty()) {
                escrever(linha);
                continue;
            }
            // Chords with marks ("|", "(2x)", "Intro:"): each chord bracketed where it stands.
            std::vector<Candidato> cifras;
            for (const Candidato& c : CandidatosDaLinha(linha))
                if (EhCifra(c.texto)) cifras.push_back(c);
            std::string nova(linha);
            for (auto c = cifras.rbegin(); c != cifras.rend(); ++c) {
                const std::size_t de = utf8::OffsetDoCaractere(nova, c->posicao);
                nova.replace(de, c->texto.size(), "[" + std::string(c->texto) + "]");
            }
            escrever(nova);
            continue;
        }
        // A chord line over a lyric line: one ChordPro line.
        const bool letraAbaixo = i + 1 < linhas.size() && !Aparar(linhas[i + 1]).empty() &&
                                 LinhaContemTexto(linhas[i + 1]) && !LerDiretiva(linhas[i + 1]) &&
                                 !Comentario(linhas[i + 1]) && !RotuloSecao(linhas[i + 1]) &&
                                 CandidatosDaLinha(linhas[i + 1]).empty();
        if (letraAbaixo) {
            escrever(Mesclar(acordes, linhas[i + 1]));
            ++i;
        } else {
            escrever(Mesclar(acordes, ""));
        }
    }
    return saida;
}

std::string ParaTexto(std::string_view texto, std::string_view fimLinha) {
    const std::vector<std::string_view> linhas = Linhas(texto);
    std::string titulo, subtitulo, artista, tom;
    for (const std::string_view linha : linhas) {
        const auto d = LerDiretiva(linha);
        if (!d) continue;
        std::string* destino = d->nome == "title" || d->nome == "t"       ? &titulo
                               : d->nome == "subtitle" || d->nome == "st" ? &subtitulo
                               : d->nome == "artist"                      ? &artista
                               : d->nome == "key" || d->nome == "k"       ? &tom
                                                                          : nullptr;
        if (destino && destino->empty()) *destino = std::string(d->valor);
    }
    std::string saida;
    const auto escrever = [&](std::string_view linha) {
        // Blanks at the end of a line are nobody's.
        while (!linha.empty() && (linha.back() == ' ' || linha.back() == '\t'))
            linha.remove_suffix(1);
        saida += linha;
        saida += fimLinha;
    };
    if (!titulo.empty()) escrever(titulo);
    if (!subtitulo.empty())
        escrever(subtitulo);
    else if (!artista.empty())
        escrever(artista);
    // "Tom:" is a marker word: the key line transposes with the song.
    if (!tom.empty()) escrever("Tom: " + tom);

    Secoes secoes;
    for (const std::string_view linha : linhas) {
        const bool tablatura = secoes.Ignorar(linha);
        if (const auto d = LerDiretiva(linha)) {
            if (DiretivaComentario(*d)) escrever(d->valor);
            continue;
        }
        if (tablatura) {
            if (!Comentario(linha)) escrever(linha);
            continue;
        }
        if (linha.find('[') == std::string_view::npos) {
            escrever(linha);
            continue;
        }
        std::string acordes, letra;
        LevantarAcordes(linha, acordes, letra);
        escrever(acordes);
        if (!Aparar(letra).empty()) escrever(letra);
    }
    return saida;
}

FolhaCancao FolhaDeCancao(std::string_view texto) {
    FolhaCancao folha;
    Secoes secoes;
    bool refrao = false;
    const auto acrescentar = [&](std::string_view linha) {
        folha.linhas.push_back({SemBrancosNoFim(linha), refrao});
    };
    for (const std::string_view linha : Linhas(texto)) {
        const bool tablatura = secoes.Ignorar(linha);
        if (const auto d = LerDiretiva(linha)) {
            if ((d->nome == "title" || d->nome == "t") && folha.titulo.empty())
                folha.titulo = d->valor;
            else if ((d->nome == "subtitle" || d->nome == "st") && folha.subtitulo.empty())
                folha.subtitulo = d->valor;
            else if (d->nome == "artist" && folha.artista.empty())
                folha.artista = d->valor;
            else if (d->nome == "start_of_chorus" || d->nome == "soc")
                refrao = true;
            else if (d->nome == "end_of_chorus" || d->nome == "eoc")
                refrao = false;
            else if (DiretivaComentario(*d))
                acrescentar(d->valor);
            continue;
        }
        if (tablatura) {
            if (!Comentario(linha)) acrescentar(linha);
            continue;
        }
        if (Comentario(linha)) continue;
        if (linha.find('[') == std::string_view::npos) {
            acrescentar(linha);
            continue;
        }
        std::string acordes, letra;
        LevantarAcordes(linha, acordes, letra);
        acrescentar(acordes);
        if (!Aparar(letra).empty()) acrescentar(letra);
    }
    if (folha.subtitulo.empty()) folha.subtitulo = folha.artista;
    return folha;
}

}  // namespace chordpro
