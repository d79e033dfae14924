// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/raport.h"

#include <QFontMetricsF>
#include <QGlyphRun>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPen>
#include <QRawFont>
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

// The report's fonts on a device as raw glyphs: each character's glyph and advance looked up
// once, so that texts are measured by summing and drawn as runs of glyphs, many texts a run. A
// printer's or a PDF writer's cost is mostly per text drawn and shaped: a page of a long table
// holds some three hundred numbers.
class Kroje {
  public:
    explicit Kroje(QPaintDevice& d) : jednostek_na_mm_(d.logicalDpiX() / 25.4) {}
    double na_mm() const { return jednostek_na_mm_; }

    struct Znak {
        quint32 glif;
        double postep;  // device units
    };
    struct Kroj {
        QRawFont font;
        Znak ascii[128] = {};
        std::unordered_map<char32_t, Znak> inne;
        const Znak* znak(char32_t z) {
            if (z < 128) return ascii[z].glif ? &ascii[z] : nullptr;
            auto [it, nowy] = inne.try_emplace(z, Znak{0, 0});
            if (nowy) it->second = pomiar(QString::fromUcs4(&z, 1));
            return it->second.glif ? &it->second : nullptr;
        }
        Znak pomiar(const QString& t) const {
            const QList<quint32> g = font.glyphIndexesForString(t);
            if (g.size() != 1 || g[0] == 0) return {0, 0};
            const QList<QPointF> a = font.advancesForGlyphIndexes(g, QRawFont::UseDesignMetrics);
            return {g[0], a.isEmpty() ? 0.0 : a[0].x()};
        }
    };
    Kroj& kroj(Styl s, double skala) {
        const std::uint64_t klucz = static_cast<std::uint64_t>(s) << 40 |
                                    static_cast<std::uint64_t>(std::llround(skala * 1e6));
        auto [it, nowy] = kroje_.try_emplace(klucz);
        Kroj& k = it->second;
        if (nowy) {
            k.font = QRawFont::fromFont(czcionka_raportu(s, skala));
            k.font.setPixelSize(punkty(s) * skala * mm_punktu * jednostek_na_mm_);
            for (char32_t c = 32; c < 127; ++c) k.ascii[c] = k.pomiar(QString(QChar(c)));
        }
        return k;
    }
    // A text's width in device units, or a negative number when the font lacks one of its
    // characters (Qt then draws it with a font that has it).
    double szerokosc(const std::string& t, Styl s, double skala) {
        Kroj& k = kroj(s, skala);
        double w = 0;
        bool wszystkie = true;
        znaki(t, [&](char32_t z) {
            if (const Znak* g = k.znak(z))
                w += g->postep;
            else
                wszystkie = false;
        });
        return wszystkie ? w : -1.0;
    }

  private:
    double jednostek_na_mm_;
    std::unordered_map<std::uint64_t, Kroj> kroje_;
};

struct MiaraQt::Dane {
    Kroje kroje;
    QPaintDevice& d;
};

MiaraQt::MiaraQt(QPaintDevice& d) : d_(new Dane{Kroje(d), d}) {}
MiaraQt::~MiaraQt() {
    delete d_;
}

double MiaraQt::szerokosc(const std::string& t, Styl s, double skala) {
    const double w = d_->kroje.szerokosc(t, s, skala);
    if (w >= 0) return w / d_->kroje.na_mm();
    return QFontMetricsF(czcionka_raportu(s, skala), &d_->d)
               .horizontalAdvance(QString::fromStdString(t)) /
           d_->kroje.na_mm();
}

namespace {

// Texts gathered into runs of glyphs of one font and colour, drawn when either changes.
class Pisarz {
  public:
    Pisarz(QPainter& p, Kroje& k, MiaraQt& m) : p_(p), kroje_(k), miara_(m) {}
    ~Pisarz() { wyslij(); }
    // The text with its baseline's left end (right end with do_prawej) at (x, y) mm.
    void tekst(double x, double y, const std::string& t, Styl s, double skala, QColor kolor,
               bool do_prawej = false) {
        if (t.empty()) return;
        const double mm = kroje_.na_mm();
        Kroje::Kroj& k = kroje_.kroj(s, skala);
        const double w = kroje_.szerokosc(t, s, skala);
        if (w < 0) {
            wyslij();
            const QFont f = czcionka_raportu(s, skala);
            p_.setFont(f);
            p_.setPen(kolor);
            if (do_prawej) x -= miara_.szerokosc(t, s, skala);
            p_.drawText(QPointF(x * mm, y * mm), QString::fromStdString(t));
            return;
        }
        if (&k != kroj_ || kolor != kolor_) {
            wyslij();
            kroj_ = &k, kolor_ = kolor;
        }
        double px = x * mm - (do_prawej ? w : 0.0);
        const double py = y * mm;
        znaki(t, [&](char32_t z) {
            const Kroje::Znak* g = k.znak(z);
            glify_.push_back(g->glif);
            pozycje_.push_back(QPointF(px, py));
            px += g->postep;
        });
    }
    void wyslij() {
        if (glify_.isEmpty()) return;
        QGlyphRun r;
        r.setRawFont(kroj_->font);
        r.setGlyphIndexes(glify_);
        r.setPositions(pozycje_);
        p_.setPen(kolor_);
        p_.drawGlyphRun(QPointF(0, 0), r);
        glify_.clear();
        pozycje_.clear();
    }

  private:
    QPainter& p_;
    Kroje& kroje_;
    MiaraQt& miara_;
    Kroje::Kroj* kroj_ = nullptr;
    QColor kolor_;
    QList<quint32> glify_;
    QList<QPointF> pozycje_;
};

}  // namespace

int drukuj_raport(QPagedPaintDevice& d, const DokumentRaportu& doc, const UkladRaportu& u, int od,
                  int do_, bool obracaj) {
    const int stron = static_cast<int>(u.strony.size());
    if (stron == 0) return 0;
    od = std::clamp(od, 1, stron);
    if (do_ <= 0 || do_ > stron) do_ = stron;
    auto uklad = [&](Orientacja o) {
        d.setPageLayout(uklad_strony(obracaj ? Orientacja::pionowa : o));
    };
    uklad(u.strony[static_cast<std::size_t>(od) - 1].orientacja);
    QPainter p;
    if (!p.begin(&d)) return 0;
    Kroje kroje(d);
    MiaraQt miara(d);
    const double mm = kroje.na_mm();  // device units per millimetre
    for (int nr = od; nr <= do_; ++nr) {
        const StronaRaportu& s = u.strony[static_cast<std::size_t>(nr) - 1];
        if (nr > od) {
            uklad(s.orientacja);
            d.newPage();
        }
        p.save();
        // A landscape page on portrait paper, turned a quarter clockwise.
        if (obracaj && s.orientacja == Orientacja::pozioma) {
            p.translate(s.wysokosc * mm, 0);
            p.rotate(90);
        }
        Pisarz pisarz(p, kroje, miara);
        for (const ElementStrony& e : s.elementy) {
            switch (e.rodzaj) {
                case ElementStrony::tekst:
                    pisarz.tekst(e.x, e.y, e.napis, e.styl, e.skala, qkolor(e.kolor), e.do_prawej);
                    break;
                case ElementStrony::linia:
                    pisarz.wyslij();
                    p.setPen(QPen(qkolor(e.kolor), e.skala * mm, Qt::SolidLine, Qt::FlatCap));
                    p.drawLine(QPointF(e.x * mm, e.y * mm),
                               QPointF((e.x + e.w) * mm, (e.y + e.h) * mm));
                    break;
                case ElementStrony::tlo:
                    pisarz.wyslij();
                    p.fillRect(QRectF(e.x * mm, e.y * mm, e.w * mm, e.h * mm), qkolor(e.kolor));
                    break;
                case ElementStrony::wiersze: {
                    const auto& t = std::get<Tabela>(doc.bloki[e.blok]);
                    const KolumnyTabeli& k = u.tabele[e.blok];
                    const double margines = 1.6 * k.skala;
                    for (std::size_t r = e.od; r < e.do_; ++r) {
                        const double y =
                            e.y + static_cast<double>(r - e.od) * k.wiersz + k.wiersz * 0.76;
                        for (std::size_t c = 0; c < t.kolumny.size(); ++c) {
                            const bool prawo = t.kolumny[c].do_prawej;
                            pisarz.tekst(
                                prawo ? e.x + k.x[c] + k.w[c] - margines : e.x + k.x[c] + margines,
                                y, t.komorka(r, c), Styl::tabela, k.skala, Qt::black, prawo);
                        }
                    }
                    break;
                }
                case ElementStrony::rysunek: {
                    pisarz.wyslij();
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
        pisarz.wyslij();
        p.restore();
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
