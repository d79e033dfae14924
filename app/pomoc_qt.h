// SPDX-License-Identifier: GPL-3.0-or-later
// The user guide that comes with the program, shown in a window of its own.
#pragma once

class QWidget;
class QTextBrowser;

// Shows the guide in one window that belongs to `wlasciciel` and closes with it; a second call
// brings the same window to the front. Returns the window.
QTextBrowser* pokaz_podrecznik(QWidget* wlasciciel);
