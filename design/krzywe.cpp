// SPDX-License-Identifier: GPL-3.0-or-later
#include "design/krzywe.h"

namespace wymiarowanie {

const char* nazwa(Krzywa k) {
    switch (k) {
        case Krzywa::a0:
            return "a0";
        case Krzywa::a:
            return "a";
        case Krzywa::b:
            return "b";
        case Krzywa::c:
            return "c";
        case Krzywa::d:
            return "d";
    }
    return "";
}

const char* nazwa(Os o) {
    switch (o) {
        case Os::y:
            return "y-y";
        case Os::z:
            return "z-z";
        case Os::v:
            return "v-v";
    }
    return "";
}

double alfa(Krzywa k) {
    // Table 6.1
    switch (k) {
        case Krzywa::a0:
            return 0.13;
        case Krzywa::a:
            return 0.21;
        case Krzywa::b:
            return 0.34;
        case Krzywa::c:
            return 0.49;
        case Krzywa::d:
            return 0.76;
    }
    return 0;
}

KrzywaWyboczenia krzywa_wyboczenia(const Profil& p, Os os, Gatunek g) {
    const bool s460 = g == Gatunek::S460;
    KrzywaWyboczenia r;
    auto ustaw = [&](Krzywa k, const char* u) {
        r.krzywa = k;
        r.alfa = alfa(k);
        r.uzasadnienie = u;
    };
    const Wymiary& w = p.w;
    switch (p.ksztalt) {
        case Ksztalt::dwuteownik: {
            const bool y = os == Os::y;
            if (w.t_f > 100) {
                ustaw(Krzywa::d, "dwuteownik walcowany, t_f > 100 mm");
            } else if (w.h / w.b > 1.2 && w.t_f <= 40) {
                if (s460)
                    ustaw(Krzywa::a0, "dwuteownik walcowany, h/b > 1,2, t_f ≤ 40 mm, S460");
                else
                    ustaw(y ? Krzywa::a : Krzywa::b,
                          "dwuteownik walcowany, h/b > 1,2, t_f ≤ 40 mm");
            } else {
                const char* u = w.h / w.b > 1.2
                                    ? "dwuteownik walcowany, h/b > 1,2, 40 < t_f ≤ 100 mm"
                                    : "dwuteownik walcowany, h/b ≤ 1,2, t_f ≤ 100 mm";
                if (s460)
                    ustaw(Krzywa::a, u);
                else
                    ustaw(y ? Krzywa::b : Krzywa::c, u);
            }
            break;
        }
        case Ksztalt::rura_okragla:
        case Ksztalt::rura_prostokatna:
            if (p.wyrob == Wyrob::rura_na_zimno)
                ustaw(Krzywa::c, "kształtownik rurowy formowany na zimno");
            else if (s460)
                ustaw(Krzywa::a0, "kształtownik rurowy wykończony na gorąco, S460");
            else
                ustaw(Krzywa::a, "kształtownik rurowy wykończony na gorąco");
            break;
        case Ksztalt::ceownik:
            ustaw(Krzywa::c, "ceownik (przekrój U)");
            break;
        case Ksztalt::katownik:
        case Ksztalt::dwa_katowniki:
            ustaw(Krzywa::b, "kątownik (przekrój L)");
            break;
    }
    return r;
}

}  // namespace wymiarowanie
