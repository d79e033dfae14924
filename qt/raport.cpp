#include "qt/raport.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPen>
#include <QSaveFile>
#include <QString>
#include <array>
#include <cmath>
#include <memory>
#include <unordered_map>

#include "qt/obraz.h"
#include "qt/powierzchnia_qt.h"
#include "report/raport.h"

namespace {

constexpr int liczba_stylow = static_cast<int>(Styl::naglowek_tabeli) + 1;

QColor qkolor(Kolor k) {
    return QColor(k.r, k.g, k.b);
}

// The code points of a UTF-8 text.
template <class F>
void znaki(const std::string& t, F f) {
    for (std::size_t i = 0; i < t.size();) {
        const unsigned char c = static_cast<unsigned char>(t[i]);
        char32_t z = c;
        int n = 1;
        if (c >= 0xF0)
            z = c & 0x07, n = 4;
        else if (c >= 0xE0)
            z = c & 0x0F, n = 3;
        else if (c >= 0xC0)
            z = c & 0x1F, n = 2;
        for (int k = 1; k < n && i + static_cast<std::size_t>(k) < t.size(); ++k)
            z = z << 6 | (static_cast<unsigned char>(t[i + static_cast<std::size_t>(k)]) & 0x3F);
        i += static_cast<std::size_t>(n);
        f(z);
    }
}

QPageLayout uklad_strony(Orientacja o) {
    return QPageLayout(QPageSize(QPageSize::A4),
                       o == Orientacja::pionowa ? QPageLayout::Portrait : QPageLayout::Landscape,
                       QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

}  // namespace

QFont czcionka_raportu(Styl s, double skala) {
    QFont f("Arial");
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(punkty(s) * skala);
    f.setBold(pogrubiony(s));
    f.setKerning(false);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

struct MiaraQt::Dane {
    QPaintDevice& d;
    double mm;  // millimetres per device unit
    // Per style and size, the metrics and each character's advance.
    struct Kroj {
        std::unique_ptr<QFontMetricsF> m;
        std::unordered_map<char32_t, double> znaki;
        double ascii[128];
    };
    std::unordered_map<std::uint64_t, Kroj> kroje;
};

MiaraQt::MiaraQt(QPaintDevice& d) : d_(new Dane{d, 25.4 / d.logicalDpiX(), {}}) {}
MiaraQt::~MiaraQt() {
    delete d_;
}

double MiaraQt::szerokosc(const std::string& t, Styl s, double skala) {
    const std::uint64_t klucz =
        static_cast<std::uint64_t>(s) << 40 | static_cast<std::uint64_t>(std::llround(skala * 1e6));
    auto [it, nowy] = d_->kroje.try_emplace(klucz);
    Dane::Kroj& k = it->second;
    if (nowy) {
        k.m = std::make_unique<QFontMetricsF>(czcionka_raportu(s, skala), &d_->d);
        for (int c = 0; c < 128; ++c) k.ascii[c] = k.m->horizontalAdvance(QChar(c));
    }
    double w = 0;
    znaki(t, [&](char32_t z) {
        if (z < 128) {
            w += k.ascii[z];
            return;
        }
        auto [z_it, z_nowy] = k.znaki.try_emplace(z, 0.0);
        if (z_nowy) z_it->second = k.m->horizontalAdvance(QString::fromUcs4(&z, 1));
        w += z_it->second;
    });
    return w * d_->mm;
}

int drukuj_raport(QPagedPaintDevice& d, const DokumentRaportu& doc, const UkladRaportu& u, int od,
                  int do_) {
    const int stron = static_cast<int>(u.strony.size());
    if (stron == 0) return 0;
    od = std::clamp(od, 1, stron);
    if (do_ <= 0 || do_ > stron) do_ = stron;
    d.setPageLayout(uklad_strony(u.strony[static_cast<std::size_t>(od) - 1].orientacja));
    QPainter p;
    if (!p.begin(&d)) return 0;
    const double mm = d.logicalDpiX() / 25.4;  // device units per millimetre
    MiaraQt miara(d);
    std::array<QFont, liczba_stylow> fonty;
    for (int s = 0; s < liczba_stylow; ++s)
        fonty[static_cast<std::size_t>(s)] = czcionka_raportu(static_cast<Styl>(s));
    auto font = [&](Styl s, double skala) {
        if (skala == 1.0) return fonty[static_cast<std::size_t>(s)];
        return czcionka_raportu(s, skala);
    };
    for (int nr = od; nr <= do_; ++nr) {
        const StronaRaportu& s = u.strony[static_cast<std::size_t>(nr) - 1];
        if (nr > od) {
            d.setPageLayout(uklad_strony(s.orientacja));
            d.newPage();
        }
        for (const ElementStrony& e : s.elementy) {
            switch (e.rodzaj) {
                case ElementStrony::tekst: {
                    if (e.napis.empty()) break;
                    p.setFont(font(e.styl, e.skala));
                    p.setPen(qkolor(e.kolor));
                    double x = e.x;
                    if (e.do_prawej) x -= miara.szerokosc(e.napis, e.styl, e.skala);
                    p.drawText(QPointF(x * mm, e.y * mm), QString::fromStdString(e.napis));
                    break;
                }
                case ElementStrony::linia:
                    p.setPen(QPen(qkolor(e.kolor), e.skala * mm, Qt::SolidLine, Qt::FlatCap));
                    p.drawLine(QPointF(e.x * mm, e.y * mm),
                               QPointF((e.x + e.w) * mm, (e.y + e.h) * mm));
                    break;
                case ElementStrony::tlo:
                    p.fillRect(QRectF(e.x * mm, e.y * mm, e.w * mm, e.h * mm), qkolor(e.kolor));
                    break;
                case ElementStrony::wiersze: {
                    const auto& t = std::get<Tabela>(doc.bloki[e.blok]);
                    const KolumnyTabeli& k = u.tabele[e.blok];
                    p.setFont(font(Styl::tabela, k.skala));
                    p.setPen(Qt::black);
                    const double margines = 1.6 * k.skala;
                    for (std::size_t r = e.od; r < e.do_; ++r) {
                        const double y =
                            (e.y + static_cast<double>(r - e.od) * k.wiersz + k.wiersz * 0.76) * mm;
                        for (std::size_t c = 0; c < t.kolumny.size(); ++c) {
                            const std::string tekst = t.komorka(r, c);
                            if (tekst.empty()) continue;
                            double x = e.x + k.x[c] + margines;
                            if (t.kolumny[c].do_prawej)
                                x = e.x + k.x[c] + k.w[c] - margines -
                                    miara.szerokosc(tekst, Styl::tabela, k.skala);
                            p.drawText(QPointF(x * mm, y), QString::fromStdString(tekst));
                        }
                    }
                    break;
                }
                case ElementStrony::rysunek: {
                    const auto& r = std::get<Rysunek>(doc.bloki[e.blok]);
                    const double skala = e.w * mm / e.piksele_w;
                    p.save();
                    p.translate(e.x * mm, e.y * mm);
                    p.scale(skala, skala);
                    p.setClipRect(QRect(0, 0, e.piksele_w, e.piksele_h));
                    if (r.rysuj)
                        rysuj_na(p, e.piksele_w, e.piksele_h,
                                 [&](Powierzchnia& dc) { r.rysuj(dc, e.piksele_w, e.piksele_h); });
                    p.restore();
                    p.setPen(QPen(QColor(150, 150, 150), 0.2 * mm));
                    p.setBrush(Qt::NoBrush);
                    p.drawRect(QRectF(e.x * mm, e.y * mm, e.w * mm, e.h * mm));
                    break;
                }
            }
        }
    }
    p.end();
    return stron;
}

bool zapisz_raport_pdf(const std::string& plik, const DokumentRaportu& doc, std::string& powod) {
    QSaveFile f(QString::fromStdString(plik));
    if (!f.open(QIODevice::WriteOnly)) {
        powod = f.errorString().toStdString();
        return false;
    }
    UkladRaportu u;
    {
        QPdfWriter pdf(&f);
        pdf.setResolution(1200);
        pdf.setCreator(QString::fromUtf8(program_raportu));
        pdf.setTitle(QString::fromStdString(doc.tytul));
        pdf.setPageLayout(uklad_strony(Orientacja::pionowa));
        MiaraQt miara(pdf);
        u = rozloz(doc, miara);
        if (drukuj_raport(pdf, doc, u) == 0) {
            powod = "Nie można utworzyć dokumentu PDF";
            f.cancelWriting();
            return false;
        }
    }
    if (!f.commit()) {
        powod = f.errorString().toStdString();
        return false;
    }
    return true;
}
