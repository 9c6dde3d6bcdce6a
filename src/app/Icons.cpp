#include "app/Icons.h"

#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace larkspur {

namespace {

struct Glyph {
    QString text;
    QColor colour;
    enum Shape { Page, Folder, Disk, Badge, Arrow, Scissors, Copy, Paste } shape;
};

const QHash<QString, Glyph>& glyphs() {
    static const QHash<QString, Glyph> table = {
        {QStringLiteral("FileNew1"), {QString(), QColor(0x3b, 0x6e, 0xc4), Glyph::Page}},
        {QStringLiteral("FileNewTemplete1"), {QStringLiteral("W"), QColor(0x3b, 0x6e, 0xc4), Glyph::Page}},
        {QStringLiteral("FileOpen1"), {QString(), QColor(0xd9, 0xa4, 0x2b), Glyph::Folder}},
        {QStringLiteral("FileSave1"), {QString(), QColor(0x3b, 0x6e, 0xc4), Glyph::Disk}},
        {QStringLiteral("EditUndo"), {QString(), QColor(0x44, 0x44, 0x44), Glyph::Arrow}},
        {QStringLiteral("EditCut1"), {QString(), QColor(0x44, 0x44, 0x44), Glyph::Scissors}},
        {QStringLiteral("EditCopy1"), {QString(), QColor(0x44, 0x44, 0x44), Glyph::Copy}},
        {QStringLiteral("EditPaste1"), {QString(), QColor(0x8a, 0x5a, 0x2b), Glyph::Paste}},
        {QStringLiteral("HTMLRetry"), {QStringLiteral("<>"), QColor(0x2e, 0x8b, 0x57), Glyph::Badge}},
        {QStringLiteral("HTMLFont"), {QStringLiteral("F"), QColor(0x2e, 0x8b, 0x57), Glyph::Badge}},
        {QStringLiteral("HTMLUrl"), {QStringLiteral("@"), QColor(0x2e, 0x8b, 0x57), Glyph::Badge}},
        {QStringLiteral("HTMLComment"), {QStringLiteral("!"), QColor(0x2e, 0x8b, 0x57), Glyph::Badge}},
        {QStringLiteral("ParetteTag"), {QStringLiteral("T"), QColor(0x7b, 0x4f, 0xb8), Glyph::Badge}},
        {QStringLiteral("ParetteSentence"), {QStringLiteral("文"), QColor(0x7b, 0x4f, 0xb8), Glyph::Badge}},
        {QStringLiteral("ParetteLink"), {QStringLiteral("A"), QColor(0x7b, 0x4f, 0xb8), Glyph::Badge}},
        {QStringLiteral("ParetteImg"), {QStringLiteral("画"), QColor(0x7b, 0x4f, 0xb8), Glyph::Badge}},
        {QStringLiteral("ParetteRGB"), {QStringLiteral("C"), QColor(0xc0, 0x39, 0x2b), Glyph::Badge}},
        {QStringLiteral("ParetteFont"), {QStringLiteral("Fo"), QColor(0xc0, 0x39, 0x2b), Glyph::Badge}},
        {QStringLiteral("ParetteTable"), {QStringLiteral("表"), QColor(0xc0, 0x39, 0x2b), Glyph::Badge}},
        {QStringLiteral("ParetteCSS"), {QStringLiteral("S"), QColor(0xc0, 0x39, 0x2b), Glyph::Badge}},
        {QStringLiteral("ParettePlugin"), {QStringLiteral("P"), QColor(0x7b, 0x4f, 0xb8), Glyph::Badge}},
        {QStringLiteral("BrowserIE"), {QStringLiteral("e"), QColor(0x1e, 0x88, 0xe5), Glyph::Badge}},
        {QStringLiteral("BrowserNN"), {QStringLiteral("N"), QColor(0x00, 0x69, 0x5c), Glyph::Badge}},
        {QStringLiteral("Larkspur"), {QStringLiteral("L"), QColor(0x7b, 0x4f, 0xb8), Glyph::Badge}},
        {QStringLiteral("Browser"), {QStringLiteral("B"), QColor(0x55, 0x55, 0x55), Glyph::Badge}},
    };
    return table;
}

void paint(QPainter& p, const Glyph& g, int size) {
    const qreal s = size / 16.0;
    p.setRenderHint(QPainter::Antialiasing);
    QPen outline(g.colour.darker(140), 1.0 * s);
    switch (g.shape) {
    case Glyph::Page: {
        QPainterPath path;
        path.moveTo(3 * s, 1.5 * s);
        path.lineTo(10 * s, 1.5 * s);
        path.lineTo(13 * s, 4.5 * s);
        path.lineTo(13 * s, 14.5 * s);
        path.lineTo(3 * s, 14.5 * s);
        path.closeSubpath();
        p.setPen(outline);
        p.setBrush(Qt::white);
        p.drawPath(path);
        p.setPen(QPen(g.colour, 1.0 * s));
        for (int i = 0; i < 3 && g.text.isEmpty(); ++i)
            p.drawLine(QPointF(5 * s, (7 + 2.5 * i) * s), QPointF(11 * s, (7 + 2.5 * i) * s));
        if (!g.text.isEmpty()) {
            QFont f;
            f.setPixelSize(int(8 * s));
            f.setBold(true);
            p.setFont(f);
            p.drawText(QRectF(3 * s, 5 * s, 10 * s, 9 * s), Qt::AlignCenter, g.text);
        }
        break;
    }
    case Glyph::Folder: {
        p.setPen(outline);
        p.setBrush(g.colour);
        p.drawRoundedRect(QRectF(1.5 * s, 4.5 * s, 13 * s, 9.5 * s), 1.5 * s, 1.5 * s);
        p.drawRect(QRectF(1.5 * s, 3 * s, 5 * s, 2 * s));
        break;
    }
    case Glyph::Disk: {
        p.setPen(outline);
        p.setBrush(g.colour);
        p.drawRoundedRect(QRectF(1.5 * s, 1.5 * s, 13 * s, 13 * s), 1.5 * s, 1.5 * s);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4 * s, 1.5 * s, 8 * s, 5 * s));
        p.drawRect(QRectF(4 * s, 9 * s, 8 * s, 5.5 * s));
        break;
    }
    case Glyph::Arrow: {
        p.setPen(QPen(g.colour, 2 * s, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(3 * s, 4 * s, 10 * s, 9 * s), 90 * 16, -220 * 16);
        QPolygonF head({QPointF(1.5 * s, 4.5 * s), QPointF(7 * s, 2 * s), QPointF(7 * s, 7.5 * s)});
        p.setBrush(g.colour);
        p.setPen(Qt::NoPen);
        p.drawPolygon(head);
        break;
    }
    case Glyph::Scissors: {
        p.setPen(QPen(g.colour, 1.5 * s));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRectF(2 * s, 10 * s, 4 * s, 4 * s));
        p.drawEllipse(QRectF(10 * s, 10 * s, 4 * s, 4 * s));
        p.drawLine(QPointF(5.5 * s, 10.5 * s), QPointF(11 * s, 1.5 * s));
        p.drawLine(QPointF(10.5 * s, 10.5 * s), QPointF(5 * s, 1.5 * s));
        break;
    }
    case Glyph::Copy: {
        p.setPen(outline);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(1.5 * s, 1.5 * s, 8 * s, 10 * s));
        p.drawRect(QRectF(6.5 * s, 4.5 * s, 8 * s, 10 * s));
        break;
    }
    case Glyph::Paste: {
        p.setPen(outline);
        p.setBrush(g.colour);
        p.drawRoundedRect(QRectF(2 * s, 2.5 * s, 10 * s, 12 * s), 1 * s, 1 * s);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(7 * s, 6.5 * s, 7.5 * s, 8 * s));
        break;
    }
    case Glyph::Badge: {
        p.setPen(Qt::NoPen);
        p.setBrush(g.colour);
        p.drawRoundedRect(QRectF(0.5 * s, 0.5 * s, 15 * s, 15 * s), 3 * s, 3 * s);
        QFont f;
        f.setPixelSize(int((g.text.size() > 1 ? 8 : 11) * s));
        f.setBold(true);
        p.setFont(f);
        p.setPen(Qt::white);
        p.drawText(QRectF(0, 0, 16 * s, 16 * s), Qt::AlignCenter, g.text);
        break;
    }
    }
}

} // namespace

QIcon ActionIcon(const QString& action) {
    static QHash<QString, QIcon> cache;
    auto it = cache.constFind(action);
    if (it != cache.constEnd())
        return *it;
    QIcon icon;
    auto g = glyphs().constFind(action);
    if (g != glyphs().constEnd()) {
        for (int size : {16, 24, 32}) {
            QPixmap pm(size, size);
            pm.fill(Qt::transparent);
            QPainter p(&pm);
            paint(p, *g, size);
            p.end();
            icon.addPixmap(pm);
        }
    }
    cache.insert(action, icon);
    return icon;
}

} // namespace larkspur
