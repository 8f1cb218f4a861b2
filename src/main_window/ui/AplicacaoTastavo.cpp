// SPDX-License-Identifier: GPL-3.0-or-later
#include "AplicacaoTastavo.h"

#include "CaixaMensagem.h"
#include "ChavesIdioma.h"
#include "Excecoes.h"
#include "GerenciadorIdiomas.h"
#include "RelatorioErro.h"

AplicacaoTastavo::AplicacaoTastavo(int& argc, char** argv) : QApplication(argc, argv) {}

std::string AplicacaoTastavo::TextoErroLaco(std::exception_ptr falha,
                                            const GerenciadorIdiomas* idiomas) {
    try {
        std::rethrow_exception(falha);
    } catch (const RaizNaoEncontradaException& e) {
        // A root the parser does not know: say so in the user's words where the language has them.
        const std::string texto =
            idiomas ? idiomas->ObterTexto(idm::exp::Secao, idm::exp::msgRaizNaoEncontrada)
                    : std::string();
        if (texto.empty()) return "\"" + e.Texto() + "\" is not a note name.";
        return texto + " \"" + e.Texto() + "\"";
    } catch (const std::exception& e) {
        const std::string mensagem = e.what();
        return mensagem.empty() ? NomeClasse(e) : mensagem;
    } catch (...) {
        return MensagemFalhaIngles();
    }
}

bool AplicacaoTastavo::notify(QObject* receptor, QEvent* evento) {
    try {
        return QApplication::notify(receptor, evento);
    } catch (...) {
        const std::exception_ptr falha = std::current_exception();
        std::string titulo;
        std::string texto;
        try {
            texto = TextoErroLaco(falha, idiomas_);
            titulo = idiomas_ && idiomas_->PossuiIdioma()
                         ? idiomas_->ObterTexto(idm::geral::Secao, idm::geral::tituloAplicacao)
                         : std::string(TituloProdutoIngles);
            if (titulo.empty()) titulo = TituloProdutoIngles;
        } catch (...) {
            texto = MensagemFalhaIngles();
            titulo = TituloProdutoIngles;
        }
        try {
            CaixasMensagemQt reais;
            (mensagens_ ? *mensagens_ : reais).Informar(texto, titulo, activeWindow());
        } catch (...) {
        }
        return false;
    }
}
