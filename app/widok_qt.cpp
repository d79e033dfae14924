#include "app/widok_qt.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "app/powierzchnia_qt.h"

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

    auto* klient = new QWidget(this);
    klient->setGeometry(1, 1 + w, 108, 98 - w);
    xx_ = new QLabel(tekst, klient);
    xx_->setObjectName("999");
    xx_->setTextFormat(Qt::PlainText);
    xx_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    xx_->setWordWrap(true);
    xx_->setGeometry(5, 5, 60, 60);
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
    port_ = std::make_unique<PlatformaQt>(*this);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    wsp_ = new OknoWsp(this, QString());
    port_->ustaw_wsp(wsp_->etykieta());
    okno_ = std::make_unique<_OKNO_>(*port_);
    wsp_->etykieta()->setText(QString::fromStdString(okno_->wsp->xx));
}

WidokGlowny::~WidokGlowny() {
    zakoncz();
}

void WidokGlowny::zakoncz() {
    // The main window's destructor closes its table windows through the port.
    okno_.reset();
    port_.reset();
}

bool WidokGlowny::mozna_zamknac() {
    return okno_ && okno_->CanClose();
}

void WidokGlowny::paintEvent(QPaintEvent*) {
    QPainter p(this);
    // The background is white; the view draws over it.
    p.fillRect(rect(), Qt::white);
    if (!okno_) return;
    PowierzchniaQt dc(p);
    okno_->Paint(dc, width(), height());
}

void WidokGlowny::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    if (okno_) okno_->EvSize(width(), height());
}

void WidokGlowny::mouseMoveEvent(QMouseEvent* e) {
    if (okno_) {
        const QPoint p = e->position().toPoint();
        okno_->EvMouseMove(p.x(), p.y());
    }
}

void WidokGlowny::closeEvent(QCloseEvent* e) {
    // Only as a window of its own (in a frame, the frame asks).
    if (!isWindow() || mozna_zamknac())
        e->accept();
    else
        e->ignore();
}
