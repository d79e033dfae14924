// SPDX-License-Identifier: GPL-3.0-or-later
// Messages and descriptions built with printf's formats, which the rest of the program uses too.
#pragma once

#include <string>

// The text printf would write for f and its arguments, cut at 255 bytes.
std::string sformatuj(const char* f, ...) __attribute__((format(printf, 1, 2)));
