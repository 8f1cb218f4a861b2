// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The print run's printer over a Qt paged device: a QPrinter (the system's printers) or a
// QPdfWriter (a PDF file).

#include <QPagedPaintDevice>
#include <QPainter>
#include <memory>
#include <optional>

#include "SuperficiesImpressao.h"
#include "TelaQt.h"

class ImpressoraQt : public ImpressoraImpressao {
  public:
    // Prints on `dispositivo` (not owned), laying the pages out on its page in device pixels,
    // or on `pagina` when given (a page the device's page sizes cannot hold exactly).
    explicit ImpressoraQt(QPagedPaintDevice& dispositivo,
                          std::optional<TamanhoPagina> pagina = std::nullopt);
    ~ImpressoraQt() override;

    // No dialog here: the window's printer shows the print dialog.
    bool EscolherImpressora() override { return true; }
    std::optional<TamanhoPagina> TamanhoPaginaImpressora() override;
    // Names the document (the PDF title or the print job) and starts it. Throws
    // FalhaImpressoraException when the device cannot be painted on.
    TelaImpressao& IniciarDocumento(std::string_view titulo) override;
    void NovaPagina() override;
    void EncerrarDocumento() override;
    void AbortarDocumento() noexcept override;

  protected:
    QPagedPaintDevice& Dispositivo() { return dispositivo_; }

  private:
    QPagedPaintDevice& dispositivo_;
    std::optional<TamanhoPagina> pagina_;
    FontesQt fontes_;
    std::unique_ptr<QPainter> pintor_;
    std::unique_ptr<TelaQt> tela_;
};

// The default printer's page in printer pixels, or none when no printer is installed: the
// page a preview imitates.
std::optional<TamanhoPagina> TamanhoPaginaImpressoraPadrao();
