// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The splash window shown for a second while the application starts.

#include <QWidget>

class QLabel;
class GerenciadorIdiomas;

class TformSplash : public QWidget {
  public:
    explicit TformSplash(GerenciadorIdiomas& idiomas);
    QLabel* imgEntrada;
};
