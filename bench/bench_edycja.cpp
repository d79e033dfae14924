// SPDX-License-Identifier: GPL-3.0-or-later
// Editing commands on a truss of about 10^5 bars: each add, change and delete must stay linear
// in the model.
#include <benchmark/benchmark.h>

#include <cstring>
#include <functional>

#include "okno/okno.h"
#include "tests/wspolne/cichy_port.h"
#include "tests/wspolne/kratownice.h"

namespace {

// A port that draws nothing and answers each dialog through `odpowiedz`.
class PortOdpowiadajacy : public CichyPort {
  public:
    std::function<void(int szablon, void* rekord)> odpowiedz = [](int, void*) {};
    int Dialog(int szablon, void* rekord, int) override {
        odpowiedz(szablon, rekord);
        return 1;
    }
};

constexpr int przesla = 25000;

// The prompt gets `numer`; the entity's dialog gets `pola` (offset in its record, text).
void odpowiadaj(PortOdpowiadajacy& p, int numer, std::function<void(int, void*)> dialog) {
    p.odpowiedz = [numer, dialog](int szablon, void* r) {
        if (szablon == 3100)
            wpisz(static_cast<d_nr*>(r)->i, "%d", numer);
        else
            dialog(szablon, r);
    };
}

// The Pratt truss with a temperature change on every tenth bar.
void model(Model& m) {
    pratt(m, przesla);
    m.ntel = m.ne / 10;
    m.nset = iwektor(1, m.ntel), m.temp = wektor(1, m.ntel);
    for (int i = 1; i <= m.ntel; ++i) m.nset[i] = 10 * i, m.temp[i] = 5.0f;
}

// The same truss behind a free node 1 that has a support and a force: removing that node
// renumbers every bar end, support and force.
void model_z_wolnym_wezlem(Model& m) {
    Model t;
    model(t);
    przygotuj(m, t.ne, t.nn + 1, t.nd + 1, t.nl + 1, t.nm, t.na, t.ntel);
    m.x[1][1] = 1.0f, m.x[1][2] = 1.0f;
    for (int i = 1; i <= t.nn; ++i) m.x[i + 1][1] = t.x[i][1], m.x[i + 1][2] = t.x[i][2];
    for (int i = 1; i <= t.ne; ++i) {
        m.noc[i][1] = t.noc[i][1] + 1, m.noc[i][2] = t.noc[i][2] + 1;
        m.noc[i][3] = t.noc[i][3], m.noc[i][4] = t.noc[i][4];
    }
    m.nu[1] = 1, m.u[1] = 0.0f;
    for (int i = 1; i <= t.nd; ++i) m.nu[i + 1] = t.nu[i] + 2, m.u[i + 1] = t.u[i];
    m.ild[1] = 2, m.al[1] = 1.0f;
    for (int i = 1; i <= t.nl; ++i) m.ild[i + 1] = t.ild[i] + 2, m.al[i + 1] = t.al[i];
    m.pm[1][1] = t.pm[1][1], m.pm[1][2] = t.pm[1][2], m.area[1] = t.area[1];
    for (int i = 1; i <= t.ntel; ++i) m.nset[i] = t.nset[i], m.temp[i] = t.temp[i];
}

void BM_DodajWezel(benchmark::State& s) {
    PortOdpowiadajacy p;
    _OKNO_ o(p);
    model(o.model);
    p.odpowiedz = [](int, void* r) { wpisz(static_cast<d_wsp*>(r)->x, "1.5"); };
    for (auto _ : s) o.Cm_d_wez();
    s.counters["nn"] = o.model.nn;
}

void BM_DodajPret(benchmark::State& s) {
    PortOdpowiadajacy p;
    _OKNO_ o(p);
    model(o.model);
    p.odpowiedz = [](int, void* r) {
        auto* d = static_cast<d_dane_przek*>(r);
        wpisz(d->w1, "1"), wpisz(d->w2, "4");
    };
    for (auto _ : s) o.Cm_d_pret();
    s.counters["ne"] = o.model.ne;
}

void BM_ZmienPret(benchmark::State& s) {
    PortOdpowiadajacy p;
    _OKNO_ o(p);
    model(o.model);
    odpowiadaj(p, o.model.ne / 2,
               [](int, void* r) { wpisz(static_cast<d_dane_przek*>(r)->w2, "7"); });
    for (auto _ : s) o.Cm_z_pret();
}

void BM_ZmienPodpore(benchmark::State& s) {
    PortOdpowiadajacy p;
    _OKNO_ o(p);
    model(o.model);
    odpowiadaj(p, 1, [](int, void* r) { static_cast<d_wymusz*>(r)->chx = 1; });
    for (auto _ : s) o.Cm_z_podp();
}

void BM_UsunPret(benchmark::State& s) {
    PortOdpowiadajacy p;
    _OKNO_ o(p);
    model(o.model);
    odpowiadaj(p, 1, [](int, void*) {});
    for (auto _ : s) o.Cm_u_pret();
    s.counters["ne"] = o.model.ne;
}

void BM_UsunWezel(benchmark::State& s) {
    PortOdpowiadajacy p;
    _OKNO_ o(p);
    odpowiadaj(p, 1, [](int, void*) {});
    for (auto _ : s) {
        s.PauseTiming();
        model_z_wolnym_wezlem(o.model);
        s.ResumeTiming();
        o.Cm_u_wez();
    }
    s.counters["nn"] = o.model.nn;
}

// Deleting a bar through the command table, then undoing and redoing it: each a state of the
// whole truss with its results (10^5 bars, analysed) taken from the history.
void BM_UsunPretZHistoria(benchmark::State& s) {
    PortOdpowiadajacy p;
    _OKNO_ o(p);
    model(o.model);
    o.Find(1010);
    odpowiadaj(p, 1, [](int, void*) {});
    for (auto _ : s) o.Find(51692);
    s.counters["ne"] = o.model.ne;
}
void BM_Cofnij(benchmark::State& s) {
    PortOdpowiadajacy p;
    _OKNO_ o(p);
    model(o.model);
    o.Find(1010);
    odpowiadaj(p, 1, [](int, void*) {});
    o.Find(51692);
    for (auto _ : s) {
        o.Find(52011);
        s.PauseTiming();
        o.Find(52012);
        s.ResumeTiming();
    }
    s.counters["ne"] = o.model.ne;
}

}  // namespace

BENCHMARK(BM_UsunPretZHistoria)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Cofnij)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DodajWezel)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DodajPret)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ZmienPret)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ZmienPodpore)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UsunPret)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UsunWezel)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
