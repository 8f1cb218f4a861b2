// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's chord list as the chord manager sees it: an ordered list of texts that it
// keeps showing the catalogue's names in catalogue order.

#include <string>
#include <vector>

class ListaCifras {
  public:
    virtual ~ListaCifras() = default;
    // Replaces every item by `itens`, in order.
    virtual void SubstituirItens(const std::vector<std::string>& itens) = 0;
    // Inserts `item` so that it becomes item number `indice` (0 .. count).
    virtual void InserirItem(int indice, const std::string& item) = 0;
};
