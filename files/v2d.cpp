// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/v2d.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <type_traits>
#include <vector>

#include "core/tekst.h"

static_assert(sizeof(int) == 4 && sizeof(float) == 4, "the file holds 32-bit values");
static_assert(std::numeric_limits<float>::is_iec559, "the file holds IEEE 754 floats");
static_assert(std::endian::native == std::endian::little || std::endian::native == std::endian::big,
              "mixed-endian hosts are not handled");

namespace {

// The file is little-endian; a big-endian host turns every 4-byte value around.
constexpr bool odwracaj = std::endian::native == std::endian::big;

[[maybe_unused]] void odwroc(void* dane, std::size_t n4) {
    auto* p = static_cast<unsigned char*>(dane);
    for (std::size_t i = 0; i < n4; ++i, p += 4) {
        std::uint32_t w;
        std::memcpy(&w, p, 4);
        w = __builtin_bswap32(w);
        std::memcpy(p, &w, 4);
    }
}

}  // namespace

// The user reads these, so the common causes are named in Polish rather than by strerror.
std::string opis_bledu(int e) {
    switch (e) {
        case ENOENT:
            return "nie ma takiego pliku ani folderu";
        case EACCES:
        case EPERM:
            return "brak uprawnień";
        case EISDIR:
            return "to jest folder";
        case ENOTDIR:
            return "część ścieżki nie jest folderem";
        case ENOSPC:
            return "brak miejsca na dysku";
        case EDQUOT:
            return "przekroczony przydział miejsca na dysku";
        case EROFS:
            return "system plików tylko do odczytu";
        case EIO:
            return "błąd wejścia-wyjścia";
        case EFBIG:
            return "plik przekracza dopuszczalny rozmiar";
        case ENAMETOOLONG:
            return "zbyt długa nazwa pliku";
        case ELOOP:
            return "zbyt wiele dowiązań symbolicznych";
        case EMFILE:
        case ENFILE:
            return "zbyt wiele otwartych plików";
        default:
            return std::string("błąd systemowy: ") + std::strerror(e);
    }
}

namespace {

// One read() moves at most about 2 GiB on Linux; a larger block is taken in pieces.
constexpr std::size_t porcja = std::size_t{1} << 30;

bool czytaj_bajty(int fd, void* cel, std::size_t n, int& blad) {
    auto* p = static_cast<char*>(cel);
    while (n > 0) {
        const ssize_t r = ::read(fd, p, std::min(n, porcja));
        if (r < 0) {
            if (errno == EINTR) continue;
            blad = errno;
            return false;
        }
        if (r == 0) {  // the file got shorter after it was measured
            blad = 0;
            return false;
        }
        p += r;
        n -= static_cast<std::size_t>(r);
    }
    return true;
}

bool pisz_bajty(int fd, const void* zrodlo, std::size_t n, int& blad) {
    auto* p = static_cast<const char*>(zrodlo);
    while (n > 0) {
        const ssize_t r = ::write(fd, p, std::min(n, porcja));
        if (r < 0) {
            if (errno == EINTR) continue;
            blad = errno;
            return false;
        }
        p += r;
        n -= static_cast<std::size_t>(r);
    }
    return true;
}

// A block of n4 four-byte values straight into (or out of) a contiguous array.
bool czytaj_blok(int fd, void* cel, std::int64_t n4, int& blad) {
    if (n4 == 0) return true;
    if (!czytaj_bajty(fd, cel, static_cast<std::size_t>(n4) * 4, blad)) return false;
    if constexpr (odwracaj) odwroc(cel, static_cast<std::size_t>(n4));
    return true;
}

bool pisz_blok(int fd, const void* zrodlo, std::int64_t n4, int& blad) {
    if (n4 == 0) return true;
    if constexpr (!odwracaj) {
        return pisz_bajty(fd, zrodlo, static_cast<std::size_t>(n4) * 4, blad);
    } else {
        std::vector<unsigned char> bufor(64 * 1024);
        auto* p = static_cast<const unsigned char*>(zrodlo);
        std::size_t zostalo = static_cast<std::size_t>(n4) * 4;
        while (zostalo > 0) {
            const std::size_t k = std::min(zostalo, bufor.size());
            std::memcpy(bufor.data(), p, k);
            odwroc(bufor.data(), k / 4);
            if (!pisz_bajty(fd, bufor.data(), k, blad)) return false;
            p += k;
            zostalo -= k;
        }
        return true;
    }
}

// The ten blocks after the counts, in file order, each as its array's first element and its number
// of four-byte values. Reader and writer both walk this list, so they cannot disagree on the order.
template <class K>  // Konstrukcja or const Konstrukcja
auto bloki(K& k) {
    struct Blok {
        std::conditional_t<std::is_const_v<K>, const void*, void*> dane;
        std::int64_t n4;
    };
    const std::int64_t ne = k.ne, nn = k.nn, nd = k.nd, nl = k.nl, nm = k.nm, na = k.na,
                       ntel = k.ntel;
    return std::array<Blok, 10>{{{k.noc.data(), 4 * ne},
                                 {k.x.data(), 2 * nn},
                                 {k.pm.data(), 2 * nm},
                                 {k.area.data(), na},
                                 {k.nu.data(), nd},
                                 {k.u.data(), nd},
                                 {k.ild.data(), nl},
                                 {k.al.data(), nl},
                                 {k.temp.data(), ntel},  // the reals before the bar numbers here
                                 {k.nset.data(), ntel}}};
}

// Index (0-based) of the first value that is NaN or infinite, or -1.
std::int64_t pierwsza_nieskonczona(const float* p, std::int64_t n) {
    for (std::int64_t i = 0; i < n; ++i)
        if (!std::isfinite(p[i])) return i;
    return -1;
}

// Index (0-based) of the first value outside 1..gorna, or -1.
std::int64_t pierwsza_spoza(const int* p, std::int64_t n, int gorna) {
    for (std::int64_t i = 0; i < n; ++i)
        if (p[i] < 1 || p[i] > gorna) return i;
    return -1;
}

class Plik {
  public:
    explicit Plik(int fd) : fd_(fd) {}
    Plik(const Plik&) = delete;
    Plik& operator=(const Plik&) = delete;
    ~Plik() {
        if (fd_ >= 0) ::close(fd_);
    }
    int fd() const { return fd_; }

  private:
    int fd_;
};

}  // namespace

bool sprawdz_konstrukcje(const Konstrukcja& k, std::string& powod) {
    if (k.ne > 0) {
        const int* noc = k.noc.data();
        for (int e = 1; e <= k.ne; ++e) {
            const int* r = noc + static_cast<std::int64_t>(e - 1) * 4;
            for (int j = 0; j < 2; ++j)
                if (r[j] < 1 || r[j] > k.nn) {
                    powod = sformatuj("pręt %d: węzeł %d spoza zakresu 1..%d", e, r[j], k.nn);
                    return false;
                }
            if (r[2] < 1 || r[2] > k.nm) {
                powod = sformatuj("pręt %d: materiał %d spoza zakresu 1..%d", e, r[2], k.nm);
                return false;
            }
            if (r[3] < 1 || r[3] > k.na) {
                powod = sformatuj("pręt %d: przekrój %d spoza zakresu 1..%d", e, r[3], k.na);
                return false;
            }
        }
    }
    std::int64_t i;
    if (k.nd > 0 && (i = pierwsza_spoza(k.nu.data(), k.nd, k.nq)) >= 0) {
        powod = sformatuj("podpora %lld: stopień swobody %d spoza zakresu 1..%d",
                          static_cast<long long>(i + 1), k.nu.data()[i], k.nq);
        return false;
    }
    if (k.nl > 0 && (i = pierwsza_spoza(k.ild.data(), k.nl, k.nq)) >= 0) {
        powod = sformatuj("obciążenie %lld: stopień swobody %d spoza zakresu 1..%d",
                          static_cast<long long>(i + 1), k.ild.data()[i], k.nq);
        return false;
    }
    if (k.ntel > 0 && (i = pierwsza_spoza(k.nset.data(), k.ntel, k.ne)) >= 0) {
        powod = sformatuj("zmiana temperatury %lld: pręt %d spoza zakresu 1..%d",
                          static_cast<long long>(i + 1), k.nset.data()[i], k.ne);
        return false;
    }

    struct Blok {
        const float* dane;
        std::int64_t n;
        int na_rekord;
        const char* opis;
    };
    const Blok rzeczywiste[] = {
        {k.x.data(), 2 * static_cast<std::int64_t>(k.nn), 2, "węzeł %lld: współrzędna"},
        {k.pm.data(), 2 * static_cast<std::int64_t>(k.nm), 2, "materiał %lld: stała materiałowa"},
        {k.area.data(), k.na, 1, "przekrój %lld: pole"},
        {k.u.data(), k.nd, 1, "podpora %lld: przemieszczenie"},
        {k.al.data(), k.nl, 1, "obciążenie %lld: siła"},
        {k.temp.data(), k.ntel, 1, "zmiana temperatury %lld: wartość"},
    };
    for (const Blok& b : rzeczywiste) {
        if (b.n == 0) continue;
        if ((i = pierwsza_nieskonczona(b.dane, b.n)) >= 0) {
            char t[128];
            std::snprintf(t, sizeof t, b.opis, static_cast<long long>(i / b.na_rekord + 1));
            powod = std::string(t) + " nie jest liczbą skończoną";
            return false;
        }
    }
    return true;
}

namespace {

const char* const nazwy_licznosci[7] = {"prętów",     "węzłów",     "podpór",           "obciążeń",
                                        "materiałów", "przekrojów", "zmian temperatury"};

}  // namespace

std::int64_t dlugosc_v2d(std::int64_t ne, std::int64_t nn, std::int64_t nd, std::int64_t nl,
                         std::int64_t nm, std::int64_t na, std::int64_t ntel) {
    return 28 + 16 * ne + 8 * nn + 8 * nm + 4 * na + 8 * nd + 8 * nl + 8 * ntel;
}

bool czytaj_v2d(const std::string& sciezka, Konstrukcja& wynik, std::string& powod) {
    // O_NONBLOCK keeps a FIFO from hanging the open; fstat refuses it right after.
    Plik plik(::open(sciezka.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (plik.fd() < 0) {
        powod = opis_bledu(errno);
        return false;
    }
    struct stat st;
    if (::fstat(plik.fd(), &st) != 0) {
        powod = opis_bledu(errno);
        return false;
    }
    if (S_ISDIR(st.st_mode)) {
        powod = "to jest folder, nie plik";
        return false;
    }
    if (!S_ISREG(st.st_mode)) {
        powod = "to nie jest zwykły plik";
        return false;
    }
    const std::int64_t dlugosc = st.st_size;
    if (dlugosc < 28) {
        powod = sformatuj("plik jest za krótki (%lld B), nagłówek ma 28 B",
                          static_cast<long long>(dlugosc));
        return false;
    }

    int blad = 0;
    std::int32_t n[7];  // ne, nn, nd, nl, nm, na, ntel
    if (!czytaj_blok(plik.fd(), n, 7, blad)) {
        powod = blad ? "błąd odczytu: " + opis_bledu(blad) : "plik skrócił się podczas odczytu";
        return false;
    }
    for (int j = 0; j < 7; ++j)
        if (n[j] < 0) {
            powod = sformatuj("ujemna liczba %s w nagłówku (%d)", nazwy_licznosci[j], n[j]);
            return false;
        }
    if (n[1] > INT_MAX / 2) {
        powod = sformatuj("zbyt wiele węzłów (%d)", n[1]);
        return false;
    }
    // Nothing is allocated before the file is known to hold every byte the counts promise; with
    // no header mark, a file of any other length is not a project.
    const std::int64_t oczekiwana = dlugosc_v2d(n[0], n[1], n[2], n[3], n[4], n[5], n[6]);
    if (dlugosc != oczekiwana) {
        powod =
            sformatuj("długość pliku (%lld B) nie zgadza się z nagłówkiem (powinna wynosić %lld B)",
                      static_cast<long long>(dlugosc), static_cast<long long>(oczekiwana));
        return false;
    }

    Konstrukcja k;
    k.ne = n[0], k.nn = n[1], k.nd = n[2], k.nl = n[3], k.nm = n[4], k.na = n[5], k.ntel = n[6];
    k.nq = 2 * k.nn;
    if (k.nn > 0) k.x = macierz(1, k.nn, 1, 2), k.f = wektor(1, k.nq);
    if (k.ne > 0) k.noc = imacierz(1, k.ne, 1, 4), k.stressp = wektor(1, k.ne);
    if (k.nd > 0) k.nu = iwektor(1, k.nd), k.u = wektor(1, k.nd), k.react = wektor(1, k.nd);
    if (k.nm > 0) k.pm = macierz(1, k.nm, 1, 2);
    if (k.na > 0) k.area = wektor(1, k.na);
    if (k.ntel > 0) k.temp = wektor(1, k.ntel), k.nset = iwektor(1, k.ntel);
    if (k.nl > 0) k.ild = iwektor(1, k.nl), k.al = wektor(1, k.nl);

    bool przeczytano = true;
    for (const auto& b : bloki(k))
        przeczytano = przeczytano && czytaj_blok(plik.fd(), b.dane, b.n4, blad);
    if (!przeczytano) {
        powod = blad ? "błąd odczytu: " + opis_bledu(blad) : "plik skrócił się podczas odczytu";
        return false;
    }
    if (!sprawdz_konstrukcje(k, powod)) return false;
    wynik = std::move(k);
    return true;
}

bool otworz_v2d(const std::string& sciezka, Model& m, std::string& powod) {
    Konstrukcja k;
    if (!czytaj_v2d(sciezka, k, powod)) return false;
    zwolnij_model(m);
    przejmij_konstrukcje(m, std::move(k));
    m.nbw = 0;
    m.Pusty = 0;
    return true;
}

namespace {

// The counts and the ten blocks, from where the descriptor stands.
bool pisz_tresc(int fd, const Konstrukcja& k, int& blad) {
    const int licznosci[7] = {k.ne, k.nn, k.nd, k.nl, k.nm, k.na, k.ntel};
    bool zapisano = pisz_blok(fd, licznosci, 7, blad);
    for (const auto& b : bloki(k)) zapisano = zapisano && pisz_blok(fd, b.dane, b.n4, blad);
    return zapisano;
}

std::string folder_pliku(const std::string& sciezka) {
    const std::size_t ukosnik = sciezka.find_last_of('/');
    return ukosnik == std::string::npos ? "." : ukosnik == 0 ? "/" : sciezka.substr(0, ukosnik);
}

// Rewrites the target itself, for a file that can be written but not replaced (its folder takes no
// new file). The old bytes are held in memory first, so that a failed write can put them back;
// the reason then says whether it did. `przeszkoda` is what stood in the way of a replacement,
// the reason given when the file cannot be written either.
bool zapisz_w_miejscu(const std::string& cel, const Konstrukcja& k, const std::string& przeszkoda,
                      std::string& powod) {
    Plik plik(::open(cel.c_str(), O_RDWR | O_CLOEXEC | O_NONBLOCK));
    struct stat st;
    if (plik.fd() < 0 || ::fstat(plik.fd(), &st) != 0 || !S_ISREG(st.st_mode)) {
        powod = przeszkoda;
        return false;
    }
    const int fd = plik.fd();
    std::vector<char> stare(static_cast<std::size_t>(st.st_size));
    int blad = 0;
    if (!czytaj_bajty(fd, stare.data(), stare.size(), blad)) {
        powod = "nie można odczytać poprzedniej zawartości pliku: " +
                (blad ? opis_bledu(blad) : std::string("plik skrócił się podczas odczytu"));
        return false;
    }
    auto przywroc = [&] {
        int b = 0;
        return ::lseek(fd, 0, SEEK_SET) == 0 && pisz_bajty(fd, stare.data(), stare.size(), b) &&
               ::ftruncate(fd, static_cast<off_t>(stare.size())) == 0 && ::fsync(fd) == 0;
    };
    auto porazka = [&](const char* co, int e) {
        powod = co + opis_bledu(e) +
                (przywroc() ? "; przywrócono poprzednią zawartość pliku"
                            : "; nie udało się przywrócić poprzedniej zawartości pliku");
        return false;
    };
    const off_t dlugosc =
        static_cast<off_t>(dlugosc_v2d(k.ne, k.nn, k.nd, k.nl, k.nm, k.na, k.ntel));
    if (::lseek(fd, 0, SEEK_SET) != 0) return porazka("błąd zapisu: ", errno);
    // Written over the old bytes before the length is cut, so that the blocks the file already
    // has are used first.
    if (!pisz_tresc(fd, k, blad)) return porazka("błąd zapisu: ", blad);
    if (::ftruncate(fd, dlugosc) != 0) return porazka("błąd zapisu: ", errno);
    if (::fsync(fd) != 0) return porazka("błąd zapisu na dysk: ", errno);
    return true;
}

}  // namespace

bool zapisz_v2d(const std::string& sciezka, const Konstrukcja& k, std::string& powod) {
    // The store's own invariants; a save must never read through an absent array.
    if (!spojna(k, false)) {
        powod = "model w pamięci jest niespójny";
        return false;
    }

    // A link is followed, so the file it points to is replaced and the link stays.
    std::string cel = sciezka;
    struct stat st;
    if (::lstat(cel.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
        if (char* r = ::realpath(cel.c_str(), nullptr)) {
            cel = r;
            std::free(r);
        }
    }
    mode_t tryb;
    bool istnieje = false;
    if (::stat(cel.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode)) {
            powod = "wskazana ścieżka jest folderem";
            return false;
        }
        if (!S_ISREG(st.st_mode)) {
            powod = "wskazana ścieżka nie jest zwykłym plikiem";
            return false;
        }
        tryb = st.st_mode & 07777;
        istnieje = true;
    } else if (errno == ENOENT) {
        const mode_t maska = ::umask(0);
        ::umask(maska);
        tryb = 0666 & ~maska;
    } else {
        powod = opis_bledu(errno);
        return false;
    }

    // Where the target cannot be replaced but can be written, it is written in place.
    auto bez_zastapienia = [&](const std::string& przeszkoda) {
        if (istnieje) return zapisz_w_miejscu(cel, k, przeszkoda, powod);
        powod = przeszkoda;
        return false;
    };
    // The temporary's name is short and of fixed length, so a target whose name uses up all the
    // room a name has still gets one.
    const std::string folder = folder_pliku(cel);
    std::string tymczasowy = (folder == "/" ? "" : folder) + "/.v2d-XXXXXX";
    int fd = ::mkstemp(tymczasowy.data());
    if (fd < 0)
        return bez_zastapienia("nie można utworzyć pliku w folderze docelowym: " +
                               opis_bledu(errno));
    auto porazka = [&](const char* co, int blad) {
        if (fd >= 0) ::close(fd);
        ::unlink(tymczasowy.c_str());
        powod = std::string(co) + opis_bledu(blad);
        return false;
    };
    // Some file systems refuse modes altogether; the bytes matter more than the mode there.
    (void)::fchmod(fd, tryb);

    int blad = 0;
    if (!pisz_tresc(fd, k, blad)) return porazka("błąd zapisu: ", blad);
    if (::fsync(fd) != 0) return porazka("błąd zapisu na dysk: ", errno);
    const int z = ::close(fd);
    fd = -1;
    if (z != 0) return porazka("błąd zapisu na dysk: ", errno);
    if (::rename(tymczasowy.c_str(), cel.c_str()) != 0) {
        const std::string przeszkoda = "nie można zastąpić pliku: " + opis_bledu(errno);
        ::unlink(tymczasowy.c_str());
        return bez_zastapienia(przeszkoda);
    }

    // The new name should survive a crash too; a folder that cannot be synced is no reason to
    // report a save that has already happened as failed.
    const int fdk = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fdk >= 0) {
        (void)::fsync(fdk);
        ::close(fdk);
    }
    return true;
}
