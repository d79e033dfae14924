// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/v2d.h"

#include <gtest/gtest.h>
#include <linux/capability.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <climits>
#include <cmath>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <limits>
#include <set>
#include <vector>

#include "tests/wspolne/kratownice.h"

namespace fs = std::filesystem;
using Bajty = std::vector<unsigned char>;

namespace {

void dopisz(Bajty& b, std::uint32_t w) {
    for (int i = 0; i < 4; ++i) b.push_back(static_cast<unsigned char>(w >> (8 * i)));
}
std::uint32_t bity(float v) {
    std::uint32_t w;
    std::memcpy(&w, &v, 4);
    return w;
}
void dopisz_f(Bajty& b, float v) {
    dopisz(b, bity(v));
}
void wstaw(Bajty& b, std::size_t offset, std::uint32_t w) {
    for (int i = 0; i < 4; ++i) b[offset + i] = static_cast<unsigned char>(w >> (8 * i));
}

// A small project written out by hand, every block distinct, every reference at its upper limit.
// Offsets: noc 28, x 60, pm 84, area 100, nu 108, u 120, ild 132, al 140, temp 148, nset 156.
Bajty wzorcowy() {
    Bajty b;
    for (int c : {2, 3, 3, 2, 2, 2, 2}) dopisz(b, c);     // ne nn nd nl nm na ntel
    for (int v : {1, 3, 2, 2, 2, 3, 1, 1}) dopisz(b, v);  // noc
    for (float v : {-0.0f, 1e-40f, 4.0f, 0.0f, 2.0f, 3.0f}) dopisz_f(b, v);  // x
    for (float v : {2.1e8f, 1.2e-5f, 7e7f, 2.3e-5f}) dopisz_f(b, v);         // pm
    for (float v : {0.01f, 0.02f}) dopisz_f(b, v);                           // area
    for (int v : {1, 2, 6}) dopisz(b, v);                                    // nu
    for (float v : {0.0f, 0.0f, -0.001f}) dopisz_f(b, v);                    // u
    for (int v : {5, 6}) dopisz(b, v);                                       // ild
    for (float v : {10.0f, -20.0f}) dopisz_f(b, v);                          // al
    for (float v : {30.0f, -15.0f}) dopisz_f(b, v);                          // temp
    for (int v : {2, 1}) dopisz(b, v);                                       // nset
    return b;
}

// Everything of the store a read might disturb, as bytes.
Bajty odcisk(const Model& m) {
    Bajty b;
    auto dodaj = [&b](const void* p, std::size_t n) {
        if (n)
            b.insert(b.end(), static_cast<const unsigned char*>(p),
                     static_cast<const unsigned char*>(p) + n);
    };
    const int stan[] = {m.ne,   m.nn, m.nd,  m.nl,    m.nm,       m.na,
                        m.ntel, m.nq, m.nbw, m.Pusty, m.obliczono};
    dodaj(stan, sizeof stan);
    dodaj(m.noc.data(), 16u * m.ne), dodaj(m.x.data(), 8u * m.nn), dodaj(m.pm.data(), 8u * m.nm);
    dodaj(m.area.data(), 4u * m.na), dodaj(m.nu.data(), 4u * m.nd), dodaj(m.u.data(), 4u * m.nd);
    dodaj(m.ild.data(), 4u * m.nl), dodaj(m.al.data(), 4u * m.nl),
        dodaj(m.temp.data(), 4u * m.ntel);
    dodaj(m.nset.data(), 4u * m.ntel), dodaj(m.f.data(), 4u * m.nq);
    dodaj(m.stressp.data(), 4u * m.ne), dodaj(m.react.data(), 4u * m.nd);
    return b;
}

// While it lives, permission bits bind this thread even when it runs as root: the capabilities
// that override them are dropped from the effective set, and taken back at the end.
class UprawnieniaWiaza {
  public:
    UprawnieniaWiaza() {
        if (::geteuid() != 0) return;
        if (::syscall(SYS_capget, &naglowek_, stare_) != 0) {
            dziala_ = false;
            return;
        }
        __user_cap_data_struct nowe[2];
        std::memcpy(nowe, stare_, sizeof nowe);
        for (int c : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH, CAP_FOWNER})
            nowe[c / 32].effective &= ~(1u << (c % 32));
        dziala_ = przywroc_ = ::syscall(SYS_capset, &naglowek_, nowe) == 0;
    }
    ~UprawnieniaWiaza() {
        if (przywroc_) ::syscall(SYS_capset, &naglowek_, stare_);
    }
    UprawnieniaWiaza(const UprawnieniaWiaza&) = delete;
    UprawnieniaWiaza& operator=(const UprawnieniaWiaza&) = delete;
    bool dziala() const { return dziala_; }

  private:
    __user_cap_header_struct naglowek_{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct stare_[2]{};
    bool dziala_ = true, przywroc_ = false;
};

class PlikV2D : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string wzor = (fs::temp_directory_path() / "v2d_XXXXXX").string();
        ASSERT_NE(::mkdtemp(wzor.data()), nullptr);
        folder = wzor;
        pratt(poprzedni, 4);
        poprzedni.nbw = 12, poprzedni.obliczono = 1;
    }
    void TearDown() override {
        fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(folder);
    }
    std::string sciezka(const std::string& nazwa) const { return folder + "/" + nazwa; }
    static void pisz(const std::string& p, const Bajty& b) {
        std::ofstream(p, std::ios::binary)
            .write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
    }
    static Bajty czytaj(const std::string& p) {
        std::ifstream s(p, std::ios::binary);
        return Bajty(std::istreambuf_iterator<char>(s), {});
    }
    // The bytes must be refused, with a reason, and the open model must stay exactly as it was.
    void odrzuc(const Bajty& b, const std::string& opis) {
        pisz(sciezka("zly.V2D"), b);
        odrzuc_sciezke(sciezka("zly.V2D"), opis);
    }
    void odrzuc_sciezke(const std::string& p, const std::string& opis) {
        const Bajty przed = odcisk(poprzedni);
        std::string powod;
        EXPECT_FALSE(otworz_v2d(p, poprzedni, powod)) << opis;
        EXPECT_FALSE(powod.empty()) << opis;
        EXPECT_EQ(odcisk(poprzedni), przed) << opis;
    }
    std::string folder;
    Model poprzedni;
};

template <class T>
std::vector<T> kopia(const T* p, int n) {
    return std::vector<T>(p, p + n);
}

TEST_F(PlikV2D, ReadsEveryBlockFromItsPlaceAndReplacesTheOpenModel) {
    pisz(sciezka("a.V2D"), wzorcowy());
    std::string powod;
    ASSERT_TRUE(otworz_v2d(sciezka("a.V2D"), poprzedni, powod)) << powod;
    const Model& m = poprzedni;
    EXPECT_EQ((std::vector{m.Pusty, m.obliczono, m.nbw, m.nq}), (std::vector{0, 0, 0, 6}));
    EXPECT_EQ(kopia(m.noc.data(), 8), (std::vector{1, 3, 2, 2, 2, 3, 1, 1}));
    EXPECT_EQ(kopia(m.x.data(), 6), (std::vector{0.0f, 1e-40f, 4.0f, 0.0f, 2.0f, 3.0f}));
    EXPECT_EQ(kopia(m.pm.data(), 4), (std::vector{2.1e8f, 1.2e-5f, 7e7f, 2.3e-5f}));
    EXPECT_EQ(kopia(m.area.data(), 2), (std::vector{0.01f, 0.02f}));
    EXPECT_EQ(kopia(m.nu.data(), 3), (std::vector{1, 2, 6}));
    EXPECT_EQ(kopia(m.u.data(), 3), (std::vector{0.0f, 0.0f, -0.001f}));
    EXPECT_EQ(kopia(m.ild.data(), 2), (std::vector{5, 6}));
    EXPECT_EQ(kopia(m.al.data(), 2), (std::vector{10.0f, -20.0f}));
    EXPECT_EQ(kopia(m.temp.data(), 2), (std::vector{30.0f, -15.0f}));
    EXPECT_EQ(kopia(m.nset.data(), 2), (std::vector{2, 1}));
    EXPECT_EQ((std::vector{m.f.high(), m.stressp.high(), m.react.high()}), (std::vector{6, 2, 3}));
}

TEST_F(PlikV2D, SavingWhatWasReadGivesTheSameBytes) {
    Model m;
    std::string powod;
    auto obieg = [&](const char* opis) {
        ASSERT_TRUE(zapisz_v2d(sciezka("1.V2D"), m, powod)) << opis << powod;
        ASSERT_TRUE(otworz_v2d(sciezka("1.V2D"), m, powod)) << opis << powod;
        ASSERT_TRUE(zapisz_v2d(sciezka("2.V2D"), m, powod)) << opis << powod;
        EXPECT_EQ(czytaj(sciezka("1.V2D")), czytaj(sciezka("2.V2D"))) << opis;
    };
    pisz(sciezka("1.V2D"), wzorcowy());
    ASSERT_TRUE(otworz_v2d(sciezka("1.V2D"), m, powod));
    obieg("hand-made");
    EXPECT_EQ(czytaj(sciezka("2.V2D")), wzorcowy());
    pratt(m, 8), obieg("pratt");
    krata(m, 5, 3), obieg("krata");

    przygotuj(m, 0, 0, 0, 0, 0, 0);
    obieg("empty");
    EXPECT_EQ(czytaj(sciezka("2.V2D")), Bajty(28, 0));
    EXPECT_EQ(m.Pusty, 0);

    przygotuj(m, 0, 1, 0, 0, 0, 0);
    m.x[1][1] = 1.5f, m.x[1][2] = -2.0f;
    obieg("one node");
    Bajty jeden(28, 0);
    jeden[4] = 1;
    dopisz(jeden, 0x3fc00000), dopisz(jeden, 0xc0000000);
    EXPECT_EQ(czytaj(sciezka("2.V2D")), jeden);
}

TEST_F(PlikV2D, RefusesEveryTruncationAndATrailingByte) {
    const Bajty b = wzorcowy();
    for (std::size_t n = 0; n < b.size(); ++n)
        odrzuc(Bajty(b.begin(), b.begin() + static_cast<std::ptrdiff_t>(n)),
               "cut at " + std::to_string(n));
    Bajty dluzszy = b;
    dluzszy.push_back(0);
    odrzuc(dluzszy, "one byte extra");
    odrzuc_sciezke(sciezka("brak.V2D"), "missing");
    odrzuc_sciezke(folder, "a folder");
}

TEST_F(PlikV2D, RefusesCountsThatCannotDescribeTheFile) {
    for (int licznosc = 0; licznosc < 7; ++licznosc)
        for (std::uint32_t v : {0xffffffffu, 0x80000000u, 0x7fffffffu}) {
            Bajty b = wzorcowy();
            wstaw(b, 4 * licznosc, v);
            odrzuc(b, "count " + std::to_string(licznosc) + " = " + std::to_string(v));
            b.resize(28);
            odrzuc(b, "header only, count " + std::to_string(licznosc));
        }
    // Twice this many nodes overflows the DOF count. The file is as long as the counts say (and
    // sparse), so only the node limit stands between it and a 17 GB allocation.
    Bajty b(28, 0);
    wstaw(b, 4, INT_MAX / 2 + 1);
    pisz(sciezka("duzy.V2D"), b);
    fs::resize_file(sciezka("duzy.V2D"), 28 + 8 * (std::uintmax_t{INT_MAX} / 2 + 1));
    odrzuc_sciezke(sciezka("duzy.V2D"), "nn > INT_MAX / 2");
}

TEST_F(PlikV2D, RefusesNumbersOutsideTheirRanges) {
    const struct {
        std::size_t offset;
        int wartosc;
        const char* opis;
    } przypadki[] = {
        {28, 0, "first node 0"},
        {32, 4, "second node > nn"},
        {44, -1, "node -1"},
        {36, 0, "material 0"},
        {36, 3, "material > nm"},
        {40, 0, "section 0"},
        {56, 3, "section > na"},
        {108, 0, "support DOF 0"},
        {116, 7, "support DOF > nq"},
        {132, 0, "load DOF 0"},
        {136, 7, "load DOF > nq"},
        {156, 0, "temperature bar 0"},
        {160, 3, "temperature bar > ne"},
    };
    for (const auto& p : przypadki) {
        Bajty b = wzorcowy();
        wstaw(b, p.offset, static_cast<std::uint32_t>(p.wartosc));
        odrzuc(b, p.opis);
    }
}

TEST_F(PlikV2D, RefusesNonFiniteRealsInEveryRealBlock) {
    const float zle[] = {std::numeric_limits<float>::quiet_NaN(),
                         std::numeric_limits<float>::infinity(),
                         -std::numeric_limits<float>::infinity()};
    for (std::size_t offset : {60, 64, 80, 84, 96, 100, 104, 120, 128, 140, 144, 148, 152})
        for (float v : zle) {
            Bajty b = wzorcowy();
            wstaw(b, offset, bity(v));
            odrzuc(b, "offset " + std::to_string(offset) + " = " + std::to_string(v));
        }
}

TEST_F(PlikV2D, FailedSaveLeavesThePreviousFileAndNoLeftovers) {
    const Bajty stary = wzorcowy();
    pratt(poprzedni, 40);  // several kilobytes
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    auto ogranicz_rozmiar = [&] {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit l = limit;
        l.rlim_cur = 1000;
        setrlimit(RLIMIT_FSIZE, &l);
    };
    auto zdejmij_limit = [&] { setrlimit(RLIMIT_FSIZE, &limit); };
    auto prawa = [this](const char* p, fs::perms pr) { fs::permissions(folder + "/" + p, pr); };
    const fs::perms odczyt = fs::perms::owner_read | fs::perms::owner_exec;
    const struct Przypadek {
        const char* opis;
        std::string cel;
        std::function<void()> przed, po;
        bool wedlug_uprawnien = false;  // needs permission bits that bind
        const char* w_powodzie = "";
    } przypadki[] = {
        {"target is a folder", sciezka("folder.V2D"), [] {}, [] {}},
        {"the disk fills up", sciezka("pelny.V2D"), ogranicz_rozmiar, zdejmij_limit},
        {"folder and file not writable", sciezka("ro/a.V2D"),
         [&] { prawa("ro/a.V2D", fs::perms::owner_read), prawa("ro", odczyt); }, [] {}, true},
        // The folder takes no new file, so the file is written in place and must be put back.
        {"the disk fills up while writing in place", sciezka("ro2/a.V2D"),
         [&] { prawa("ro2", odczyt), ogranicz_rozmiar(); }, zdejmij_limit, true,
         "przywrócono poprzednią zawartość pliku"},
    };
    fs::create_directory(folder + "/ro");
    fs::create_directory(folder + "/ro2");
    fs::create_directory(sciezka("folder.V2D"));
    auto lista = [&] {
        std::set<std::string> l;
        for (const auto& w : fs::recursive_directory_iterator(folder)) l.insert(w.path());
        return l;
    };
    std::string pominiete;
    for (const auto& p : przypadki) {
        if (!fs::is_directory(p.cel)) pisz(p.cel, stary);
        const auto przed = lista();
        std::string powod;
        bool zapisano;
        {
            UprawnieniaWiaza wiaza;
            if (p.wedlug_uprawnien && !wiaza.dziala()) {
                pominiete += std::string(" ") + p.opis + ";";
                continue;
            }
            p.przed();
            zapisano = zapisz_v2d(p.cel, poprzedni, powod);
            p.po();
        }
        EXPECT_FALSE(zapisano) << p.opis;
        EXPECT_FALSE(powod.empty()) << p.opis;
        EXPECT_NE(powod.find(p.w_powodzie), std::string::npos) << p.opis << ": " << powod;
        if (!fs::is_directory(p.cel)) {
            EXPECT_EQ(czytaj(p.cel), stary) << p.opis;
        }
        EXPECT_EQ(lista(), przed) << p.opis;
    }
    if (!pominiete.empty())
        GTEST_SKIP() << "root may not drop its overrides, skipped:" << pominiete;
}

TEST_F(PlikV2D, ATargetThatCannotTakeATemporaryBesideItIsStillSaved) {
    UprawnieniaWiaza wiaza;
    if (!wiaza.dziala()) GTEST_SKIP() << "root may not drop its overrides of permission bits";
    pratt(poprzedni, 6);
    std::string powod;
    ASSERT_TRUE(zapisz_v2d(sciezka("wzor.V2D"), poprzedni, powod)) << powod;
    const Bajty nowy = czytaj(sciezka("wzor.V2D"));
    fs::create_directory(folder + "/ro");
    const std::string w_ro = folder + "/ro/stary.V2D";
    pisz(w_ro, Bajty(5000, 7));  // longer than the new content, which must not keep its tail
    ::chmod(w_ro.c_str(), 0640);
    fs::create_symlink(w_ro, sciezka("link.V2D"));
    fs::permissions(folder + "/ro", fs::perms::owner_read | fs::perms::owner_exec);
    // The longest names leave no room for a temporary named after them.
    const std::string dluga = sciezka(std::string(250, 'n'));
    for (const std::string& cel : {dluga, w_ro, sciezka("link.V2D")}) {
        EXPECT_TRUE(zapisz_v2d(cel, poprzedni, powod)) << cel << ": " << powod;
        EXPECT_EQ(czytaj(cel), nowy) << cel;
    }
    EXPECT_EQ(fs::status(w_ro).permissions(), static_cast<fs::perms>(0640));
    EXPECT_TRUE(fs::is_symlink(sciezka("link.V2D")));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), {}), 4) << "no leftovers";
    EXPECT_EQ(std::distance(fs::directory_iterator(folder + "/ro"), {}), 1) << "no leftovers";
}

TEST_F(PlikV2D, SaveKeepsTheReplacedFilesModeAndFollowsALink) {
    std::string powod;
    ::umask(022);
    ASSERT_TRUE(zapisz_v2d(sciezka("nowy.V2D"), poprzedni, powod)) << powod;
    EXPECT_EQ(fs::status(sciezka("nowy.V2D")).permissions(), static_cast<fs::perms>(0644));

    pisz(sciezka("stary.V2D"), wzorcowy());
    ::chmod(sciezka("stary.V2D").c_str(), 0640);
    fs::create_symlink("stary.V2D", sciezka("link.V2D"));
    ASSERT_TRUE(zapisz_v2d(sciezka("link.V2D"), poprzedni, powod)) << powod;
    EXPECT_TRUE(fs::is_symlink(sciezka("link.V2D")));
    EXPECT_EQ(fs::status(sciezka("stary.V2D")).permissions(), static_cast<fs::perms>(0640));
    EXPECT_EQ(czytaj(sciezka("stary.V2D")), czytaj(sciezka("nowy.V2D")));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), {}), 3);
}

}  // namespace
