#include "BibliotecasSilenciosas.h"

#include <alsa/asoundlib.h>
#include <fluidsynth.h>
#include <jack/jack.h>

#include <mutex>

namespace {

void LogFluidSilencioso(int, const char*, void*) {}
void ErroAlsaSilencioso(const char*, int, const char*, int, const char*, ...) {}
void MensagemJackSilenciosa(const char*) {}

}  // namespace

void SilenciarBibliotecas() {
    static std::once_flag feito;
    std::call_once(feito, [] {
        for (int nivel = FLUID_PANIC; nivel < LAST_LOG_LEVEL; ++nivel)
            fluid_set_log_function(nivel, LogFluidSilencioso, nullptr);
        snd_lib_error_set_handler(ErroAlsaSilencioso);
        jack_set_error_function(MensagemJackSilenciosa);
        jack_set_info_function(MensagemJackSilenciosa);
    });
}
