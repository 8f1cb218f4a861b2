// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A JACK server of our own on the dummy driver, for tests of real MIDI ports: named after this
// process so that parallel runs never meet; the clients of this process find it through
// JACK_DEFAULT_SERVER. It ends with the object (and with the process, should that crash).

#include <sys/types.h>

#include <string>

class ServidorJack {
  public:
    ServidorJack();
    ~ServidorJack();
    ServidorJack(const ServidorJack&) = delete;
    ServidorJack& operator=(const ServidorJack&) = delete;
    // The server answers (false when jackd is missing or could not start: see Log).
    bool Pronto() const { return pronto_; }
    std::string Log() const;

  private:
    std::string nome_, log_;
    pid_t pid_ = -1;
    bool pronto_ = false;
};
