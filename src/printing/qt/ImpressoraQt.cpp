// SPDX-License-Identifier: GPL-3.0-or-later
#include "ImpressoraQt.h"

#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>

ImpressoraQt::ImpressoraQt(QPagedPaintDevice& dispositivo, std::optional<TamanhoPagina> pagina)
    : dispositivo_(dispositivo), pagina_(pagina) {}

ImpressoraQt::~ImpressoraQt() { AbortarDocumento(); }

std::optional<TamanhoPagina> ImpressoraQt::TamanhoPaginaImpressora() {
    if (pagina_) return pagina_;
    if (dispositivo_.width() <= 0 || dispositivo_.height() <= 0) return std::nullopt;
    return TamanhoPagina{dispositivo_.width(), dispositivo_.height()};
}

TelaImpressao& ImpressoraQt::IniciarDocumento(std::string_view titulo) {
    AbortarDocumento();
    const QString nome = QString::fromUtf8(titulo.data(), static_cast<qsizetype>(titulo.size()));
    if (auto* pdf = dynamic_cast<QPdfWriter*>(&dispositivo_)) {
        pdf->setTitle(nome);
        pdf->setCreator(nome);
    } else if (auto* impressora = dynamic_cast<QPrinter*>(&dispositivo_)) {
        impressora->setDocName(nome);
        impressora->setCreator(nome);
    }
    auto pintor = std::make_unique<QPainter>();
    if (!pintor->begin(&dispositivo_)) {
        throw FalhaImpressoraException("the printer cannot start a document");
    }
    pintor_ = std::move(pintor);
    tela_ = std::make_unique<TelaQt>(*pintor_, fontes_);
    return *tela_;
}

void ImpressoraQt::NovaPagina() {
    if (!pintor_ || !dispositivo_.newPage()) {
        throw FalhaImpressoraException("the printer cannot start a new page");
    }
}

void ImpressoraQt::EncerrarDocumento() {
    tela_.reset();
    const bool terminou = pintor_ && pintor_->end();
    pintor_.reset();
    if (!terminou) throw FalhaImpressoraException("the printer cannot end the document");
}

void ImpressoraQt::AbortarDocumento() noexcept {
    tela_.reset();
    if (!pintor_) return;
    if (auto* impressora = dynamic_cast<QPrinter*>(&dispositivo_)) impressora->abort();
    if (pintor_->isActive()) pintor_->end();
    pintor_.reset();
}

std::optional<TamanhoPagina> TamanhoPaginaImpressoraPadrao() {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) return std::nullopt;
    QPrinter impressora(info, QPrinter::HighResolution);
    if (impressora.width() <= 0 || impressora.height() <= 0) return std::nullopt;
    return TamanhoPagina{impressora.width(), impressora.height()};
}
