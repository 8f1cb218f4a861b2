// SPDX-License-Identifier: GPL-3.0-or-later
#include "NomeadorAcordes.h"

#include <algorithm>
#include <bit>
#include <tuple>

#include "BaseNomesAcordes.h"
#include "Tonalidade.h"

namespace {

constexpr std::uint32_t Bit(int semitons) { return 1u << (16 - semitons); }
constexpr std::uint32_t kIntervalos = 0xFFE0u;  // bits 15..5 of a CifraCodificada

constexpr bool Tem(std::uint32_t intervalos, int semitons) {
    return (intervalos & Bit(semitons)) != 0;
}

constexpr std::size_t Indice(std::uint32_t intervalos) { return (intervalos & kIntervalos) >> 5; }

// The note names of each pitch class: one for a natural, the sharp and the flat otherwise.
struct NomesDaClasse {
    std::array<std::array<NomeNota, 2>, 12> nomes{};
    std::array<int, 12> quantidade{};

    constexpr NomesDaClasse() {
        constexpr ClasseAltura kClasses[] = {0, 1, 1, 2, 3, 3, 4, 5, 6, 6, 7, 8, 8, 9, 10, 10, 11};
        for (NomeNota n = 0; n < QuantidadeNomesNotas; ++n) {
            const auto c = static_cast<std::size_t>(kClasses[n]);
            nomes[c][static_cast<std::size_t>(quantidade[c]++)] = n;
        }
    }
};
constexpr NomesDaClasse kNomesDaClasse{};

// '#', 'b' or 0 for a natural.
char Acidente(NomeNota nome) {
    const std::string_view texto = NomesNotas[static_cast<std::size_t>(nome)];
    return texto.size() == 2 ? texto[1] : 0;
}

// The suffix this system writes for an interval set, in the catalogue's style: the minor
// mark or the power chord's "5", a sixth or seventh, the other notes in parentheses, "sus"
// at the end. Nothing for a set no symbol reaches: every token that adds the minor sixth
// takes the perfect fifth away, and no token brings it back.
std::optional<std::string> SufixoCanonico(std::uint32_t i) {
    if (Tem(i, 7) && Tem(i, 8)) return std::nullopt;
    std::string cabeca, setima, sus;
    std::vector<std::string_view> notas;
    if (!Tem(i, 4)) {
        if (Tem(i, 3)) {
            cabeca = "m";
        } else if (Tem(i, 5)) {
            sus = "sus4";
        } else if (Tem(i, 2)) {
            sus = "sus2";
        } else {
            cabeca = "5";  // no third at all
        }
    }
    if (Tem(i, 10)) {
        setima = "7";
    } else if (Tem(i, 11)) {
        setima = "7M";
    } else if (Tem(i, 9)) {
        setima = "6";
    }
    // A power chord takes its additions in parentheses: C5(7), not C57.
    if (cabeca == "5" && !setima.empty()) {
        notas.push_back(setima == "7" ? "7" : setima == "7M" ? "7M" : "6");
        setima.clear();
    }
    if (Tem(i, 1)) notas.push_back("b9");
    if (Tem(i, 2) && sus != "sus2") notas.push_back(setima.empty() ? "add9" : "9");
    if (Tem(i, 3) && Tem(i, 4)) notas.push_back("#9");
    if (Tem(i, 5) && sus != "sus4") notas.push_back(setima.empty() ? "add4" : "11");
    if (Tem(i, 6)) notas.push_back(Tem(i, 7) ? "#11" : "b5");
    if (Tem(i, 8)) notas.push_back("#5");
    if (Tem(i, 9) && (Tem(i, 10) || Tem(i, 11))) notas.push_back("13");
    if (Tem(i, 10) && Tem(i, 11)) notas.push_back("7M");
    if (!Tem(i, 6) && !Tem(i, 7) && !Tem(i, 8)) notas.push_back("omitt5");

    std::string sufixo = cabeca + setima;
    if (!notas.empty()) {
        sufixo += '(';
        for (std::size_t k = 0; k < notas.size(); ++k) {
            if (k > 0) sufixo += ',';
            sufixo += notas[k];
        }
        sufixo += ')';
    }
    return sufixo + sus;
}

// How far a spelling is from the usual one: a root whose key nobody writes (A# major, Dbm:
// Bb and C#m are the keys in use), and a bass spelled against the root's side (D/Gb for
// D/F#). Natural roots take the side of their key; C and Am, which have none, take C#, Eb,
// F#, Ab (G# for Am) and Bb.
int DistanciaGrafiaUsual(NomeNota raiz, std::optional<NomeNota> baixo, bool menor) {
    const ClasseAltura classe = ClasseDoNome(raiz);
    const ArmaduraTom armadura = ArmaduraDoTom(classe, menor);
    const char acidente = Acidente(raiz);
    int distancia = 0;
    char lado = acidente;
    if (acidente != 0) {
        const char usual = armadura == ArmaduraTom::Sustenidos ? '#'
                           : armadura == ArmaduraTom::Bemois   ? 'b'
                                                               : acidente;
        if (usual != acidente) ++distancia;
    } else if (armadura == ArmaduraTom::Sustenidos) {
        lado = '#';
    } else if (armadura == ArmaduraTom::Bemois) {
        lado = 'b';
    }
    if (baixo && Acidente(*baixo) != 0) {
        if (lado == 0) {
            static constexpr char kMaior[12] = {0, '#', 0, 'b', 0, 0, '#', 0, 'b', 0, 'b', 0};
            static constexpr char kMenor[12] = {0, '#', 0, 'b', 0, 0, '#', 0, '#', 0, 'b', 0};
            lado = (menor ? kMenor : kMaior)[ClasseDoNome(*baixo)];
        }
        if (Acidente(*baixo) != lado) ++distancia;
    }
    return distancia;
}

}  // namespace

ConjuntoClasses ClassesDaCifra(CifraCodificada c) {
    const ClasseAltura raiz = ClasseDoNome(RaizCifra(c));
    unsigned classes = 1u << raiz;
    for (int s = 1; s <= 11; ++s) {
        if (TemIntervalo(c, s)) classes |= 1u << ((raiz + s) % 12);
    }
    if (TemBaixo(c)) classes |= 1u << ClasseDoNome(BaixoCifra(c));
    return static_cast<ConjuntoClasses>(classes);
}

ClasseAltura ClasseDoBaixo(CifraCodificada c) {
    return ClasseDoNome(TemBaixo(c) ? BaixoCifra(c) : RaizCifra(c));
}

NomeadorAcordes::NomeadorAcordes(const std::vector<std::string>& catalogo) {
    primeiraLinha_.fill(-1);
    for (const std::string& nome : catalogo) {
        const int linha = linhas_++;
        CifraCodificada c;
        if (!TentarAnalisarCifra(nome, c)) continue;
        const std::size_t indice = Indice(c);
        if (primeiraLinha_[indice] < 0) primeiraLinha_[indice] = linha;
        const int intervaloBaixo =
            TemBaixo(c) ? (ClasseDoBaixo(c) - ClasseDoNome(RaizCifra(c)) + 12) % 12 + 1 : 0;
        primeiraLinhaComBaixo_.try_emplace(
            static_cast<std::uint32_t>(indice << 4) | static_cast<std::uint32_t>(intervaloBaixo),
            linha);

        // The suffix: the name without its root, and without its bass and the separator
        // before it (the bass always ends a symbol).
        std::string_view sufixo = std::string_view(nome).substr(NomeRaizCifra(nome).size());
        if (TemBaixo(c)) {
            sufixo.remove_suffix(NomesNotas[static_cast<std::size_t>(BaixoCifra(c))].size() + 1);
        }
        auto& lista = sufixos_[indice];
        if (std::none_of(lista.begin(), lista.end(),
                         [&](const Sufixo& s) { return s.texto == sufixo; })) {
            lista.push_back({std::string(sufixo), ContarTokensSufixo(nome), true});
        }
    }
    for (std::size_t indice = 0; indice < kConjuntosIntervalos; ++indice) {
        const auto canonico = SufixoCanonico(static_cast<std::uint32_t>(indice << 5));
        if (!canonico) continue;
        auto& lista = sufixos_[indice];
        if (std::any_of(lista.begin(), lista.end(),
                        [&](const Sufixo& s) { return s.texto == *canonico; })) {
            continue;
        }
        lista.push_back({*canonico, ContarTokensSufixo("C" + *canonico), false});
    }
}

template <typename Visitar>
bool NomeadorAcordes::Percorrer(ConjuntoClasses classes, ClasseAltura baixo,
                                Visitar&& visitar) const {
    classes &= 0xFFF;
    const int quantidade = std::popcount(static_cast<unsigned>(classes));
    if (baixo < 0 || baixo > 11 || ((classes >> baixo) & 1u) == 0 || quantidade < 2 ||
        quantidade > 5) {
        return false;
    }
    // Built in place: the longest root, suffix, separator and bass fit, and live naming must not
    // allocate.
    std::array<char, NomeAcordeFixo::Capacidade> texto;
    for (ClasseAltura raiz = 0; raiz < 12; ++raiz) {
        if (((classes >> raiz) & 1u) == 0) continue;
        std::uint32_t todos = 0;
        for (int p = 0; p < 12; ++p) {
            if (p != raiz && ((classes >> p) & 1u) != 0) todos |= Bit((p - raiz + 12) % 12);
        }
        const bool raizNoBaixo = raiz == baixo;
        const int intervaloBaixo = (baixo - raiz + 12) % 12;
        // Over another bass, that note may belong to the chord (C(add9)/D) or stand apart
        // from it (C/D).
        const std::uint32_t leituras[2] = {todos, todos & ~Bit(intervaloBaixo)};
        for (int l = 0; l < (raizNoBaixo ? 1 : 2); ++l) {
            const std::uint32_t intervalos = leituras[l];
            // A chord is more than its root; and the keyboard leaves out the major third of a
            // chord with a fourth, so such a name would not show the notes played.
            if (intervalos == 0 || (Tem(intervalos, 4) && Tem(intervalos, 5))) continue;
            const std::size_t indice = Indice(intervalos);
            const bool menor = Tem(intervalos, 3) && !Tem(intervalos, 4);
            const auto comBaixo = primeiraLinhaComBaixo_.find(
                static_cast<std::uint32_t>(indice << 4) |
                static_cast<std::uint32_t>(raizNoBaixo ? 0 : intervaloBaixo + 1));
            // A chord the catalogue does not list (Em(#5) for E G C) is a rare reading of
            // these notes, after every chord it lists (C/E).
            const bool rara = primeiraLinha_[indice] < 0;
            const int comum = comBaixo != primeiraLinhaComBaixo_.end() ? comBaixo->second
                              : primeiraLinha_[indice] >= 0 ? linhas_ + primeiraLinha_[indice]
                                                            : 2 * linhas_;
            const auto r = static_cast<std::size_t>(raiz);
            const auto b = static_cast<std::size_t>(baixo);
            for (const Sufixo& sufixo : sufixos_[indice]) {
                for (int i = 0; i < kNomesDaClasse.quantidade[r]; ++i) {
                    const NomeNota nomeRaiz = kNomesDaClasse.nomes[r][static_cast<std::size_t>(i)];
                    for (int j = 0; j < (raizNoBaixo ? 1 : kNomesDaClasse.quantidade[b]); ++j) {
                        std::optional<NomeNota> nomeBaixo;
                        if (!raizNoBaixo) {
                            nomeBaixo = kNomesDaClasse.nomes[b][static_cast<std::size_t>(j)];
                            // C#/Ab mixes the two sides: never written.
                            const char a = Acidente(nomeRaiz);
                            const char c = Acidente(*nomeBaixo);
                            if (a != 0 && c != 0 && a != c) continue;
                        }
                        const std::string_view textoRaiz =
                            NomesNotas[static_cast<std::size_t>(nomeRaiz)];
                        const std::string_view textoBaixo =
                            nomeBaixo ? NomesNotas[static_cast<std::size_t>(*nomeBaixo)]
                                      : std::string_view();
                        const std::size_t tamanho = textoRaiz.size() + sufixo.texto.size() +
                                                    (nomeBaixo ? 1 + textoBaixo.size() : 0);
                        if (tamanho > texto.size()) continue;  // no symbol of ours is this long
                        char* fim = std::copy(textoRaiz.begin(), textoRaiz.end(), texto.data());
                        fim = std::copy(sufixo.texto.begin(), sufixo.texto.end(), fim);
                        CifraCodificada esperado =
                            (static_cast<CifraCodificada>(nomeRaiz) << 16) | intervalos;
                        if (nomeBaixo) {
                            *fim++ = '/';
                            fim = std::copy(textoBaixo.begin(), textoBaixo.end(), fim);
                            esperado = ComBaixo(esperado, *nomeBaixo);
                        }
                        const std::string_view nome(texto.data(), tamanho);
                        // Every name must read back as exactly these notes over this bass.
                        CifraCodificada lido;
                        if (!TentarAnalisarCifra(nome, lido) || lido != esperado) continue;
                        visitar(nome, lido,
                                Ordem{rara ? 1 : 0, raizNoBaixo ? 0 : 1, sufixo.tokens,
                                      sufixo.catalogo ? 0 : 1,
                                      DistanciaGrafiaUsual(nomeRaiz, nomeBaixo, menor), comum});
                    }
                }
            }
        }
    }
    return true;
}

std::vector<NomeAcorde> NomeadorAcordes::Nomear(ConjuntoClasses classes, ClasseAltura baixo) const {
    struct Candidato {
        NomeAcorde nome;
        Ordem ordem;
    };
    std::vector<Candidato> candidatos;
    Percorrer(classes, baixo,
              [&](std::string_view texto, CifraCodificada codigo, const Ordem& ordem) {
                  candidatos.push_back({{std::string(texto), codigo}, ordem});
              });
    std::sort(candidatos.begin(), candidatos.end(), [](const Candidato& a, const Candidato& b) {
        if (a.ordem != b.ordem) return a.ordem < b.ordem;
        return BaseNomesAcordes::CompararNomes(a.nome.cifra, b.nome.cifra) < 0;
    });
    std::vector<NomeAcorde> nomes;
    nomes.reserve(candidatos.size());
    for (Candidato& c : candidatos) nomes.push_back(std::move(c.nome));
    return nomes;
}

bool NomeadorAcordes::MelhorNome(ConjuntoClasses classes, ClasseAltura baixo,
                                 NomeAcordeFixo& nome) const {
    nome = NomeAcordeFixo{};
    Ordem melhor{};
    Percorrer(
        classes, baixo, [&](std::string_view texto, CifraCodificada codigo, const Ordem& ordem) {
            if (!nome.Vazio() &&
                (ordem > melhor ||
                 (ordem == melhor && BaseNomesAcordes::CompararNomes(texto, nome.Cifra()) >= 0)))
                return;
            std::copy(texto.begin(), texto.end(), nome.texto.data());
            nome.tamanho = static_cast<std::uint8_t>(texto.size());
            nome.codigo = codigo;
            melhor = ordem;
        });
    return !nome.Vazio();
}
