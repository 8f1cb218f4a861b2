// SPDX-License-Identifier: GPL-3.0-or-later
// tastavo-cli name: the chord symbols that name a set of notes, best first.
#include <algorithm>
#include <bit>
#include <iostream>
#include <memory>
#include <nlohmann/json.hpp>
#include <optional>

#include "CatalogoInstalado.h"
#include "Comandos.h"
#include "Maneiras.h"
#include "NomeadorAcordes.h"
#include "SaidaAcordes.h"

namespace {

// The notes as given: note names, the first one the bass, or MIDI note numbers, the lowest
// the bass.
struct Notas {
    ConjuntoClasses classes = 0;
    ClasseAltura baixo = 0;
    std::optional<NomeNota> nomeBaixo;  // as the user wrote it, for note names
};

std::optional<int> NumeroMidi(const std::string& texto) {
    if (texto.empty() || texto.size() > 3 ||
        texto.find_first_not_of("0123456789") != std::string::npos) {
        return std::nullopt;
    }
    const int n = std::stoi(texto);
    if (n > 127) return std::nullopt;
    return n;
}

std::optional<Notas> LerNotas(const std::vector<std::string>& textos, std::string& erro) {
    Notas notas;
    bool nomes = false;
    bool numeros = false;
    int menor = 128;
    for (const std::string& texto : textos) {
        const NomeNota nome = NomeNotaDoTexto(texto);
        const std::optional<int> midi = NumeroMidi(texto);
        if (nome < 0 && !midi) {
            erro = "\"" + texto +
                   "\" is neither a note name (C, C#, Db ... B) nor a MIDI note number 0-127";
            return std::nullopt;
        }
        ClasseAltura classe;
        if (nome >= 0) {
            nomes = true;
            classe = ClasseDoNome(nome);
            if (!notas.nomeBaixo) notas.nomeBaixo = nome;
        } else {
            numeros = true;
            classe = *midi % 12;
            menor = std::min(menor, *midi);
        }
        notas.classes |= static_cast<ConjuntoClasses>(1u << classe);
    }
    if (nomes && numeros) {
        erro = "give note names or MIDI note numbers, not both";
        return std::nullopt;
    }
    notas.baixo = nomes ? ClasseDoNome(*notas.nomeBaixo) : menor % 12;
    return notas;
}

// The bass as the best name writes it, or with a sharp when nothing names the notes.
std::string TextoBaixo(const Notas& notas, const std::vector<NomeAcorde>& nomes) {
    NomeNota nome = NomePelaClasse(notas.baixo);
    if (notas.nomeBaixo) {
        nome = *notas.nomeBaixo;
    } else if (!nomes.empty()) {
        const CifraCodificada c = nomes.front().codigo;
        nome = TemBaixo(c) ? BaixoCifra(c) : RaizCifra(c);
    }
    return std::string(NomesNotas[static_cast<std::size_t>(nome)]);
}

int Executar(const std::vector<std::string>& textos, bool json, bool todos) {
    std::string erro;
    const std::optional<Notas> notas = LerNotas(textos, erro);
    if (!notas) {
        std::cerr << "tastavo-cli: name: " << erro << '\n';
        return SaidaUso;
    }
    const NomeadorAcordes nomeador(CatalogoInstalado("name"));
    const std::vector<NomeAcorde> nomes = nomeador.Nomear(notas->classes, notas->baixo);

    if (json) {
        nlohmann::json classes = nlohmann::json::array();
        for (int p = 0; p < 12; ++p) {
            if ((notas->classes >> p) & 1u) classes.push_back(p);
        }
        nlohmann::json lista = nlohmann::json::array();
        for (const NomeAcorde& n : nomes)
            lista.push_back({{"symbol", n.cifra}, {"code", n.codigo}});
        std::cout << saida::TextoJson({{"bass", TextoBaixo(*notas, nomes)},
                                       {"pitch_classes", classes},
                                       {"names", lista}})
                  << '\n';
    } else {
        for (const NomeAcorde& n : nomes) {
            std::cout << n.cifra << '\n';
            if (!todos) break;
        }
    }

    if (nomes.empty()) {
        const int quantidade = std::popcount(static_cast<unsigned>(notas->classes));
        std::cerr << "tastavo-cli: name: "
                  << (quantidade < 2   ? "a chord needs at least two different notes"
                      : quantidade > 5 ? "the keyboard plays at most five different notes"
                                       : "no chord symbol names exactly these notes")
                  << '\n';
        return SaidaEntradaInvalida;
    }
    std::cout.flush();
    if (!std::cout) {
        std::cerr << "tastavo-cli: name: cannot write the output\n";
        return SaidaEntradaInvalida;
    }
    return SaidaOk;
}

const RegistrarComando registro{Comando{
    "name",
    "Name the chord of a set of notes (the first note name, or the lowest MIDI number, is the "
    "bass)",
    [](CLI::App& sub) -> std::function<int()> {
        auto json = std::make_shared<bool>(false);
        auto todos = std::make_shared<bool>(false);
        sub.add_flag("--json", *json,
                     "JSON output: the bass, the pitch classes and every name, best first");
        sub.add_flag("--all", *todos, "Every name, best first, one per line");
        // The NOTEs are the arguments left over, each exactly as typed: as a positional
        // option CLI11 would read "[C]" as C.
        sub.allow_extras();
        sub.footer(
            "NOTE...: note names without octave (C, C#, Db ... B; the first is the bass) or "
            "MIDI note numbers 0-127 (the lowest is the bass), not both");
        return [&sub, json, todos] {
            const std::vector<std::string> notas = sub.remaining();
            for (const std::string& nota : notas) {
                // No note starts with "-" (MIDI numbers are 0 to 127): a mistyped option.
                if (PareceOpcao(nota)) return OpcaoDesconhecida(sub, nota, true);
            }
            if (notas.empty()) {
                std::cerr << "tastavo-cli: name: NOTE is required\n";
                return SaidaUso;
            }
            return Executar(notas, *json, *todos);
        };
    }}};

}  // namespace
