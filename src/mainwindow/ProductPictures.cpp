#include "mainwindow/ProductPictures.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace tidepost {

namespace {

const QColor kNavy(16, 42, 82);
const QColor kSea(28, 96, 150);
const QColor kFoam(225, 238, 247);
const QColor kSignal(255, 196, 64);

void DrawSatellite(QPainter& p, const QPointF& centre, qreal scale) {
    p.save();
    p.translate(centre);
    p.rotate(-20);
    p.setPen(QPen(kNavy, 1.5 * scale));
    p.setBrush(QColor(190, 200, 215));
    p.drawRect(QRectF(-8 * scale, -6 * scale, 16 * scale, 12 * scale));
    p.setBrush(QColor(40, 80, 160));
    p.drawRect(QRectF(-38 * scale, -5 * scale, 26 * scale, 10 * scale));
    p.drawRect(QRectF(12 * scale, -5 * scale, 26 * scale, 10 * scale));
    p.restore();
}

void DrawShip(QPainter& p, const QRectF& r) {
    QPainterPath hull;
    hull.moveTo(r.left(), r.top() + r.height() * 0.55);
    hull.lineTo(r.right(), r.top() + r.height() * 0.55);
    hull.lineTo(r.right() - r.width() * 0.08, r.bottom());
    hull.lineTo(r.left() + r.width() * 0.05, r.bottom());
    hull.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(kNavy);
    p.drawPath(hull);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(r.left() + r.width() * 0.55, r.top() + r.height() * 0.25, r.width() * 0.3, r.height() * 0.3));
    p.setBrush(kNavy);
    // The mast with the transceiver's antenna dome on top.
    p.drawRect(QRectF(r.left() + r.width() * 0.68, r.top(), r.width() * 0.02, r.height() * 0.25));
    p.setBrush(Qt::white);
    p.setPen(QPen(kNavy, 1));
    const qreal dome = r.width() * 0.05;
    p.drawEllipse(QPointF(r.left() + r.width() * 0.69, r.top()), dome, dome * 0.8);
}

}  // namespace

QPixmap DrawProductScene(const QSize& size) {
    QPixmap pixmap(size);
    const QRectF all(QPointF(0, 0), QSizeF(size));
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(all.topLeft(), QPointF(0, all.height() * 0.62));
    sky.setColorAt(0, QColor(120, 170, 215));
    sky.setColorAt(1, kFoam);
    p.fillRect(all, sky);
    const QRectF sea(0, all.height() * 0.62, all.width(), all.height() * 0.38);
    QLinearGradient water(sea.topLeft(), sea.bottomLeft());
    water.setColorAt(0, kSea);
    water.setColorAt(1, kNavy);
    p.fillRect(sea, water);

    const qreal scale = all.height() / 281.0;
    const QPointF satellite(all.width() * 0.78, all.height() * 0.16);
    // The antenna dome on the ship's mast (DrawShip below).
    const QPointF antenna(all.width() * (0.08 + 0.36 * 0.69), all.height() * 0.44);
    // The link between the antenna and the satellite, as arcs rising from the ship.
    p.setPen(QPen(kSignal, 2.5 * scale));
    p.setBrush(Qt::NoBrush);
    for (int i = 1; i <= 3; ++i) {
        const qreal radius = 14.0 * scale * i;
        p.drawArc(QRectF(antenna.x() - radius, antenna.y() - radius, 2 * radius, 2 * radius), 20 * 16, 50 * 16);
    }
    p.setPen(QPen(kSignal, 1.5 * scale, Qt::DashLine));
    p.drawLine(antenna, satellite);
    DrawSatellite(p, satellite, scale);
    DrawShip(p, QRectF(all.width() * 0.08, all.height() * 0.44, all.width() * 0.36, all.height() * 0.24));

    QFont title(QStringLiteral("Sans Serif"));
    title.setBold(true);
    title.setPixelSize(qMax(10, int(40 * scale)));
    p.setFont(title);
    p.setPen(Qt::white);
    const QRectF words(all.width() * 0.48, all.height() * 0.66, all.width() * 0.5, all.height() * 0.2);
    p.drawText(words, Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("Tidepost"));
    QFont sub = title;
    sub.setBold(false);
    sub.setPixelSize(qMax(8, int(14 * scale)));
    p.setFont(sub);
    p.setPen(kFoam);
    p.drawText(QRectF(words.left(), words.bottom(), words.width(), all.height() * 0.1), Qt::AlignRight | Qt::AlignTop,
               QStringLiteral("Inmarsat-C terminal"));
    return pixmap;
}

QPixmap DrawTransceiverBox(const QSize& size) {
    QPixmap pixmap(size);
    pixmap.fill(Qt::white);
    const QRectF all(QPointF(0, 0), QSizeF(size));
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF box = all.adjusted(all.width() * 0.06, all.height() * 0.25, -all.width() * 0.06, -all.height() * 0.2);
    p.setPen(QPen(kNavy, 2));
    p.setBrush(QColor(70, 76, 86));
    p.drawRoundedRect(box, 6, 6);
    // The front panel: a display and two lamps.
    const QRectF display(box.left() + box.width() * 0.08, box.top() + box.height() * 0.22, box.width() * 0.5,
                         box.height() * 0.4);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 220, 160));
    p.drawRect(display);
    p.setBrush(QColor(60, 200, 80));
    p.drawEllipse(QPointF(box.left() + box.width() * 0.72, display.center().y()), box.height() * 0.08,
                  box.height() * 0.08);
    p.setBrush(QColor(230, 60, 50));
    p.drawEllipse(QPointF(box.left() + box.width() * 0.86, display.center().y()), box.height() * 0.08,
                  box.height() * 0.08);
    // The antenna cable up to its dome.
    p.setPen(QPen(kNavy, 2));
    p.drawLine(QPointF(box.right() - box.width() * 0.15, box.top()),
               QPointF(box.right() - box.width() * 0.15, all.height() * 0.12));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(box.right() - box.width() * 0.15, all.height() * 0.1), all.width() * 0.08,
                  all.height() * 0.08);
    return pixmap;
}

QPixmap DrawFamilyPicture(const QString& family, const QSize& size) {
    QPixmap pixmap = DrawTransceiverBox(size);
    QPainter p(&pixmap);
    QFont font = p.font();
    font.setBold(true);
    font.setPixelSize(qMax(7, size.height() / 4));
    p.setFont(font);
    p.setPen(kNavy);
    p.drawText(QRectF(0, size.height() * 0.78, size.width(), size.height() * 0.22), Qt::AlignCenter, family);
    return pixmap;
}

}  // namespace tidepost
