// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/widok_qt.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "qt/powierzchnia_qt.h"

namespace {

// The port of the main view: what makes the view repaint also puts its kept picture out of date.
class PortWidoku : public PlatformaQt {
  public:
    explicit PortWidoku(WidokGlowny& w) : PlatformaQt(w), widok_(w) {}

    void Odswiez() override {
        widok_.uniewaznij();
        PlatformaQt::Odswiez();
    }
    // While a command waits on a modal window, and after it, the view shows the model as it is
    // then, as a paint straight from the model would.
    int MessageBox(const std::string& tekst, const std::string& tytul, Ikona ikona,
                   Przyciski przyciski) override {
        Modalne m(widok_);
        return PlatformaQt::MessageBox(tekst, tytul, ikona, przyciski);
    }
    int Dialog(int szablon, void* rekord, int cyfry) override {
        Modalne m(widok_);
        return PlatformaQt::Dialog(szablon, rekord, cyfry);
    }
    bool OknoOtworz(UstawieniaPliku& s) override {
        Modalne m(widok_);
        return PlatformaQt::OknoOtworz(s);
    }
    bool OknoZapisz(UstawieniaPliku& s) override {
        Modalne m(widok_);
        return PlatformaQt::OknoZapisz(s);
    }

  private:
    struct Modalne {
        WidokGlowny& w;
        explicit Modalne(WidokGlowny& widok) : w(widok) { w.uniewaznij(); }
        ~Modalne() { w.uniewaznij(); }
    };
    WidokGlowny& widok_;
};

// The view toggles kept between runs of the program, and the dialogs' folder.
struct Przelacznik {
    const char* klucz;
    int Model::*flaga;
};
constexpr Przelacznik przelaczniki[] = {
    {"widok/napr", &Model::p_napr},     {"widok/przem", &Model::p_przem},
    {"widok/n_ele", &Model::p_n_ele},   {"widok/n_mat", &Model::p_n_mat},
    {"widok/n_pola", &Model::p_n_pola}, {"widok/n_wezl", &Model::p_n_wezl},
};
constexpr const char* klucz_katalogu = "pliki/katalog";
constexpr const char* klucz_sil = "widok/n_sil";

}  // namespace

OknoWsp::OknoWsp(QWidget* rodzic, const QString& tekst) : QFrame(rodzic) {
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(1);
    setGeometry(400, 10, 110, 100);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button);

    // The caption bar; dragging it moves the window about the main view.
    pasek_ = new QLabel(QString::fromUtf8("Współrzędne"), this);
    QFont f = pasek_->font();
    f.setPixelSize(11);
    f.setBold(true);
    pasek_->setFont(f);
    const int w = pasek_->fontMetrics().height() + 4;
    pasek_->setGeometry(1, 1, 108, w);
    pasek_->setIndent(3);
    pasek_->setAutoFillBackground(true);
    pasek_->setBackgroundRole(QPalette::Highlight);
    pasek_->setForegroundRole(QPalette::HighlightedText);
    pasek_->installEventFilter(this);

    klient_ = new QWidget(this);
    klient_->setGeometry(1, 1 + w, 108, 98 - w);
    xx_ = new QLabel(tekst, klient_);
    xx_->setObjectName("999");
    xx_->setTextFormat(Qt::PlainText);
    xx_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    xx_->setWordWrap(true);
    xx_->setGeometry(5, 5, 60, 60);
    dopasuj();
}

void OknoWsp::dopasuj() {
    // "x=2724.40," in 60 pixels would lose its last digit.
    const QFontMetrics m = xx_->fontMetrics();
    const QMargins r = xx_->contentsMargins();
    const int brzegi = r.left() + r.right() + 2 * xx_->margin();
    int szer = 60;
    for (const QString& czesc : xx_->text().split(' ', Qt::SkipEmptyParts))
        szer = std::max(szer, m.horizontalAdvance(czesc) + brzegi);
    const int wys = std::max(60, xx_->heightForWidth(szer));
    xx_->resize(szer, wys);
    // The label sits 5 pixels into the client area and keeps as much room on its right and
    // below; the frame is 1 pixel.
    const int pasek = pasek_->height();
    const int w = std::max(110, szer + 12), h = std::max(100, pasek + wys + 12);
    if (size() == QSize(w, h)) return;
    resize(w, h);
    pasek_->resize(w - 2, pasek);
    klient_->resize(w - 2, h - 2 - pasek);
}

bool OknoWsp::eventFilter(QObject* o, QEvent* e) {
    if (o != pasek_) return false;
    if (e->type() == QEvent::MouseButtonPress) {
        auto* m = static_cast<QMouseEvent*>(e);
        if (m->button() != Qt::LeftButton) return false;
        chwyt_ = m->globalPosition().toPoint() - pos();
        ciagnie_ = true;
        return true;
    }
    if (e->type() == QEvent::MouseMove && ciagnie_) {
        QPoint p = static_cast<QMouseEvent*>(e)->globalPosition().toPoint() - chwyt_;
        // Some of the caption bar stays in the view, so the window can be taken back.
        if (const QWidget* r = parentWidget()) {
            p.setX(std::clamp(p.x(), 20 - width(), std::max(0, r->width() - 20)));
            p.setY(std::clamp(p.y(), 0, std::max(0, r->height() - pasek_->height())));
        }
        move(p);
        return true;
    }
    if (e->type() == QEvent::MouseButtonRelease) ciagnie_ = false;
    return false;
}

WidokGlowny::WidokGlowny(QWidget* rodzic) : QWidget(rodzic) {
    port_ = std::make_unique<PortWidoku>(*this);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    wsp_ = new OknoWsp(this, QString());
    port_->ustaw_wsp(wsp_->etykieta());
    okno_ = std::make_unique<_OKNO_>(*port_);
    okno_->wczytaj_ustawienia();
    wczytaj_ustawienia();
    okno_->wczytaj_jednostki();
    wsp_->etykieta()->setText(QString::fromStdString(okno_->wsp->xx));
    wsp_->dopasuj();
}

WidokGlowny::~WidokGlowny() {
    zakoncz();
}

void WidokGlowny::wczytaj_ustawienia() {
    for (const Przelacznik& p : przelaczniki) {
        const std::string w = port_->Ustawienie(p.klucz);
        if (w == "0" || w == "1") okno_->model.*p.flaga = w == "1";
    }
    // Two or three numberings on at once would write over each other beside the bars.
    Model& m = okno_->model;
    // The axial forces, as their toggle does, take the place of the numbers.
    okno_->p_n_sil = port_->Ustawienie(klucz_sil) == "1";
    if (okno_->p_n_sil == 1)
        m.p_n_ele = m.p_n_mat = m.p_n_pola = 0;
    else if (m.p_n_ele == 1)
        m.p_n_mat = m.p_n_pola = 0;
    else if (m.p_n_mat == 1)
        m.p_n_pola = 0;
    okno_->_plik_->katalog = port_->Ustawienie(klucz_katalogu);
}

void WidokGlowny::zapisz_ustawienia() {
    for (const Przelacznik& p : przelaczniki)
        port_->ZapiszUstawienie(p.klucz, okno_->model.*p.flaga == 1 ? "1" : "0");
    port_->ZapiszUstawienie(klucz_sil, okno_->p_n_sil == 1 ? "1" : "0");
    port_->ZapiszUstawienie(klucz_katalogu, okno_->_plik_->katalog);
}

void WidokGlowny::zakoncz() {
    if (okno_) zapisz_ustawienia();
    // The main window's destructor closes its table windows through the port.
    okno_.reset();
    port_.reset();
    obraz_ = QImage();
}

bool WidokGlowny::mozna_zamknac() {
    return okno_ && okno_->CanClose();
}

void WidokGlowny::paintEvent(QPaintEvent* e) {
    QPainter p(this);
    if (!okno_) {
        p.fillRect(rect(), Qt::white);
        return;
    }
    // The picture has the screen's pixels, so that it shows as sharp as drawing straight on it.
    const qreal skala = devicePixelRatioF();
    const QSize piksele(static_cast<int>(std::ceil(width() * skala)),
                        static_cast<int>(std::ceil(height() * skala)));
    if (!obraz_wazny_ || obraz_.size() != piksele || obraz_.devicePixelRatio() != skala) {
        if (obraz_.size() != piksele) obraz_ = QImage(piksele, QImage::Format_RGB32);
        obraz_.setDevicePixelRatio(skala);
        // The background is white; the view draws over it.
        obraz_.fill(Qt::white);
        QPainter q(&obraz_);
        PowierzchniaQt dc(q);
        okno_->Paint(dc, width(), height());
        obraz_wazny_ = true;
        // The model or the view may have changed under a cursor that stayed where it was.
        okno_->odswiez_wskazanie();
    }
    p.drawImage(e->rect(), obraz_,
                QRectF(QPointF(e->rect().topLeft()) * skala, QSizeF(e->rect().size()) * skala));
    PowierzchniaQt dc(p);
    okno_->RysujWskazanie(dc);
    const Qt::CursorShape k = okno_->rysowanie ? Qt::CrossCursor : Qt::ArrowCursor;
    if (cursor().shape() != k) setCursor(k);
}

void WidokGlowny::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    if (okno_) okno_->EvSize(width(), height());
}

void WidokGlowny::mouseMoveEvent(QMouseEvent* e) {
    if (!okno_) return;
    const QPoint p = e->position().toPoint();
    if (przesuwa_) {
        okno_->przesun_widok(p.x() - chwyt_.x(), p.y() - chwyt_.y());
        chwyt_ = p;
        return;
    }
    okno_->EvMouseMove(p.x(), p.y());
    wsp_->dopasuj();
}

void WidokGlowny::mousePressEvent(QMouseEvent* e) {
    if (!okno_) return;
    const QPoint p = e->position().toPoint();
    if (e->button() == Qt::MiddleButton) {
        przesuwa_ = true;
        chwyt_ = p;
    } else if (e->button() == Qt::LeftButton) {
        okno_->EvLButtonDown(p.x(), p.y(), (e->modifiers() & Qt::ShiftModifier) != 0);
    } else if (e->button() == Qt::RightButton) {
        okno_->EvRButtonDown(p.x(), p.y());
    }
}

void WidokGlowny::mouseReleaseEvent(QMouseEvent* e) {
    if (okno_ && e->button() == Qt::LeftButton) {
        const QPoint p = e->position().toPoint();
        okno_->EvLButtonUp(p.x(), p.y());
        return;
    }
    if (e->button() != Qt::MiddleButton || !przesuwa_) return;
    przesuwa_ = false;
    // The readout and the highlight caught up with the cursor where the drag ended.
    mouseMoveEvent(e);
}

void WidokGlowny::mouseDoubleClickEvent(QMouseEvent* e) {
    const QPoint p = e->position().toPoint();
    if (okno_ && e->button() == Qt::LeftButton) okno_->EvLButtonDblClk(p.x(), p.y());
}

void WidokGlowny::wheelEvent(QWheelEvent* e) {
    const QPoint p = e->position().toPoint();
    if (okno_) okno_->EvMouseWheel(p.x(), p.y(), e->angleDelta().y());
    e->accept();
}

void WidokGlowny::keyPressEvent(QKeyEvent* e) {
    const int k = e->key() == Qt::Key_R ? VK_R : e->key() == Qt::Key_Escape ? VK_ESCAPE : 0;
    if (okno_ && k != 0 && e->modifiers() == Qt::NoModifier && okno_->EvKeyDown(k)) return;
    QWidget::keyPressEvent(e);
}

void WidokGlowny::leaveEvent(QEvent* e) {
    if (okno_ && !przesuwa_) okno_->EvMouseLeave();
    QWidget::leaveEvent(e);
}

void WidokGlowny::closeEvent(QCloseEvent* e) {
    // Only as a window of its own (in a frame, the frame asks).
    if (!isWindow() || mozna_zamknac())
        e->accept();
    else
        e->ignore();
}
