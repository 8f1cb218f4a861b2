// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Long work of a window done on its own thread in pieces: a busy cursor at once and, once
// the work has taken half a second, a progress dialog with Cancel. Events are processed
// between pieces, so the windows repaint and Cancel can be clicked; nothing else can be
// touched meanwhile (the dialog is application-modal, and before it shows user input waits).

#include <QElapsedTimer>
#include <QString>
#include <memory>

class QProgressDialog;
class QWidget;

class TrabalhoLongo {
  public:
    // `total` is the amount of work in any unit (bytes, lines); `texto` the dialog's label.
    TrabalhoLongo(QWidget* janela, const QString& texto, const QString& cancelar, qint64 total);
    ~TrabalhoLongo();
    TrabalhoLongo(const TrabalhoLongo&) = delete;
    TrabalhoLongo& operator=(const TrabalhoLongo&) = delete;

    // Reports `feitos` of the total done and lets the windows breathe; false once the user
    // cancelled (the caller then undoes what it did).
    bool Avancar(qint64 feitos);
    bool Cancelado() const;
    // From here the work can no longer be cancelled (it is being applied).
    void ProibirCancelamento();

    // How long the work runs before the dialog appears.
    static constexpr int EsperaDialogoMs = 500;
    // How long the work runs before the windows get to repaint.
    static constexpr int EsperaEventosMs = 100;

  private:
    std::unique_ptr<QProgressDialog> dialogo_;
    qint64 total_;
    int escala_;  // the dialog counts in ints: units per step
    QElapsedTimer relogio_;
};
