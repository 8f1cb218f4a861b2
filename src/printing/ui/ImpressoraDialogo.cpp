// SPDX-License-Identifier: GPL-3.0-or-later
#include "ImpressoraDialogo.h"

#include <QPdfWriter>
#include <QPrinterInfo>

#include "ArquivoSaida.h"
#include "CaixaMensagem.h"
#include "ChavesIdioma.h"
#include "GerenciadorIdiomas.h"

ImpressoraDialogo::ImpressoraDialogo(QPrinter& impressora, QPrintDialog& dialogo)
    : ImpressoraQt(impressora), impressora_(impressora), dialogo_(dialogo) {}

ImpressoraDialogo::~ImpressoraDialogo() { AbortarDocumento(); }

void ImpressoraDialogo::FalhaArquivo(const std::string& motivo) {
    arquivoFalho_ = arquivo_ ? arquivo_->Caminho() : std::string();
    motivoFalha_ = arquivo_ && arquivo_->Falhou() ? arquivo_->Motivo() : motivo;
}

TelaImpressao& ImpressoraDialogo::IniciarDocumento(std::string_view titulo) {
    AbortarDocumento();
    arquivoFalho_.clear();
    motivoFalha_.clear();
    if (impressora_.outputFormat() != QPrinter::PdfFormat ||
        impressora_.outputFileName().isEmpty()) {
        return ImpressoraQt::IniciarDocumento(titulo);
    }
    // The same page and resolution as the printer the layout measured, written whole or not
    // at all.
    arquivo_ = std::make_unique<ArquivoSaida>(impressora_.outputFileName().toStdString());
    if (!arquivo_->Abrir()) {
        FalhaArquivo({});
        throw FalhaImpressoraException("the file cannot be created");
    }
    pdf_ = std::make_unique<QPdfWriter>(arquivo_.get());
    pdf_->setResolution(impressora_.resolution());
    pdf_->setPageLayout(impressora_.pageLayout());
    impressoraArquivo_ = std::make_unique<ImpressoraQt>(
        *pdf_, TamanhoPagina{impressora_.width(), impressora_.height()});
    return impressoraArquivo_->IniciarDocumento(titulo);
}

void ImpressoraDialogo::NovaPagina() {
    if (!impressoraArquivo_) return ImpressoraQt::NovaPagina();
    impressoraArquivo_->NovaPagina();
    if (arquivo_->Falhou()) {
        FalhaArquivo({});
        throw FalhaImpressoraException("the file cannot be written");
    }
}

void ImpressoraDialogo::EncerrarDocumento() {
    if (!impressoraArquivo_) return ImpressoraQt::EncerrarDocumento();
    try {
        impressoraArquivo_->EncerrarDocumento();
    } catch (const FalhaImpressoraException&) {
        FalhaArquivo("the PDF writer failed");
        throw;
    }
    if (!arquivo_->Concluir()) {
        FalhaArquivo({});
        throw FalhaImpressoraException("the file cannot be written");
    }
    impressoraArquivo_.reset();
    pdf_.reset();
    arquivo_.reset();
}

void ImpressoraDialogo::AbortarDocumento() noexcept {
    if (!impressoraArquivo_) return ImpressoraQt::AbortarDocumento();
    impressoraArquivo_->AbortarDocumento();
    impressoraArquivo_.reset();
    pdf_.reset();
    if (arquivo_) arquivo_->Descartar();
    arquivo_.reset();
}

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
                                              const MusicaImpressao& musica) {
    ImpressoraDialogo impressora(Impressora(), Dialogo());
    const ResultadoImpressao resultado = gerenciador.Imprimir(
        impressora, conteudo, modo, std::span<const MusicaImpressao>(&musica, 1));
    // A file that could not be written is told whenever it happened, with its name and the
    // system's reason, so that nobody takes a missing or stale file for the printout.
    const bool falhaArquivo = !impressora.ArquivoFalho().empty();
    if (resultado == ResultadoImpressao::ErroImpressora ||
        (resultado == ResultadoImpressao::Interrompido && falhaArquivo)) {
        std::string texto =
            idiomas.ObterTexto(idm::fmImpressao::Secao, idm::fmImpressao::erroImpressora);
        if (falhaArquivo)
            texto += "\n\n" + impressora.ArquivoFalho() + ": " + impressora.MotivoFalha();
        mensagens.Informar(texto, "", janela_);
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
