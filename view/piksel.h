// SPDX-License-Identifier: GPL-3.0-or-later
// Screen positions are worked out in floats and truncated toward zero when drawn.
#pragma once

// Truncation toward zero, held within a range the drawing layer copes with, so that a position
// from degenerate data (infinite or NaN scales) draws off-screen or at 0 instead of overflowing.
inline int piksel(float v) {
    constexpr float granica = 1.0e8f;
    if (v >= granica) return 100000000;
    if (v <= -granica) return -100000000;
    if (v == v) return static_cast<int>(v);
    return 0;
}
