// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An output file that is either written whole or not at all: the bytes go to a temporary file
// beside the target, which replaces the target only once everything was written, flushed and
// synced. Any failure (opening, writing, syncing, renaming) leaves the target as it was and no
// temporary behind, and keeps the system's reason. A target that exists and is no regular file
// (a device such as /dev/full, a pipe) is written directly, its every write checked.
//
// It is a QIODevice so that Qt's PDF and image writers write into it.

#include <QIODevice>
#include <string>
#include <string_view>

class ArquivoSaida : public QIODevice {
  public:
    explicit ArquivoSaida(std::string caminho);
    // Drops an unfinished file.
    ~ArquivoSaida() override;
    ArquivoSaida(const ArquivoSaida&) = delete;
    ArquivoSaida& operator=(const ArquivoSaida&) = delete;

    // Creates the temporary file (or opens the device) and opens this device for writing.
    // False, with the reason kept, when it cannot.
    bool Abrir();
    // Writes `texto`; false once anything failed.
    bool Escrever(std::string_view texto);
    // Syncs, closes and puts the file in place of the target. False, with the reason kept and
    // nothing left behind, when anything failed since Abrir.
    bool Concluir();
    // Removes the unfinished file. Never throws.
    void Descartar() noexcept;

    const std::string& Caminho() const { return caminho_; }
    // The system's reason of the first failure ("No space left on device"), or empty.
    std::string Motivo() const;
    bool Falhou() const { return erro_ != 0; }

    bool isSequential() const override { return true; }

  protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* dados, qint64 tamanho) override;

  private:
    void Falhar(int erro);

    std::string caminho_;     // the target as given
    std::string destino_;     // the target with symbolic links followed
    std::string temporario_;  // empty when writing directly
    int fd_ = -1;
    int erro_ = 0;
    bool concluido_ = false;
};
