// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/pamiec_analizy.h"

#include <algorithm>

PamiecAnalizy::PamiecAnalizy() = default;
PamiecAnalizy::~PamiecAnalizy() = default;

bool PamiecAnalizy::dla(const Konstrukcja& k) {
    const bool konce_zgodne =
        k.ne == ne_ && k.nn == nn_ &&
        [&] {
            for (int e = 1; e <= k.ne; ++e)
                if (konce_[2 * e - 2] != k.noc[e][1] || konce_[2 * e - 1] != k.noc[e][2])
                    return false;
            return true;
        }() &&
        static_cast<int>(nu_.size()) == std::max(k.nd, 0) &&
        (k.nd <= 0 || std::equal(nu_.begin(), nu_.end(), k.nu.data()));
    if (konce_zgodne) return true;
    zapomnij();
    ne_ = k.ne, nn_ = k.nn;
    konce_.resize(2 * static_cast<std::size_t>(std::max(k.ne, 0)));
    for (int e = 1; e <= k.ne; ++e)
        konce_[2 * e - 2] = k.noc[e][1], konce_[2 * e - 1] = k.noc[e][2];
    nu_.assign(k.nd > 0 ? k.nu.data() : nullptr, k.nd > 0 ? k.nu.data() + k.nd : nullptr);
    return false;
}

void PamiecAnalizy::zapomnij() {
    ma_wybor = false;
    nowy.clear(), stary.clear();
    ma_wzor = false;
    wzor = RzadkaMacierz{};
    symboliczny.reset();
    ne_ = nn_ = -1;
    konce_.clear(), nu_.clear();
}
