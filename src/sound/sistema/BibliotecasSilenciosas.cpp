// SPDX-License-Identifier: GPL-3.0-or-later
#include "BibliotecasSilenciosas.h"

#include <fluidsynth.h>

#include <mutex>

#if TASTAVO_COM_ALSA
#include <alsa/asoundlib.h>
#endif
#if TASTAVO_COM_JACK
#include <jack/jack.h>
#endif

namespace {

void LogFluidSilencioso(int, const char*, void*) {}
#if TASTAVO_COM_ALSA
void ErroAlsaSilencioso(const char*, int, const char*, int, const char*, ...) {}
#endif
#if TASTAVO_COM_JACK
void MensagemJackSilenciosa(const char*) {}
#endif

}  // namespace

void SilenciarBibliotecas() {
    static std::once_flag feito;
    std::call_once(feito, [] {
        for (int nivel = FLUID_PANIC; nivel < LAST_LOG_LEVEL; ++nivel)
            fluid_set_log_function(nivel, LogFluidSilencioso, nullptr);
#if TASTAVO_COM_ALSA
        snd_lib_error_set_handler(ErroAlsaSilencioso);
#endif
#if TASTAVO_COM_JACK
        jack_set_error_function(MensagemJackSilenciosa);
        jack_set_info_function(MensagemJackSilenciosa);
#endif
    });
}
