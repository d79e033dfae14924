// SPDX-License-Identifier: GPL-3.0-or-later
// The main window _OKNO_: it owns the model store, the transfer records, the view state and the
// table-window references, and every command handler (Cm_) and enabler (Ce_) is its method.
// Each method is defined in the folder of the subsystem that owns it.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/historia.h"
#include "core/model.h"
#include "core/projekt.h"
#include "editing/rekordy.h"
#include "files/eksport.h"
#include "files/jednostki.h"
#include "okno/platforma.h"
#include "view/odwzorowanie.h"
#include "view/powierzchnia.h"
#include "view/wybor.h"
#include "view/zaznaczenie.h"

class ArkuszDanych;

class PamiecAnalizy;
struct WynikObliczen;

// The command enabler of one menu item: an enabler enables or greys it and may tick it.
struct TCommandEnabler {
    bool wlaczone = true;
    int zaznaczenie = -1;  // -1 untouched, 0 no check mark, 1 check mark
    std::string tekst;     // a label in place of the template's, when not empty
    void Enable(bool b) { wlaczone = b; }
    void SetCheck(bool b) { zaznaczenie = b ? 1 : 0; }
    void SetText(const std::string& t) { tekst = t; }
};

// Commands of the mouse and the view's framing.
inline constexpr int CM_RYSUJ = 52201;        // Dodaj, "&Rysuj"
inline constexpr int CM_PROPORCJE = 52211;    // Widok, "Zachowaj pr&oporcje"
inline constexpr int CM_DOPASUJ = 52212;      // Widok, "&Dopasuj widok"
inline constexpr int CM_KROK_SIATKI = 52213;  // Widok, "Krok &siatki..."
inline constexpr int CM_SZABLON = 52301;      // Plik, "&Szablon kratownicy..."
// Pictures of the main view and print.
inline constexpr int CM_OBRAZ_PNG = 52601;  // Plik, Eksport, "Obraz &PNG..."
inline constexpr int CM_OBRAZ_SVG = 52602;  // Plik, Eksport, "Obraz &SVG..."
inline constexpr int CM_OBRAZ_PDF = 52603;  // Plik, Eksport, "Obraz P&DF..."
inline constexpr int CM_DRUKUJ = 52604;     // Plik, "&Drukuj..."
// Axial forces, units and the export of results.
inline constexpr int CM_N_SIL = 52214;           // Widok, "S&iły osiowe"
inline constexpr int CM_JEDNOSTKI = 52215;       // Widok, "&Jednostki..."
inline constexpr int CM_EKSPORT_CSV = 52321;     // Plik, Eksport, "&CSV..."
inline constexpr int CM_EKSPORT_ARKUSZ = 52322;  // Plik, Eksport, "CSV dla &arkusza..."
// Reactions, the forces' values and the deformed shape's scale in the view.
inline constexpr int CM_REAKCJE = 52216;       // Widok, "&Reakcje"
inline constexpr int CM_WARTOSCI_SIL = 52217;  // Widok, "&Wartości obciążeń"
inline constexpr int CM_SKALA_PRZEM = 52218;   // Widok, "S&kala przemieszczeń..."
// Load cases, combinations and which results are shown.
inline constexpr int CM_PRZ_NOWY = 52401;         // Przypadki, "&Nowy przypadek..."
inline constexpr int CM_PRZ_WLASCIWOSCI = 52402;  // "&Właściwości przypadku..."
inline constexpr int CM_PRZ_KOPIUJ = 52403;       // "&Kopiuj przypadek"
inline constexpr int CM_PRZ_USUN = 52404;         // "&Usuń przypadek"
inline constexpr int CM_PRZ_BIEZACY = 52405;      // "&Bieżący przypadek..."
inline constexpr int CM_PRZ_NASTEPNY = 52406;     // "Na&stępny przypadek"
inline constexpr int CM_PRZ_POPRZEDNI = 52407;    // "Po&przedni przypadek"
inline constexpr int CM_CIEZAR_MAT = 52408;       // "&Ciężar objętościowy materiału..."
inline constexpr int CM_KOMBINACJE = 52410;       // "Ko&mbinacje..."
inline constexpr int CM_KOMB_WLASNA = 52411;      // "Kombinacja wł&asna..."
inline constexpr int CM_KOMB_USUN = 52412;        // "Usuń kombinac&ję własną..."
inline constexpr int CM_KOMB_LISTA = 52413;       // "&Lista kombinacji"
inline constexpr int CM_POKAZ_WYNIKI = 52414;     // "P&okaż wyniki..."
// Member design to PN-EN 1993-1-1 (editing/wymiarowanie.cpp).
inline constexpr int CM_WYM_PRZEKROJ = 52501;    // Wymiarowanie, "&Przekrój stalowy..."
inline constexpr int CM_WYM_PRETY = 52502;       // "Długości wy&boczeniowe..."
inline constexpr int CM_WYM_USTAWIENIA = 52503;  // "Współczynniki i &ugięcie..."
inline constexpr int CM_WYM_SPRAWDZ = 52504;     // "&Sprawdź pręty"
inline constexpr int CM_WYM_DOBIERZ = 52505;     // "&Dobierz przekroje..."
inline constexpr int CM_WYTEZENIE = 52506;       // Widok, "W&ytężenie"
// The data sheet, the selection in the view and what is done to it.
inline constexpr int CM_ARKUSZ = 52701;            // Widok, "&Arkusz danych"
inline constexpr int CM_ZMIEN_WSKAZANY = 52702;    // Edycja, "&Zmień element pod kursorem" (F2)
inline constexpr int CM_ZAZNACZ_WSZYSTKO = 52703;  // Edycja, "Zaznacz &wszystko"
inline constexpr int CM_USUN_ZAZNACZONE = 52704;   // Edycja, "&Usuń zaznaczone" (Delete)
inline constexpr int CM_PRZESUN = 52705;           // Edycja, "Prze&suń zaznaczone..."
inline constexpr int CM_KOPIUJ_PRZESUN = 52706;    // Edycja, "&Kopiuj z przesunięciem..."
inline constexpr int CM_MATERIAL_PRETOW = 52707;   // Edycja, "&Materiał i przekrój prętów..."
inline constexpr int CM_PODPORY_WEZLOW = 52708;    // Edycja, "Po&dpory w zaznaczonych węzłach..."
inline constexpr int CM_SILY_WEZLOW = 52709;       // Edycja, "S&iły w zaznaczonych węzłach..."
// Live results and the bundled examples.
inline constexpr int CM_NA_BIEZACO = 52801;  // Obliczenia, "Obliczaj na &bieżąco"
inline constexpr int CM_PRZYKLADY = 52802;   // Plik, "P&rzykłady..."
// The calculation report and the project's properties.
inline constexpr int CM_RAPORT = 52901;                // Plik, "&Raport..."
inline constexpr int CM_WLASCIWOSCI_PROJEKTU = 52902;  // Plik, "&Właściwości projektu..."
// Keys the main view answers.
inline constexpr int VK_ESCAPE = 0x1B;
inline constexpr int VK_R = 0x52;

// The cursor-coordinate readout window; its label shows the text xx.
struct _WSP_ {
    std::string xx = "x=0,       y=0";
};

struct WynikWymiarowania;
class TabelaTekstowa;
struct SekcjaTabeli;

class _OKNO_ {
  public:
    explicit _OKNO_(Platforma& port);
    ~_OKNO_();
    _OKNO_(const _OKNO_&) = delete;
    _OKNO_& operator=(const _OKNO_&) = delete;

    UchwytOkna dd = 0;  // the latest input-data window, valid while model.id is 1
    UchwytOkna oo = 0;  // the latest results window, valid while model.iw is 1
    UchwytOkna kk = 0;  // the list of combinations, 0 while none is open
    UchwytOkna ww = 0;  // the table of the bars' checks, 0 while none is open
    std::unique_ptr<_WSP_> wsp;
    Kolor knapr[201];             // stress palette
    std::string pokazany_tytul_;  // the caption last given to the frame
    float maxx = 0.0f;            // client height at the last paint
    std::unique_ptr<UstawieniaPliku> _plik_;
    d_dane_pods dane{};
    d_dane_przek danep{};
    d_mat danemat{};
    d_nr danenr{};
    d_sily danes{};
    d_wymusz danewy{};
    d_wsp danew{};
    d_przekr daneprzekr{};
    d_temp danetemp{};
    d_szablon daneszablon{};  // the entries of the last truss built from a template

    Model model;
    // What the store cannot hold: the other load cases, combinations, densities, title.
    Projekt projekt;
    // Which results are shown: a view choice kept in the project's file, not a step of its history.
    PokazWynikow pokaz;
    Platforma& port;

    // Undo and the unsaved-changes mark: every state of the model has a version; the one last
    // saved or opened is remembered, and the model has changes while the two differ.
    Historia historia;
    std::uint64_t wersja = 1, wersja_zapisana = 1, ostatnia_wersja = 1;
    std::string plik_projektu;  // the project's file, empty while it has none
    bool ma_zmiany() const { return model.Pusty == 0 && wersja != wersja_zapisana; }
    // The model with its results, flags and project, as undo gives it back.
    StanModelu stan() const;
    void przywroc(StanModelu s);
    // A new document (New, Open, Close): no history; `zapisany`: the model is its file as it is.
    void nowy_dokument(bool zapisany);
    // A project with one load case and nothing else beside the store, for a model made anew.
    void nowy_projekt();
    // The frame's caption: the project's, with an asterisk while it has unsaved changes; set
    // again only when it reads otherwise.
    void odswiez_tytul();
    // Asks, with unsaved changes, whether to save them first: true when the model may be given
    // up (saved, or not wanted), false when the user chose to stay ("Anuluj", or a save that did
    // not happen).
    bool pozwol_porzucic();
    // The main view's framing, what lies under the cursor and the drawing mode (view/).
    StanWidoku widok;
    SiatkaWyboru siatka;
    Wskazanie wskazanie;
    bool kursor_w_widoku = false;
    int kursor_x = 0, kursor_y = 0;
    std::string status;
    bool rysowanie = false;
    int pierwszy_wezel = 0;    // drawing: the node a bar starts from, 0 none
    float krok_siatki = 0.0f;  // drawing snaps to multiples of it; 0 not at all
    int ostatni_material = 1, ostatni_przekroj = 1;  // of the last bar "Dodaj → Pręt" added
    // Axial forces as the bars' labels; one of the four kinds of bar label, like p_n_ele.
    int p_n_sil = 0;
    // Reactions as arrows at the supports, and each force's value by its arrow; 1 on.
    int p_reakcje = 0, p_wartosci_sil = 0;
    // The deformed shape's factor on the displacements; 0: chosen by the view. Kept between runs.
    float skala_przem = 0.0f;
    // The units values are labelled with; kept between runs.
    UkladJednostek jednostki = UkladJednostek::brak;
    // Names the units from now on: the dialogs, tables and view, and the settings, follow.
    void ustaw_jednostki(UkladJednostek u);
    // Nodes and bars selected in the view or the data sheet, and the left button's drag.
    Zaznaczenie zaznaczenie;
    Przeciaganie przeciaganie;
    // The selection changed: the highlight is drawn again and the data sheet follows.
    void zmiana_zaznaczenia();
    // The nodes that moving or copying the selection takes: those selected and the ends of the
    // bars selected, ascending.
    std::vector<int> wezly_do_przesuniecia() const;
    // Moves the nodes of the drag to their places at its start shifted by (dx, dy). The one place
    // where a drag changes the model, on every mouse move; the drag's undo step is made when
    // the button is released.
    void przesun_przeciagane_wezly(float dx, float dy);
    // The force the last "Siły w zaznaczonych węzłach" added, offered again.
    float ostatnia_sila = 0.0f;
    int ostatni_kierunek_sily = 1;  // 1 X, 2 Y
    // The data sheet's logic, made when the sheet is first opened.
    std::unique_ptr<ArkuszDanych> arkusz;
    // The save dialog of the CSV export.
    UstawieniaPliku _csv_{"Pliki CSV (*.csv)|*.csv|", "csv", "", false, ""};

    // Live results (okno/na_biezaco.cpp): after every change of the model the analysis of every
    // load case runs again. `na_biezaco`: 1 the user wants it, 0 not; -1 the program's default,
    // on for models of up to limit_na_biezaco bars. A window made without the settings has it off.
    int na_biezaco = 0;
    static const int limit_na_biezaco;
    // From this many bars the analysis runs off the interface thread.
    static const int prog_w_tle_domyslny;
    int prog_w_tle = prog_w_tle_domyslny;
    bool obliczaj_na_biezaco() const;
    // Any change of the model calls it: after every command that changed it, and on every move of
    // a node being dragged. Results of the state before are no longer current; with live results
    // the analysis starts again.
    void po_zmianie_modelu();
    // After a command that changed the model (the dispatch calls it): results the command kept
    // valid stay, others are made anew as po_zmianie_modelu makes them.
    void po_poleceniu();
    // Drops what runs off the interface thread: its results will not be shown.
    void porzuc_obliczenia();
    // The analysis off the interface thread: the generation of the model's state it belongs to
    // (bumped by every change; a result of an older one is dropped) and its cancel flag.
    std::uint64_t pokolenie = 0;
    std::shared_ptr<std::atomic<bool>> przerwij_obliczenia;
    // What an analysis leaves for the next of the same bars and supports.
    std::shared_ptr<PamiecAnalizy> pamiec_analizy;
    // "Obliczanie…", or why the model has no results; the status bar shows it where the cursor
    // points at nothing.
    std::string stan_obliczen;
    void ustaw_stan_obliczen(const std::string& s);
    // Results of the analysis of the store (or of `kopia`, a copy of it taken before) made the
    // shown ones; a failure goes to the status bar.
    void przyjmij_wyniki(const WynikObliczen& w, Model* kopia);
    // The results window while the model has no current results: it would show another state's.
    void zamknij_tabele_wynikow();
    void Cm_na_biezaco();
    void Ce_na_biezaco(TCommandEnabler& ce);
    // Plik, "Przykłady...": a bundled example opened as a copy without a file of its own. The
    // examples' folder, while one is open: nothing is ever saved into it.
    void Cm_przyklady();
    std::string katalog_przykladow;
    bool w_folderze_przykladow(const std::string& sciezka) const;
    // Alive as long as the window: a result delivered later finds it gone.
    std::shared_ptr<int> zywe_ = std::make_shared<int>(0);

    // Platform events.
    bool CanClose();
    void Paint(Powierzchnia& dc, int szerokosc, int wysokosc);
    void EvMouseMove(int x, int y);
    void EvSize(int szerokosc, int wysokosc);
    // Dispatches a menu command through the command table; false when no entry has the id. A
    // command that changes the model becomes one step of the undo history.
    bool Find(int id);
    // One undoable step made outside the command table (the mouse edits): runs `zmiana`, and when
    // it changed the model, records the state before it under `nazwa` ("usunięcie pręta 4").
    void wykonaj_krok(const std::string& nazwa, const std::function<void()>& zmiana);
    // The same with the name read after the change, when `nazwij` is given.
    void wykonaj_krok(const std::string& nazwa, const std::function<void()>& zmiana,
                      std::string (*nazwij)(const _OKNO_&));
    // The two halves of wykonaj_krok, for a step that spans several events (a drag): the state
    // before it, and the step recorded when the model changed since. True when it did.
    StanModelu poczatek_kroku();
    bool koniec_kroku(const std::string& nazwa, StanModelu przed,
                      std::string (*nazwij)(const _OKNO_&) = nullptr);
    // Runs the enabler of a menu item; an item without one stays enabled.
    void Enable(int id, TCommandEnabler& ce);

    // The mapping the main view draws with; the readout, picking and drawing use the same.
    Odwzorowanie odwzorowanie() const;
    // The node or bar under a client point of the main view.
    Wskazanie wybierz(int x, int y);
    // Picks again at the cursor (the model or the view may have changed) and tells the frame.
    void odswiez_wskazanie();
    // Draws the highlight of what lies under the cursor over the view's picture, and the
    // selection with the rubber band beneath it.
    void RysujWskazanie(Powierzchnia& dc);
    void RysujZaznaczenie(Powierzchnia& dc);
    // The left button's drag over the view, and its end without a change (Escape).
    void przeciagnij_do(int x, int y);
    void anuluj_przeciaganie();
    // The mouse and the keys over the main view; the wheel turns by 120 a notch.
    void EvMouseLeave();
    void EvMouseWheel(int x, int y, int obrot);
    void przesun_widok(int dx, int dy);
    void EvLButtonDown(int x, int y, bool shift = false);
    void EvLButtonUp(int x, int y);
    void EvLButtonDblClk(int x, int y);
    void EvRButtonDown(int x, int y);
    bool EvKeyDown(int klawisz);
    // The view as fitted anew, for another project.
    void nowy_widok();
    // Reads the settings kept between runs of the program.
    void wczytaj_ustawienia();
    // The units kept between runs, told to the port as well.
    void wczytaj_jednostki();
    // Writes the model, with its results when they are valid, as CSV to a file the user chooses.
    void eksportuj_csv(DialektCsv d);
    // The save dialog until the name chosen is a new file or one the user lets replace; false
    // when it was cancelled.
    bool nazwa_do_zapisu(UstawieniaPliku& s, std::string& nazwa);

    // Discards the open model and closes the table windows it had.
    void Zwol_pam();
    // Runs the analysis of every load case and reports its failures.
    void obliczenia();
    // The store's results made to show `pokaz` (after an analysis, or another choice of what is
    // shown, or another current case); the open tables repaint.
    void pokaz_wyniki();
    // The results no longer hold for the project as it is: tables closed, results invalid.
    void uniewaznij_wyniki();
    // What the view shows (the results, or before them the current case), in one line; empty
    // where that needs no saying.
    std::string tytul_wynikow() const;
    // The results window of the envelope.
    std::unique_ptr<OknoTabeli> tabela_obwiedni();
    void Pasek_kol();

    // The cached design and what it was worked out for.
    struct PamiecWymiarowania {
        std::uint64_t wersja = 0, obliczenia = 0;
        UkladJednostek jednostki = UkladJednostek::brak;
        std::shared_ptr<const WynikWymiarowania> wynik;
    };
    mutable PamiecWymiarowania wymiar_;

    // Sets the frame caption.
    void ustaw_caption(const std::string& c) {
        model.caption = c;
        pokazany_tytul_ = ma_zmiany() ? c + " *" : c;
        port.UstawTytul(pokazany_tytul_);
    }
    // Closes the table windows the flags say are open, as edits do before they change the model.
    // With live results an edit leaves the data and results windows open to follow the model
    // (po_zmianie_modelu); `zawsze`: the model itself goes. The list of combinations is made once.
    void zamknij_tabele(bool zawsze = false) {
        if (kk != 0) port.ZniszczOknoTabeli(kk);
        kk = 0;
        if (ww != 0) port.ZniszczOknoTabeli(ww);
        ww = 0;
        if (!zawsze && model.Pusty == 0 && obliczaj_na_biezaco()) return;
        if (model.iw == 1) port.ZniszczOknoTabeli(oo);
        if (model.id == 1) port.ZniszczOknoTabeli(dd);
    }
    // Digits of the model's largest count: entity-number fields accept that many.
    int cyfry() const;
    void blad_danych(const char* tekst) {
        port.MessageBox(tekst, "Błąd danych", Ikona::stop, Przyciski::ok);
    }

    // Plik
    void Cm_zapisz_projekt();
    void Ce_zapisz_projekt(TCommandEnabler& ce);
    void Cm_Nowy();
    void Cm_Otworz();
    // Open once the file is chosen (by the dialog, the command line or the file manager): a
    // refused file is reported and leaves the open model as it was; true when it was read.
    bool otworz_plik(const std::string& nazwa);
    void Cm_Zapisz();
    void Ce_Zapisz(TCommandEnabler& ce);
    // Writes the project to `nazwa` in the format its extension names; a .V2D of a project it
    // cannot hold asks first, and may write the project format beside it instead (`nazwa` then
    // names that file). False when nothing was written; failures are reported.
    bool zapisz_do(std::string& nazwa);
    void Cm_zamknij();
    void Ce_zamknij(TCommandEnabler& ce);
    void Cm_kreator();
    void Ce_kreator(TCommandEnabler& ce);
    void Cm_szablon();
    void Cm_Koniec();
    void Cm_eksport_csv();
    void Cm_eksport_arkusz();
    void Ce_eksport(TCommandEnabler& ce);
    // Edycja
    void Cm_cofnij();
    void Ce_cofnij(TCommandEnabler& ce);
    void Cm_ponow();
    void Ce_ponow(TCommandEnabler& ce);
    // Dodaj
    void Cm_d_mat();
    void Ce_d_mat(TCommandEnabler& ce);
    void Cm_d_przek();
    void Ce_d_przek(TCommandEnabler& ce);
    void Cm_d_wez();
    void Ce_d_wez(TCommandEnabler& ce);
    void Cm_d_pret();
    void Ce_d_pret(TCommandEnabler& ce);
    void Cm_d_podp();
    void Ce_d_podp(TCommandEnabler& ce);
    void Cm_d_sile();
    void Ce_d_sile(TCommandEnabler& ce);
    // Zmień
    void Cm_z_mat();
    void Ce_z_mat(TCommandEnabler& ce);
    void Cm_z_przek();
    void Ce_z_przek(TCommandEnabler& ce);
    void Cm_z_wez();
    void Ce_z_wez(TCommandEnabler& ce);
    void Cm_z_pret();
    void Ce_z_pret(TCommandEnabler& ce);
    void Cm_z_podp();
    void Ce_z_podp(TCommandEnabler& ce);
    void Cm_z_sile();
    void Ce_z_sile(TCommandEnabler& ce);
    // Usuń
    void Cm_u_mat();
    void Ce_u_mat(TCommandEnabler& ce);
    void Cm_u_przek();
    void Ce_u_przek(TCommandEnabler& ce);
    void Cm_u_wez();
    void Ce_u_wez(TCommandEnabler& ce);
    void Cm_u_pret();
    void Ce_u_pret(TCommandEnabler& ce);
    void Cm_u_podp();
    void Ce_u_podp(TCommandEnabler& ce);
    void Cm_u_sile();
    void Ce_u_sile(TCommandEnabler& ce);
    // Dodaj, Zmień, Usuń: temperature changes of bars
    void Cm_d_temp();
    void Ce_d_temp(TCommandEnabler& ce);
    void Cm_z_temp();
    void Ce_z_temp(TCommandEnabler& ce);
    void Cm_u_temp();
    void Ce_u_temp(TCommandEnabler& ce);
    // Przypadki
    void Cm_prz_nowy();
    void Cm_prz_wlasciwosci();
    void Cm_prz_kopiuj();
    void Cm_prz_usun();
    void Cm_prz_biezacy();
    void Cm_prz_nastepny();
    void Cm_prz_poprzedni();
    void Ce_prz_jest_model(TCommandEnabler& ce);
    void Ce_prz_wiele(TCommandEnabler& ce);
    void Cm_ciezar_materialu();
    void Cm_kombinacje();
    void Cm_kombinacja_wlasna();
    void Cm_usun_kombinacje_wlasna();
    void Ce_kombinacje_wlasne(TCommandEnabler& ce);
    void Cm_lista_kombinacji();
    void Cm_pokaz_wyniki();
    // The case's dialog until its entries are valid (case `numer` from 1); false if cancelled.
    bool edytuj_przypadek(PrzypadekObciazen& c, int numer);
    // Makes case n (from 0) current: its loads come into the store.
    void wybierz_przypadek(int n);
    // Obliczenia
    void Cm_ODSWIEZ();
    void Cm_stat();
    void Cm_Wyniki();
    void Ce_Wyniki(TCommandEnabler& ce);
    void Cm_Dane();
    void Ce_Dane(TCommandEnabler& ce);
    // Widok
    void Cm_Napr();
    void Ce_Napr(TCommandEnabler& ce);
    void Cm_Przem();
    void Ce_Przem(TCommandEnabler& ce);
    void Cm_n_ele();
    void Ce_n_ele(TCommandEnabler& ce);
    void Cm_n_mat();
    void Ce_n_mat(TCommandEnabler& ce);
    void Cm_n_pola();
    void Ce_n_pola(TCommandEnabler& ce);
    void Cm_n_wez();
    void Ce_n_wez(TCommandEnabler& ce);
    void Cm_proporcje();
    void Ce_proporcje(TCommandEnabler& ce);
    void Cm_dopasuj();
    void Ce_dopasuj(TCommandEnabler& ce);
    void Cm_krok_siatki();
    void Cm_n_sil();
    void Ce_n_sil(TCommandEnabler& ce);
    void Cm_jednostki();
    void Cm_reakcje();
    void Ce_reakcje(TCommandEnabler& ce);
    void Cm_wartosci_sil();
    void Ce_wartosci_sil(TCommandEnabler& ce);
    void Cm_skala_przem();
    void Ce_skala_przem(TCommandEnabler& ce);
    void Cm_rysuj();
    void Ce_rysuj(TCommandEnabler& ce);
    // Wymiarowanie (editing/wymiarowanie.cpp)
    void Cm_wym_przekroj();
    void Cm_wym_prety();
    void Cm_wym_ustawienia();
    void Cm_wym_sprawdz();
    void Cm_wym_dobierz();
    void Ce_wym(TCommandEnabler& ce);
    void Cm_wytezenie();
    void Ce_wytezenie(TCommandEnabler& ce);
    // Bars coloured and labelled by their utilisation in the view.
    int p_wytezenie = 0;
    // The design as the last analysis gives it, worked out once for each state of the project
    // and its results; null without valid results of every case.
    std::shared_ptr<const WynikWymiarowania> wymiarowanie() const;
    // The design's tables for the results window and print: none while the project has no
    // steel sections or no valid results; the same tables while the design stays the same.
    std::function<std::shared_ptr<TabelaTekstowa>()> tabele_wymiarowania();
    // The same tables as they stand, for a window of their own or the envelope's.
    std::vector<SekcjaTabeli> sekcje_wymiarowania_teraz();
    // Analyses counted, so that the design follows new results.
    std::uint64_t licznik_obliczen = 0;
    // Without units the design commands say what is missing and do nothing: false then.
    bool jednostki_wymiarowania();
    // After a command: a section linked to a profile whose area the command changed is unlinked
    // if the user agrees, or the command is undone. False when it was undone.
    bool pilnuj_pol_profili(const StanModelu& przed);
    // Linked sections' areas made their profiles' in the units now chosen, as one step.
    void pola_profili_w_jednostkach();
    // The data sheet and the selection (editing/zaznaczone.cpp, editing/arkusz.cpp)
    void Cm_arkusz();
    void Ce_arkusz(TCommandEnabler& ce);
    void Cm_zmien_wskazany();
    void Ce_zmien_wskazany(TCommandEnabler& ce);
    void Cm_zaznacz_wszystko();
    void Ce_zaznacz_wszystko(TCommandEnabler& ce);
    void Cm_usun_zaznaczone();
    void Cm_przesun_zaznaczone();
    void Cm_kopiuj_zaznaczone();
    void Ce_zaznaczone(TCommandEnabler& ce);
    void Cm_material_pretow();
    void Ce_zaznaczone_prety(TCommandEnabler& ce);
    void Cm_podpory_wezlow();
    void Cm_sily_wezlow();
    void Ce_zaznaczone_wezly(TCommandEnabler& ce);
    // The change and delete commands after their number prompt, for entity n.
    void zmien_material(int n);
    void zmien_przekroj(int n);
    void zmien_wezel(int n);
    void zmien_pret(int n);
    void zmien_podpore(int n);
    void zmien_sile(int n);
    void usun_material(int n);
    void usun_przekroj(int n);
    void usun_wezel(int n);
    void usun_pret(int n);
    void usun_podpore(int n);
    void usun_sile(int n);
    // Several nodes or bars at once, with the renumbering of one at a time: numbers ascending,
    // each valid; the nodes no bar's end (the caller sees to it).
    void usun_prety(const std::vector<int>& prety);
    void usun_wezly(const std::vector<int>& wezly);
    // Adding a node or a bar with the checks of its dialog; false, with the messages, if refused.
    bool dodaj_wezel(float x, float y);
    bool dodaj_pret(const d_dane_przek& r);
    // Plik: pictures of the main view and print (okno/wydruk.cpp)
    void Cm_obraz_png();
    void Cm_obraz_svg();
    void Cm_obraz_pdf();
    void Ce_obraz(TCommandEnabler& ce);
    void Cm_drukuj();
    void Ce_drukuj(TCommandEnabler& ce);
    // Asks for the size and the file, and writes the picture.
    void eksport_obrazu(FormatObrazu f);
    // Paints the main view at a size of its own, for a picture or a page: margins fitted to the
    // symbols, and one scale for X and Y unless `proporcje` is off; a view the user has zoomed or
    // moved shows what the window shows, scaled to the size. The mapping of the window's last
    // paint, which the readout and picking use, stays as it was.
    void Paint_obrazu(Powierzchnia& dc, int szerokosc, int wysokosc, bool proporcje = true);
    // The height a picture `szerokosc` pixels wide needs for the whole truss at one scale.
    int wysokosc_obrazu(Powierzchnia& dc, int szerokosc);
    struct KadrObrazu {
        bool proporcje;
    };
    // The paint behind Paint and Paint_obrazu: the window's framing, or a picture's.
    void maluj(Powierzchnia& dc, int szerokosc, int wysokosc, const KadrObrazu* obraz);
    // Plik: the calculation report (okno/raport.cpp) and the project's properties
    void Cm_raport();
    void Ce_raport(TCommandEnabler& ce);
    void Cm_wlasciwosci_projektu();
    // Pomoc
    void Cm_POMOC();
    void Cm_opro();
};

// One entry of the command table: a command id with its handler and its enabler (or none).
struct Polecenie {
    int id;
    void (_OKNO_::*Cm)();
    void (_OKNO_::*Ce)(TCommandEnabler&);
    // For a command that may change the model: the name of the step in the undo history, read
    // once the command is done ("usunięcie pręta 4"). Null for every other command.
    std::string (*krok)(const _OKNO_&) = nullptr;
};
const std::vector<Polecenie>& tablica_polecen();

// Numbers typed as "1-3, 7" (from 1, at most `najwiekszy`) as places from 0; false when the text
// is anything else. An empty text is no numbers.
bool numery_z_tekstu(const std::string& t, int najwiekszy, std::vector<int>& numery);
