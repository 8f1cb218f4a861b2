// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The catalogue of chord names: every name of the chord names file with the value of its
// symbol, kept in a musician's order (by root letter, naturals before sharps before flats),
// searched by meaning, and taking in new symbols at their sorted place (in memory only).

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "Cifra.h"

// A line of a chord names file that is no chord symbol. Names the file, the line and its text,
// so that whoever keeps the file can mend it.
class LinhaNomesAcordesException : public std::runtime_error {
  public:
    LinhaNomesAcordesException(const std::filesystem::path& arquivo, std::size_t linha,
                               std::string texto);
    const std::filesystem::path& Arquivo() const noexcept { return arquivo_; }
    std::size_t Linha() const noexcept { return linha_; }  // from 1
    const std::string& Texto() const noexcept { return texto_; }

  private:
    std::filesystem::path arquivo_;
    std::size_t linha_;
    std::string texto_;
};

// What a chord names file holds: its names, and the lines that are no chord symbol.
struct ArquivoNomesAcordes {
    struct LinhaRejeitada {
        std::size_t numero;  // from 1
        std::string texto;
    };
    std::vector<std::string> nomes;
    std::vector<LinhaRejeitada> rejeitadas;
};

// Reads a chord names file: one symbol per line (CR LF, LF or CR; UTF-8, or Windows-1252 bytes).
// Blank lines are skipped and the blanks around a name dropped: a person editing the file
// cannot see them. Throws std::filesystem::filesystem_error when the file cannot be read.
ArquivoNomesAcordes LerArquivoNomesAcordes(const std::filesystem::path& arquivo);
// The same for lines already read.
ArquivoNomesAcordes SepararNomesAcordes(const std::vector<std::string>& linhas);

class BaseNomesAcordes {
  public:
    // The catalogue start-up loaded (a façade). Throws std::logic_error before start-up
    // loaded it.
    static BaseNomesAcordes& Instancia();

    // Loads a chord names file (LerArquivoNomesAcordes). Throws
    // std::filesystem::filesystem_error when it cannot be read, LinhaNomesAcordesException for
    // its first line that is no chord symbol.
    explicit BaseNomesAcordes(const std::filesystem::path& arquivo);
    // A catalogue of these names (sorted here). Throws what AnalisarCifra throws.
    explicit BaseNomesAcordes(const std::vector<std::string>& nomes);
    virtual ~BaseNomesAcordes() = default;

    // All names in catalogue order (a new list).
    std::vector<std::string> Nomes() const;
    // Index of the first entry whose value equals AnalisarCifra(cifra), or -1 (C7M finds Cmaj7;
    // C# does not find Db). Throws what AnalisarCifra throws.
    int Procurar(std::string_view cifra) const;
    // Adds (cifra, its value) at its sorted place; the index it now has. Throws what
    // AnalisarCifra throws, changing nothing.
    int Adicionar(std::string_view cifra);
    // The name at `indice`. Throws std::out_of_range outside 0..Quantidade()-1.
    const std::string& NomeEm(int indice) const;
    // The value of the entry at `indice`. Throws std::out_of_range outside 0..Quantidade()-1.
    CifraCodificada ValorEm(int indice) const;
    int Quantidade() const { return static_cast<int>(entradas_.size()); }

    // Negative, 0 or positive as `a` sorts before, with or after `b`: character by character,
    // except that at the second character a "#" or "b" sorts after anything else; characters
    // compare as their single-byte (Windows-1252) codes taken as signed, so "º", "°" and "ø"
    // sort before every other character; a name sorts before every longer name it begins.
    static int CompararNomes(std::string_view a, std::string_view b);

  private:
    struct Entrada {
        std::string nome;
        CifraCodificada valor;
    };
    void Ordenar();

    std::vector<Entrada> entradas_;
};
