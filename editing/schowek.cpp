// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/schowek.h"

namespace {

std::string bez_odstepow(const std::string& t) {
    const std::size_t p = t.find_first_not_of(" \t");
    if (p == std::string::npos) return {};
    return t.substr(p, t.find_last_not_of(" \t") - p + 1);
}

// Whether the cell holds a number, so that its decimal point is the spreadsheet's to choose.
bool liczba(const std::string& t) {
    if (t.empty()) return false;
    for (char c : t)
        if (!((c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+' || c == 'e' || c == 'E'))
            return false;
    return true;
}

}  // namespace

BlokKomorek podziel_schowek(std::string_view t) {
    const char sep = t.find('\t') != std::string_view::npos ? '\t' : ';';
    BlokKomorek b;
    std::vector<std::string> wiersz;
    std::string komorka;
    bool w_cudzyslowie = false, cytowana = false;
    auto koniec_komorki = [&] {
        wiersz.push_back(cytowana ? komorka : bez_odstepow(komorka));
        komorka.clear();
        cytowana = false;
    };
    auto koniec_wiersza = [&] {
        koniec_komorki();
        b.push_back(std::move(wiersz));
        wiersz.clear();
    };
    for (std::size_t i = 0; i < t.size(); ++i) {
        const char c = t[i];
        if (w_cudzyslowie) {
            if (c != '"')
                komorka += c;
            else if (i + 1 < t.size() && t[i + 1] == '"')
                komorka += t[++i];
            else
                w_cudzyslowie = false;
        } else if (c == '"' && bez_odstepow(komorka).empty()) {
            komorka.clear();
            w_cudzyslowie = cytowana = true;
        } else if (c == sep) {
            koniec_komorki();
        } else if (c == '\n' || c == '\r') {
            if (c == '\r' && i + 1 < t.size() && t[i + 1] == '\n') ++i;
            koniec_wiersza();
        } else {
            komorka += c;
        }
    }
    // Text after the last line end is a row; the line end itself ends the block.
    if (!komorka.empty() || !wiersz.empty() || cytowana) koniec_wiersza();
    return b;
}

std::string tekst_bloku(const BlokKomorek& b, char przecinek) {
    std::string t;
    for (const auto& w : b) {
        for (std::size_t i = 0; i < w.size(); ++i) {
            if (i > 0) t += '\t';
            std::string k = w[i];
            if (przecinek != '.' && liczba(k))
                for (char& c : k)
                    if (c == '.') c = przecinek;
            t += k;
        }
        t += '\n';
    }
    return t;
}
