// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target of the .V2D reader. Each input is written to one temporary file and read as a
// project. A refused file must leave the target model untouched and give a reason; an accepted one
// is taken into a store as the open command does, saved to a second temporary file, and must come
// back as exactly the bytes it was read from. A small enough accepted model is then analysed: it
// either succeeds with every result finite or fails with a message and no valid results. Any
// breach aborts, so the fuzzer keeps the input.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "core/analiza.h"
#include "files/v2d.h"

namespace {

[[noreturn]] void przerwij(const char* co, const std::string& powod) {
    std::fprintf(stderr, "fuzz_v2d: %s: %s\n", co, powod.c_str());
    std::abort();
}

// A fresh file of the given name pattern, in tmpfs when there is one: the save syncs to disk, and
// on tmpfs that costs nothing.
std::string nowy_plik(const char* nazwa, int& fd) {
    for (const char* folder : {"/dev/shm", "/tmp"}) {
        std::string wzorzec = std::string(folder) + "/" + nazwa + ".XXXXXX";
        std::vector<char> t(wzorzec.begin(), wzorzec.end());
        t.push_back('\0');
        fd = ::mkstemp(t.data());
        if (fd >= 0) return t.data();
    }
    przerwij("nie można utworzyć pliku tymczasowego", std::strerror(errno));
}

// The two files live for the whole process; the input file stays open and is rewritten per input.
struct Pliki {
    std::string wejscie, zapis;
    int fd = -1;

    Pliki() {
        wejscie = nowy_plik("velkora-fuzz-wejscie", fd);
        int fd_zapisu;
        zapis = nowy_plik("velkora-fuzz-zapis", fd_zapisu);
        ::close(fd_zapisu);
    }
    ~Pliki() {
        ::close(fd);
        ::unlink(wejscie.c_str());
        ::unlink(zapis.c_str());
    }
};

Pliki& pliki() {
    static Pliki p;
    return p;
}

void zapisz_wejscie(const std::uint8_t* dane, std::size_t n) {
    const int fd = pliki().fd;
    if (::ftruncate(fd, static_cast<off_t>(n)) != 0) przerwij("ftruncate", std::strerror(errno));
    for (std::size_t zapisano = 0; zapisano < n;) {
        const ssize_t r = ::pwrite(fd, dane + zapisano, n - zapisano, static_cast<off_t>(zapisano));
        if (r < 0 && errno == EINTR) continue;
        if (r <= 0) przerwij("pwrite", std::strerror(errno));
        zapisano += static_cast<std::size_t>(r);
    }
}

std::vector<std::uint8_t> bajty_pliku(const std::string& sciezka) {
    const int fd = ::open(sciezka.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) przerwij("nie można otworzyć zapisanego pliku", std::strerror(errno));
    struct stat st;
    if (::fstat(fd, &st) != 0) przerwij("fstat", std::strerror(errno));
    std::vector<std::uint8_t> b(static_cast<std::size_t>(st.st_size));
    for (std::size_t przeczytano = 0; przeczytano < b.size();) {
        const ssize_t r = ::read(fd, b.data() + przeczytano, b.size() - przeczytano);
        if (r < 0 && errno == EINTR) continue;
        if (r <= 0) przerwij("read", std::strerror(errno));
        przeczytano += static_cast<std::size_t>(r);
    }
    ::close(fd);
    return b;
}

// The analysis of a model whose band stays small; a huge band would only slow the fuzzer down.
void analizuj(Model& m) {
    double pasmo = 0.0;
    for (int i = 1; i <= m.ne; ++i)
        pasmo = std::max(pasmo, 2.0 * std::abs(static_cast<double>(m.noc[i][2]) - m.noc[i][1]) + 2);
    if (static_cast<double>(m.nq) * pasmo * pasmo > 1e7) return;
    const WynikObliczen w = obliczenia(m);
    if (w.sukces()) {
        if (m.obliczono != 1) przerwij("udana analiza bez wyników", "");
        for (int i = 1; i <= m.nq; ++i)
            if (!std::isfinite(m.f[i])) przerwij("nieskończone przemieszczenie", "");
        for (int i = 1; i <= m.ne; ++i)
            if (!std::isfinite(m.stressp[i])) przerwij("nieskończone naprężenie", "");
        for (int i = 1; i <= m.nd; ++i)
            if (!std::isfinite(m.react[i])) przerwij("nieskończona reakcja", "");
    } else if (m.obliczono != 0 || komunikaty_obliczen(w).empty()) {
        przerwij("nieudana analiza bez komunikatu albo z wynikami", "");
    }
}

bool nietknieta(const Konstrukcja& k) {
    return k.ne == 0 && k.nn == 0 && k.nd == 0 && k.nl == 0 && k.nm == 0 && k.na == 0 &&
           k.ntel == 0 && k.nq == 0 && !k.x && !k.noc && !k.pm && !k.area && !k.nu && !k.u &&
           !k.ild && !k.al && !k.nset && !k.temp && !k.f && !k.stressp && !k.react;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dane, std::size_t n) {
    zapisz_wejscie(dane, n);
    Konstrukcja k;
    std::string powod;
    if (!czytaj_v2d(pliki().wejscie, k, powod)) {
        if (powod.empty()) przerwij("odmowa bez powodu", "");
        if (!nietknieta(k)) przerwij("odmowa zmieniła model", powod);
        return 0;
    }

    Model m;
    przejmij_konstrukcje(m, std::move(k));
    m.nbw = 0;
    m.Pusty = 0;
    if (!zapisz_v2d(pliki().zapis, m, powod)) przerwij("przyjęty model nie zapisuje się", powod);
    const std::vector<std::uint8_t> zapisane = bajty_pliku(pliki().zapis);
    if (zapisane.size() != n || (n > 0 && std::memcmp(zapisane.data(), dane, n) != 0))
        przerwij("zapis różni się od przeczytanego pliku", std::to_string(n) + " B przeczytano, " +
                                                               std::to_string(zapisane.size()) +
                                                               " B zapisano");
    analizuj(m);
    zwolnij_model(m);
    return 0;
}
