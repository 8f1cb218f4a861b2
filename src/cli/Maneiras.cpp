// SPDX-License-Identifier: GPL-3.0-or-later
#include "Maneiras.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <functional>
#include <iostream>
#include <optional>
#include <utility>

#if defined(__unix__) || defined(__APPLE__)
#include <sys/ioctl.h>
#include <unistd.h>
#endif

namespace {

// Below this the help would be a column of single words.
constexpr int LarguraMinima = 20;

std::optional<int> Numero(const char* texto) {
    if (texto == nullptr || *texto == '\0') return std::nullopt;
    char* fim = nullptr;
    const long valor = std::strtol(texto, &fim, 10);
    if (*fim != '\0' || valor <= 0 || valor > 10000) return std::nullopt;
    return static_cast<int>(valor);
}

// Where the description starts on an option or command line of the help: after the first run
// of two or more blanks that follows the line's first word. None for other lines.
std::optional<std::size_t> ColunaDescricao(std::string_view linha) {
    const std::size_t inicio = linha.find_first_not_of(' ');
    if (inicio == std::string_view::npos || inicio == 0) return std::nullopt;
    const std::size_t lacuna = linha.find("  ", inicio);
    if (lacuna == std::string_view::npos) return std::nullopt;
    const std::size_t descricao = linha.find_first_not_of(' ', lacuna);
    if (descricao == std::string_view::npos) return std::nullopt;
    return descricao;
}

void EnvolverLinha(std::string_view linha, int largura, std::string& saida) {
    const std::size_t maximo = static_cast<std::size_t>(largura);
    if (linha.size() <= maximo) {
        saida.append(linha);
        saida += '\n';
        return;
    }
    const std::size_t indentacao = std::min(linha.find_first_not_of(' '), linha.size());
    // The line so far, whether a word is on it yet, and the indentation of the lines after it.
    std::string atual(indentacao, ' ');
    std::size_t recuo = indentacao;
    std::string_view corpo = linha.substr(indentacao);
    if (const auto coluna = ColunaDescricao(linha)) {
        corpo = linha.substr(*coluna);
        if (*coluna + LarguraMinima <= maximo) {
            atual = std::string(linha.substr(0, *coluna));
            recuo = *coluna;
        } else {
            // The option's names fill the line: its description goes below, further in.
            saida.append(linha.substr(0, linha.find("  ", indentacao)));
            saida += '\n';
            recuo = indentacao + 4;
            atual = std::string(recuo, ' ');
        }
    }
    bool fresca = true;
    while (!corpo.empty()) {
        const std::size_t inicio = corpo.find_first_not_of(' ');
        if (inicio == std::string_view::npos) break;
        corpo.remove_prefix(inicio);
        const std::string_view palavra = corpo.substr(0, corpo.find(' '));
        corpo.remove_prefix(palavra.size());
        if (!fresca && atual.size() + 1 + palavra.size() > maximo) {
            saida += atual + '\n';
            atual = std::string(recuo, ' ');
            fresca = true;
        }
        if (!fresca) atual += ' ';
        atual.append(palavra);
        fresca = false;
    }
    saida += atual + '\n';
}

// Letter edits from `a` to `b`: insertions, deletions, replacements and swaps of neighbours.
std::size_t Distancia(std::string_view a, std::string_view b) {
    const std::size_t n = a.size(), m = b.size();
    std::vector<std::vector<std::size_t>> d(n + 1, std::vector<std::size_t>(m + 1));
    for (std::size_t i = 0; i <= n; ++i) d[i][0] = i;
    for (std::size_t j = 0; j <= m; ++j) d[0][j] = j;
    for (std::size_t i = 1; i <= n; ++i) {
        for (std::size_t j = 1; j <= m; ++j) {
            const std::size_t custo = a[i - 1] == b[j - 1] ? 0 : 1;
            d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + custo});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
                d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
        }
    }
    return d[n][m];
}

// Where `palavra` first stands as a whole word in `texto` ("chart" not inside "chart+chords").
std::size_t PosicaoDaPalavra(std::string_view texto, std::string_view palavra) {
    auto parteDePalavra = [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || c == '+' || c == '-';
    };
    for (std::size_t i = texto.find(palavra); i != std::string_view::npos;
         i = texto.find(palavra, i + 1)) {
        const std::size_t fim = i + palavra.size();
        if ((i == 0 || !parteDePalavra(texto[i - 1])) &&
            (fim == texto.size() || !parteDePalavra(texto[fim])))
            return i;
    }
    return std::string_view::npos;
}

// The words of a validator's description of a fixed set: "{a,b}" (a set), "{a->0,b->1}" or
// "value in {a->0,b->1} OR {0,1}" (a mapping). A mapping to numbers is ordered by them (an
// enumeration's order); otherwise the words keep the order the option's own help names them in
// (`ajuda`), as a map would list them alphabetically.
std::optional<std::vector<std::string>> PalavrasDoConjunto(const std::string& descricao,
                                                           std::string_view ajuda) {
    std::string_view d = descricao;
    if (d.rfind("value in ", 0) == 0) d.remove_prefix(9);
    if (d.empty() || d.front() != '{') return std::nullopt;
    const std::size_t fecho = d.find('}');
    if (fecho == std::string_view::npos) return std::nullopt;
    const std::string_view resto = d.substr(fecho + 1);
    if (!resto.empty() && resto.rfind(" OR {", 0) != 0) return std::nullopt;
    std::vector<std::pair<std::string, std::optional<long>>> pares;
    std::string_view lista = d.substr(1, fecho - 1);
    while (!lista.empty()) {
        const std::size_t virgula = lista.find(',');
        const std::string_view item = lista.substr(0, virgula);
        const std::size_t seta = item.find("->");
        std::optional<long> valor;
        if (seta != std::string_view::npos) {
            const std::string texto(item.substr(seta + 2));
            char* fim = nullptr;
            const long v = std::strtol(texto.c_str(), &fim, 10);
            if (!texto.empty() && *fim == '\0') valor = v;
        }
        pares.emplace_back(std::string(item.substr(0, seta)), valor);
        if (virgula == std::string_view::npos) break;
        lista.remove_prefix(virgula + 1);
    }
    if (pares.empty()) return std::nullopt;
    if (std::all_of(pares.begin(), pares.end(),
                    [](const auto& p) { return p.second.has_value(); })) {
        std::stable_sort(pares.begin(), pares.end(),
                         [](const auto& a, const auto& b) { return *a.second < *b.second; });
    } else {
        std::stable_sort(pares.begin(), pares.end(), [&](const auto& a, const auto& b) {
            return PosicaoDaPalavra(ajuda, a.first) < PosicaoDaPalavra(ajuda, b.first);
        });
    }
    std::vector<std::string> palavras;
    for (auto& p : pares) palavras.push_back(std::move(p.first));
    return palavras;
}

std::string Juntar(const std::vector<std::string>& palavras) {
    std::string texto;
    for (const auto& p : palavras) texto += (texto.empty() ? "" : ", ") + p;
    return texto;
}

void NomearEscolhasDe(CLI::App& app) {
    for (CLI::Option* opcao : app.get_options()) {
        for (int i = 0;; ++i) {
            CLI::Validator* validador = nullptr;
            try {
                validador = opcao->get_validator(i);
            } catch (const CLI::OptionNotFound&) {
                break;
            }
            const auto palavras =
                PalavrasDoConjunto(validador->get_description(), opcao->get_description());
            if (!palavras) continue;
            const std::string lista = Juntar(*palavras);
            const CLI::Validator original = *validador;
            validador->description("");
            validador->operation([original, lista](std::string& valor) {
                const std::string digitado = valor;
                if (original(valor).empty()) return std::string();
                return "must be one of " + lista + ", not \"" + digitado + "\"";
            });
            opcao->type_name(lista);
        }
    }
    for (CLI::App* sub : app.get_subcommands(std::function<bool(CLI::App*)>{}))
        NomearEscolhasDe(*sub);
}

}  // namespace

int LarguraTerminal() {
    if (const auto colunas = Numero(std::getenv("COLUMNS")))
        return std::max(*colunas, LarguraMinima);
#if defined(__unix__) || defined(__APPLE__)
    winsize tamanho{};
    if (::isatty(STDOUT_FILENO) && ::ioctl(STDOUT_FILENO, TIOCGWINSZ, &tamanho) == 0 &&
        tamanho.ws_col > 0)
        return std::max(static_cast<int>(tamanho.ws_col), LarguraMinima);
#endif
    return 80;
}

std::string Envolver(std::string_view texto, int largura) {
    std::string saida;
    while (!texto.empty()) {
        const std::size_t fim = texto.find('\n');
        EnvolverLinha(texto.substr(0, fim), largura, saida);
        if (fim == std::string_view::npos) {
            saida.pop_back();  // the text had no line end here
            break;
        }
        texto.remove_prefix(fim + 1);
    }
    return saida;
}

std::vector<std::string> MaisProximos(std::string_view digitado,
                                      const std::vector<std::string>& nomes) {
    std::vector<std::string> achados;
    if (digitado.size() >= 2) {
        for (const auto& nome : nomes)
            if (nome.size() > digitado.size() && nome.compare(0, digitado.size(), digitado) == 0)
                achados.push_back(nome);
        if (!achados.empty()) return achados;
    }
    // A slip is a letter or two, fewer in short words.
    const std::size_t limite = std::clamp<std::size_t>((digitado.size() + 2) / 3, 1, 3);
    std::size_t melhor = limite + 1;
    for (const auto& nome : nomes) {
        const std::size_t d = Distancia(digitado, nome);
        if (d == 0 || d > limite || d > melhor) continue;
        if (d < melhor) achados.clear();
        melhor = d;
        achados.push_back(nome);
    }
    return achados;
}

std::string ListarComOu(const std::vector<std::string>& nomes) {
    std::string texto;
    for (std::size_t i = 0; i < nomes.size(); ++i) {
        if (i > 0) texto += i + 1 == nomes.size() ? " or " : ", ";
        texto += "'" + nomes[i] + "'";
    }
    return texto;
}

void NomearEscolhas(CLI::App& app) { NomearEscolhasDe(app); }

namespace {

// The names of a command's options, with those in its option groups ("--up" or "--down").
void NomesDeOpcoes(const CLI::App& comando, std::vector<std::string>& nomes) {
    for (const CLI::Option* opcao : comando.get_options()) {
        for (const auto& n : opcao->get_lnames()) nomes.push_back("--" + n);
        for (const auto& n : opcao->get_snames()) nomes.push_back("-" + n);
    }
    for (const CLI::App* grupo : comando.get_subcommands(std::function<bool(const CLI::App*)>{})) {
        if (dynamic_cast<const CLI::Option_group*>(grupo) != nullptr) NomesDeOpcoes(*grupo, nomes);
    }
}

}  // namespace

int ErroDeUso(const CLI::App* comando, const std::string& mensagem) {
    const std::string nome = comando != nullptr ? comando->get_name() : std::string();
    std::cerr << "tastavo-cli: " << (nome.empty() ? "" : nome + ": ") << mensagem << '\n'
              << "tastavo-cli: see 'tastavo-cli " << (nome.empty() ? "" : nome + " ")
              << "--help'\n";
    return 2;
}

bool PareceOpcao(const std::string& argumento) {
    return argumento.size() > 1 && argumento.front() == '-' && argumento != "--";
}

int OpcaoDesconhecida(const CLI::App& comando, const std::string& argumento, bool ehSubcomando) {
    const std::string nome = argumento.substr(0, argumento.find('='));
    std::vector<std::string> opcoes;
    NomesDeOpcoes(comando, opcoes);
    const auto proximas = MaisProximos(nome, opcoes);
    std::string mensagem = "unknown option '" + nome + "'";
    if (!proximas.empty()) mensagem += "; did you mean " + ListarComOu(proximas) + "?";
    return ErroDeUso(ehSubcomando ? &comando : nullptr, mensagem);
}
