// SPDX-License-Identifier: GPL-3.0-or-later
#include "TrabalhoLongo.h"

#include <QApplication>
#include <QProgressDialog>
#include <algorithm>
#include <limits>

TrabalhoLongo::TrabalhoLongo(QWidget* janela, const QString& texto, const QString& cancelar,
                             qint64 total)
    : total_(std::max<qint64>(total, 1)),
      escala_(static_cast<int>(std::max<qint64>(1, total_ / 10000))) {
    QApplication::setOverrideCursor(Qt::BusyCursor);
    dialogo_ = std::make_unique<QProgressDialog>(texto, cancelar, 0,
                                                 static_cast<int>(total_ / escala_), janela);
    dialogo_->setObjectName(QStringLiteral("dialogoProgresso"));
    dialogo_->setWindowTitle(janela ? janela->windowTitle() : QString());
    dialogo_->setWindowModality(Qt::ApplicationModal);
    // The dialog's own rule would show it early on an estimate of the total time; it shows
    // here once the work has really taken the wait.
    dialogo_->setMinimumDuration(std::numeric_limits<int>::max());
    dialogo_->setAutoReset(false);
    dialogo_->setAutoClose(false);
    dialogo_->setValue(0);
    relogio_.start();
}

TrabalhoLongo::~TrabalhoLongo() {
    dialogo_.reset();
    QApplication::restoreOverrideCursor();
}

bool TrabalhoLongo::Avancar(qint64 feitos) {
    // setValue shows the dialog once the minimum duration has passed. Before that only painting
    // and timers run; once it shows, its Cancel button is live (the rest of the application
    // is blocked by its modality).
    dialogo_->setValue(static_cast<int>(std::min(feitos, total_) / escala_));
    if (!dialogo_->isVisible() && relogio_.elapsed() >= EsperaDialogoMs) dialogo_->show();
    // Short work (the usual song) runs straight through: events wait until the work has
    // taken a noticeable time, so nothing queued for after it runs in its middle.
    if (relogio_.elapsed() < EsperaEventosMs) return !dialogo_->wasCanceled();
    QCoreApplication::processEvents(dialogo_->isVisible() ? QEventLoop::AllEvents
                                                          : QEventLoop::ExcludeUserInputEvents);
    return !dialogo_->wasCanceled();
}

bool TrabalhoLongo::Cancelado() const { return dialogo_->wasCanceled(); }

void TrabalhoLongo::ProibirCancelamento() {
    dialogo_->setCancelButton(nullptr);
    if (dialogo_->isVisible()) QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
