// SPDX-License-Identifier: GPL-3.0-or-later
#include "ServidorJack.h"

#include <fcntl.h>
#include <jack/jack.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <thread>

using namespace std::chrono_literals;

ServidorJack::ServidorJack() {
    nome_ = "tastavo-test-" + std::to_string(::getpid());
    log_ = "/tmp/" + nome_ + ".log";
    ::setenv("JACK_DEFAULT_SERVER", nome_.c_str(), 1);
    ::setenv("JACK_NO_START_SERVER", "1", 1);
    pid_ = ::fork();
    if (pid_ == 0) {
        const int fd = ::open(log_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (fd >= 0) {
            ::dup2(fd, 1);
            ::dup2(fd, 2);
        }
        ::setpgid(0, 0);
        ::prctl(PR_SET_PDEATHSIG, SIGTERM);  // never outlives a test that crashes
        ::execlp("jackd", "jackd", "--no-realtime", "-n", nome_.c_str(), "-d", "dummy", "-r",
                 "48000", "-p", "256", static_cast<char*>(nullptr));
        ::_exit(127);
    }
    for (auto fim = std::chrono::steady_clock::now() + 10s;
         pid_ > 0 && std::chrono::steady_clock::now() < fim; std::this_thread::sleep_for(50ms)) {
        int estado;
        if (::waitpid(pid_, &estado, WNOHANG) == pid_) {
            pid_ = -1;  // it died
            break;
        }
        jack_status_t s;
        if (jack_client_t* c = jack_client_open("tastavo-wait", JackNoStartServer, &s)) {
            jack_client_close(c);
            pronto_ = true;
            break;
        }
    }
}
ServidorJack::~ServidorJack() {
    if (pid_ > 0) {
        ::kill(pid_, SIGTERM);
        int estado;
        for (int i = 0; i < 100 && ::waitpid(pid_, &estado, WNOHANG) == 0; ++i)
            std::this_thread::sleep_for(20ms);
        if (::waitpid(pid_, &estado, WNOHANG) == 0) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, &estado, 0);
        }
    }
    std::remove(log_.c_str());
}
std::string ServidorJack::Log() const {
    std::ifstream f(log_);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}
