// SPDX-License-Identifier: GPL-3.0-or-later
#include "ImpressoraDialogo.h"

#include <QPrinterInfo>

#include "CaixaMensagem.h"
#include "ChavesIdioma.h"
#include "GerenciadorIdiomas.h"

ImpressoraDialogo::ImpressoraDialogo(QPrinter& impressora, QPrintDialog& dialogo)
    : ImpressoraQt(impressora), impressora_(impressora), dialogo_(dialogo) {}

bool ImpressoraDialogo::EscolherImpressora() {
    if (dialogo_.exec() != QDialog::Accepted) return false;
    if (!impressora_.isValid()) throw FalhaImpressoraException("the chosen printer is not valid");
    return true;
}

DialogoImpressao::DialogoImpressao(QWidget* janela) : janela_(janela) {}

DialogoImpressao::~DialogoImpressao() = default;

QPrinter& DialogoImpressao::Impressora() {
    if (!impressora_) impressora_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *impressora_;
}

QPrintDialog& DialogoImpressao::Dialogo() {
    if (!dialogo_) {
        dialogo_ = std::make_unique<QPrintDialog>(&Impressora(), janela_);
        dialogo_->setObjectName(QStringLiteral("dialogImpressao"));
    }
    return *dialogo_;
}

ResultadoImpressao DialogoImpressao::Imprimir(GerenciadorImpressao& gerenciador,
                                              GerenciadorIdiomas& idiomas,
                                              CaixasMensagem& mensagens, ConteudoImpressao conteudo,
                                              ModoVisualizacao modo,
                                              const ColecaoAcordeImpressao& lista,
                                              std::string_view textoCifra) {
    ImpressoraDialogo impressora(Impressora(), Dialogo());
    const ResultadoImpressao resultado =
        gerenciador.Imprimir(impressora, conteudo, modo, lista, textoCifra);
    if (resultado == ResultadoImpressao::ErroImpressora) {
        mensagens.Informar(
            idiomas.ObterTexto(idm::fmImpressao::Secao, idm::fmImpressao::erroImpressora), "",
            janela_);
    }
    return resultado;
}

std::optional<TamanhoPagina> TamanhoPaginaVisualizacaoPadrao() {
    if (std::optional<TamanhoPagina> padrao = TamanhoPaginaImpressoraPadrao()) return padrao;
    // No printer: a user still prints to a PDF file, on Qt's default page.
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    if (pdf.width() <= 0 || pdf.height() <= 0) return std::nullopt;
    return TamanhoPagina{pdf.width(), pdf.height()};
}
