#include "app/Pictures.h"

#include <QAction>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QToolBar>
#include <QToolButton>
#include <QtMath>

namespace bw {

NoShowPicture::NoShowPicture(QWidget* parent) : QWidget(parent)
{
    setAutoFillBackground(false);
    setMinimumSize(400, 300);
}

namespace {

// A prize rosette: two ribbon tails, a ring of pleats and a centre with a star.
void drawRosette(QPainter& p, QPointF centre, qreal radius)
{
    const QColor ribbon(30, 70, 140), ribbonDark(20, 50, 105), gold(212, 175, 55);
    // Tails.
    for (int side : {-1, 1}) {
        QPainterPath tail;
        const qreal x = centre.x() + side * radius * 0.35;
        tail.moveTo(x - radius * 0.22, centre.y());
        tail.lineTo(x + radius * 0.22, centre.y());
        tail.lineTo(x + side * radius * 0.25 + radius * 0.22, centre.y() + radius * 2.1);
        tail.lineTo(x + side * radius * 0.25, centre.y() + radius * 1.85);
        tail.lineTo(x + side * radius * 0.25 - radius * 0.22, centre.y() + radius * 2.1);
        tail.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(side < 0 ? ribbon : ribbonDark);
        p.drawPath(tail);
    }
    // Pleats.
    const int pleats = 28;
    QPainterPath ring;
    for (int i = 0; i <= pleats * 2; ++i) {
        const qreal a = M_PI * i / pleats;
        const qreal r = (i % 2) ? radius : radius * 0.86;
        const QPointF pt(centre.x() + r * qCos(a), centre.y() + r * qSin(a));
        if (i == 0) ring.moveTo(pt);
        else ring.lineTo(pt);
    }
    p.setBrush(ribbon);
    p.drawPath(ring);
    p.setBrush(QColor(240, 240, 250));
    p.drawEllipse(centre, radius * 0.66, radius * 0.66);
    p.setBrush(gold);
    p.drawEllipse(centre, radius * 0.56, radius * 0.56);
    // Star.
    QPainterPath star;
    for (int i = 0; i < 10; ++i) {
        const qreal a = -M_PI / 2 + M_PI * i / 5;
        const qreal r = (i % 2) ? radius * 0.18 : radius * 0.42;
        const QPointF pt(centre.x() + r * qCos(a), centre.y() + r * qSin(a));
        if (i == 0) star.moveTo(pt);
        else star.lineTo(pt);
    }
    star.closeSubpath();
    p.setBrush(QColor(255, 250, 230));
    p.drawPath(star);
}

} // namespace

void NoShowPicture::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, height());
    sky.setColorAt(0, QColor(246, 243, 235));
    sky.setColorAt(1, QColor(214, 226, 210));
    p.fillRect(rect(), sky);

    // A show ring: a low green field with a white rail.
    const qreal ground = height() * 0.78;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 185, 130));
    p.drawRect(QRectF(0, ground, width(), height() - ground));
    p.setPen(QPen(QColor(255, 255, 255, 220), 3));
    p.drawLine(QPointF(0, ground - 14), QPointF(width(), ground - 14));
    for (qreal x = 20; x < width(); x += 60) p.drawLine(QPointF(x, ground - 14), QPointF(x, ground + 6));

    const qreal radius = qMin(width(), height()) * 0.14;
    drawRosette(p, QPointF(width() / 2.0, height() * 0.30), radius);

    QFont title = font();
    title.setPointSizeF(title.pointSizeF() * 2.4);
    title.setBold(true);
    p.setFont(title);
    p.setPen(QColor(40, 50, 70));
    const qreal textTop = height() * 0.30 + radius * 2.3;
    p.drawText(QRectF(0, textTop, width(), 60), Qt::AlignHCenter | Qt::AlignTop, "Brindlewick Manager");
    QFont line = font();
    line.setPointSizeF(line.pointSizeF() * 1.15);
    p.setFont(line);
    p.setPen(QColor(70, 80, 95));
    p.drawText(QRectF(0, textTop + 56, width(), 30), Qt::AlignHCenter | Qt::AlignTop,
               "Open an existing show, or start a New Show, from the File menu.");
}

namespace {

QIcon drawn(Picture picture)
{
    QPixmap pm(32, 32);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor ink(45, 60, 90), paper(250, 250, 245), accent(40, 120, 60), stop(180, 40, 40);
    auto page = [&] {
        p.setPen(QPen(ink, 1.5));
        p.setBrush(paper);
        p.drawRect(QRectF(7, 3, 18, 25));
    };
    auto triangle = [&](bool right, qreal x) {
        QPolygonF t;
        if (right) t << QPointF(x, 8) << QPointF(x + 11, 16) << QPointF(x, 24);
        else t << QPointF(x + 11, 8) << QPointF(x, 16) << QPointF(x + 11, 24);
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        p.drawPolygon(t);
    };
    switch (picture) {
    case Picture::NewShow:
        page();
        p.setPen(QPen(accent, 3));
        p.drawLine(QPointF(16, 10), QPointF(16, 22));
        p.drawLine(QPointF(10, 16), QPointF(22, 16));
        break;
    case Picture::OpenShow:
        p.setPen(QPen(ink, 1.5));
        p.setBrush(QColor(230, 190, 90));
        p.drawRect(QRectF(3, 9, 26, 18));
        p.setBrush(QColor(245, 215, 120));
        p.drawPolygon(QPolygonF() << QPointF(6, 14) << QPointF(31, 14) << QPointF(27, 27) << QPointF(3, 27));
        break;
    case Picture::CloseShow:
        page();
        p.setPen(QPen(stop, 3));
        p.drawLine(QPointF(11, 10), QPointF(21, 22));
        p.drawLine(QPointF(21, 10), QPointF(11, 22));
        break;
    case Picture::ExitProgram:
        p.setPen(QPen(ink, 1.5));
        p.setBrush(QColor(160, 110, 70));
        p.drawRect(QRectF(5, 3, 14, 26));
        p.setPen(QPen(stop, 3));
        p.drawLine(QPointF(14, 16), QPointF(29, 16));
        p.drawLine(QPointF(24, 11), QPointF(29, 16));
        p.drawLine(QPointF(24, 21), QPointF(29, 16));
        break;
    case Picture::First:
        p.fillRect(QRectF(7, 8, 3, 16), ink);
        triangle(false, 11);
        break;
    case Picture::Prior: triangle(false, 10); break;
    case Picture::Next: triangle(true, 11); break;
    case Picture::Last:
        triangle(true, 10);
        p.fillRect(QRectF(22, 8, 3, 16), ink);
        break;
    }
    return QIcon(pm);
}

const char* themeName(Picture picture)
{
    switch (picture) {
    case Picture::NewShow: return "document-new";
    case Picture::OpenShow: return "document-open";
    case Picture::CloseShow: return "document-close";
    case Picture::ExitProgram: return "application-exit";
    case Picture::First: return "go-first";
    case Picture::Prior: return "go-previous";
    case Picture::Next: return "go-next";
    case Picture::Last: return "go-last";
    }
    return "";
}

} // namespace

QIcon pictureIcon(Picture picture)
{
    return QIcon::fromTheme(themeName(picture), drawn(picture));
}

void addCommandButton(QToolBar* bar, QAction* action)
{
    bar->addAction(action);
    // The button's own text grabs Alt + its letter (and clicks itself); a shortcut on the
    // action as well would make the key ambiguous.
    auto* button = qobject_cast<QToolButton*>(bar->widgetForAction(action));
    if (!button) return;
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setMinimumWidth(64);
    auto showText = [button, action] { button->setText(action->text()); };
    showText();
    // The button takes the action's text without "&" again whenever the action changes
    // (enabled, caption): put it back.
    QObject::connect(action, &QAction::changed, button, showText);
}

} // namespace bw
