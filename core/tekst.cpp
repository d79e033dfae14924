// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/tekst.h"

#include <cstdarg>
#include <cstdio>

std::string sformatuj(const char* f, ...) {
    char t[256];
    va_list a;
    va_start(a, f);
    std::vsnprintf(t, sizeof t, f, a);
    va_end(a);
    return t;
}
