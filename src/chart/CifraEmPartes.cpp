// SPDX-License-Identifier: GPL-3.0-or-later
#include "CifraEmPartes.h"

#include "AnaliseLinhaInterna.h"
#include "EscritaTranspostaInterna.h"
#include "TomCifraInterno.h"

using namespace cifra_interno;

namespace {

// A partial line longer than this holds the whole working copy and the character after it,
// which is all the analysis looks at: 499 characters take at most 4 bytes each.
constexpr std::size_t kBytesCabeca = TamanhoCopiaTrabalho * 4 + 4;

// Splits a text arriving in pieces into lines as ParaCadaLinha does, and hands each line to
// `Processo`: `Linha(linha, terminador, destino)` for a whole line and, for a line that grows
// past kBytesCabeca, `Cabeca(inicio, destino)` with its first bytes and `Resto(pedaco,
// destino)` with each later piece up to and including its line end. Only a partial line
// shorter than kBytesCabeca is ever kept. A carriage return that ends a piece ends its line at
// once; a line feed opening the next piece then completes that line end and goes to `Resto`.
template <class Processo>
class LinhasEmPartes {
  public:
    template <class... Args>
    explicit LinhasEmPartes(Args&&... args) : processo_(std::forward<Args>(args)...) {}

    template <class Destino>
    void Acrescentar(std::string_view pedaco, Destino& destino) {
        while (!pedaco.empty()) {
            if (crNoFim_) {
                crNoFim_ = false;
                if (pedaco.front() == '\n') {
                    processo_.Resto(pedaco.substr(0, 1), destino);
                    pedaco.remove_prefix(1);
                    continue;
                }
            }
            const std::size_t fim = pedaco.find_first_of("\r\n");
            const std::size_t ate =
                fim == std::string_view::npos ? pedaco.size() : FimDoTerminador(pedaco, fim);
            if (passando_) {
                processo_.Resto(pedaco.substr(0, ate), destino);
                pedaco.remove_prefix(ate);
                passando_ = fim == std::string_view::npos;
                continue;
            }
            if (fim == std::string_view::npos) {
                Guardar(pedaco, destino);
                return;
            }
            const std::string_view terminador = pedaco.substr(fim, ate - fim);
            if (pendente_.empty()) {
                // The usual case: whole lines straight from the piece, without copying.
                processo_.Linha(pedaco.substr(0, fim), terminador, destino);
            } else {
                pendente_.append(pedaco, 0, fim);
                processo_.Linha(pendente_, terminador, destino);
                pendente_.clear();
            }
            pedaco.remove_prefix(ate);
        }
    }

    Processo& Etapa() { return processo_; }

    template <class Destino>
    void Terminar(Destino& destino) {
        if (!passando_ && !pendente_.empty()) processo_.Linha(pendente_, {}, destino);
        pendente_.clear();
        passando_ = false;
        crNoFim_ = false;
    }

  private:
    // Where the line end at `fim` of `pedaco` stops; notes a carriage return that ends the piece,
    // whose line feed may come with the next one.
    std::size_t FimDoTerminador(std::string_view pedaco, std::size_t fim) {
        if (pedaco[fim] == '\n') return fim + 1;
        if (fim + 1 == pedaco.size()) {
            crNoFim_ = true;
            return fim + 1;
        }
        return pedaco[fim + 1] == '\n' ? fim + 2 : fim + 1;
    }

    // A piece that ends inside a line.
    template <class Destino>
    void Guardar(std::string_view parte, Destino& destino) {
        if (pendente_.size() + parte.size() < kBytesCabeca) {
            pendente_.append(parte);
            return;
        }
        // Enough for the analysis: the rest of the line is passed on as it comes.
        if (pendente_.empty()) {
            processo_.Cabeca(parte, destino);
        } else {
            pendente_.append(parte);
            processo_.Cabeca(pendente_, destino);
            pendente_.clear();
            pendente_.shrink_to_fit();
        }
        passando_ = true;
    }

    Processo processo_;
    std::string pendente_;
    bool passando_ = false;
    bool crNoFim_ = false;  // the last piece ended in a carriage return
};

// Transposition: a line is written transposed, a long one's head too (the rest of its bytes
// lie beyond the working copy, where nothing changes).
class LinhaTransposta {
  public:
    LinhaTransposta(std::size_t linhas, int semitons, SentidoTransposicao sentido, bool colunas)
        : memoria_(linhas, semitons, sentido), colunas_(colunas) {}

    void Linha(std::string_view linha, std::string_view terminador, std::string& saida) {
        TransporLinhaCom(linha, memoria_, saida, colunas_);
        saida += terminador;
    }
    void Cabeca(std::string_view inicio, std::string& saida) {
        TransporLinhaCom(inicio, memoria_, saida, colunas_);
    }
    void Resto(std::string_view pedaco, std::string& saida) { saida += pedaco; }

  private:
    MemoriaPalavras memoria_;
    bool colunas_;
};

// Collection: the candidates of a line, or of a long one's head; the rest is ignored.
class LinhaColetada {
  public:
    using Receber = std::function<void(std::string_view)>;

    LinhaColetada() : memoria_(1 << 12, 0, SentidoTransposicao::Acima) {}

    void Linha(std::string_view linha, std::string_view, const Receber& receber) {
        Cabeca(linha, receber);
    }
    void Cabeca(std::string_view inicio, const Receber& receber) {
        ++numero_;
        if (avisar) {
            const auto classificar = [&](std::string_view p) {
                return memoria_.Consultar(p).classe;
            };
            if (const auto palavra = PalavraQueRetem(inicio, classificar))
                avisar(numero_, *palavra);
        }
        Analisar(inicio, analise_, memoria_);
        for (std::size_t k = 0; k < analise_.quantidade; ++k)
            receber(inicio.substr(analise_.trechos[k].inicio, analise_.trechos[k].tamanho));
    }
    void Resto(std::string_view, const Receber&) {}

    std::function<void(std::size_t, std::string_view)> avisar;

  private:
    MemoriaPalavras memoria_;
    AnaliseLinha analise_;
    std::size_t numero_ = 0;  // of the line at hand, from 1
};

}  // namespace

class TransposicaoContinua::Estado : public LinhasEmPartes<LinhaTransposta> {
    using LinhasEmPartes::LinhasEmPartes;
};

class ColetaContinua::Estado : public LinhasEmPartes<LinhaColetada> {
    using LinhasEmPartes::LinhasEmPartes;
};

std::string TransporTexto(std::string_view texto, int semitons, SentidoTransposicao sentido) {
    semitons = ReduzirSemitons(semitons);
    if (semitons == 0) return std::string(texto);
    std::string saida;
    saida.reserve(texto.size() + texto.size() / 16);
    // About one line in 25 bytes; the table only needs to be in proportion.
    LinhasEmPartes<LinhaTransposta> t(texto.size() / 25, semitons, sentido, false);
    t.Acrescentar(texto, saida);
    t.Terminar(saida);
    return saida;
}

std::string TransporTexto(std::string_view texto, int semitons, SentidoTransposicao sentido,
                          GrafiaTransposicao grafia) {
    return TransporTexto(texto, semitons, sentido, OpcoesTransposicao{grafia, false});
}

std::string TransporTexto(std::string_view texto, int semitons, SentidoTransposicao sentido,
                          const OpcoesTransposicao& opcoes) {
    semitons = ReduzirSemitons(semitons);
    if (semitons == 0 || (opcoes.grafia == GrafiaTransposicao::Tabelas && !opcoes.manterColunas)) {
        return TransporTexto(texto, semitons, sentido);
    }
    AnaliseTom tom;
    const GrafiaNotas notas = GrafiaDaTransposicao(texto, tom, semitons, sentido, opcoes.grafia);
    MemoriaPalavras memoria(texto.size() / 25, semitons, sentido, notas);
    std::string saida;
    saida.reserve(texto.size() + texto.size() / 16);
    std::size_t indice = 0;
    ParaCadaLinha(texto, [&](std::string_view linha, std::string_view terminador) {
        if (tom.linhaTom == indice++) {
            TransporLinhaTom(linha, tom, memoria, saida, opcoes.manterColunas);
        } else {
            TransporLinhaCom(linha, memoria, saida, opcoes.manterColunas);
        }
        saida += terminador;
    });
    return saida;
}

std::vector<std::string> DividirLinhas(std::string_view texto) {
    std::vector<std::string> linhas;
    ParaCadaLinha(texto,
                  [&](std::string_view linha, std::string_view) { linhas.emplace_back(linha); });
    return linhas;
}

// Without a transposition the text is copied as it stands, as TransporTexto does.
TransposicaoContinua::TransposicaoContinua(int semitons, SentidoTransposicao sentido,
                                           bool manterColunas) {
    semitons = ReduzirSemitons(semitons);
    if (semitons != 0) {
        // The largest word table: a stream gives no hint of its length.
        estado_ = std::make_unique<Estado>(std::size_t{1} << 13, semitons, sentido, manterColunas);
    }
}

TransposicaoContinua::~TransposicaoContinua() = default;

void TransposicaoContinua::Acrescentar(std::string_view pedaco, std::string& saida) {
    if (estado_) {
        estado_->Acrescentar(pedaco, saida);
    } else {
        saida += pedaco;
    }
}

void TransposicaoContinua::Terminar(std::string& saida) {
    if (estado_) estado_->Terminar(saida);
}

ColetaContinua::ColetaContinua() : estado_(std::make_unique<Estado>()) {}

ColetaContinua::~ColetaContinua() = default;

void ColetaContinua::Acrescentar(std::string_view pedaco,
                                 const std::function<void(std::string_view)>& receber) {
    estado_->Acrescentar(pedaco, receber);
}

void ColetaContinua::Terminar(const std::function<void(std::string_view)>& receber) {
    estado_->Terminar(receber);
}

void ColetaContinua::AoReterLinha(
    std::function<void(std::size_t linha, std::string_view palavra)> avisar) {
    estado_->Etapa().avisar = std::move(avisar);
}
