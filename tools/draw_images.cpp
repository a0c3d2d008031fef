// Draws every interface image of Ovelia (the files of resources/PicRes) with QPainter,
// each as name.png and, twice as large for high-DPI screens, name@2x.png, and the
// application's icon at the icon theme's sizes (resources/icons/hicolor).
// Regenerate the committed images with: cmake --build <build dir> --target images
// A new image needs a row in a table below and two lines in resources/PicRes.qrc.

#include <QColor>
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTextStream>

#include <array>
#include <functional>
#include <vector>

namespace {

// ---------------------------------------------------------------- design colours

namespace Colour {
const QColor window("#1d212a");
const QColor panel("#232a37");
const QColor panelBorder("#2e3748");
const QColor light("#56698c");
const QColor accent("#0091ff");
const QColor accentCyan(0, 163, 226);
const QColor textBright("#cfdfff");
const QColor muted("#8fa2c9");
const QColor shadowLine("#11141a");
const QColor highlightLine("#2b3343");
} // namespace Colour

QColor withAlpha(QColor colour, int alpha)
{
    colour.setAlpha(alpha);
    return colour;
}

// ---------------------------------------------------------------- image table types

enum State { Normal, Hover, Active, StateCount };
const std::array<const char *, StateCount> buttonStateNames{"Normal", "Hover", "Pressed"};
const std::array<const char *, StateCount> editStateNames{"Normal", "Hover", "Focused"};

using Painter = std::function<void(QPainter &, const QRectF &)>;
using Glyph = std::function<void(QPainter &, const QRectF &box, const QColor &ink)>;

struct Image
{
    QString name;
    QSize size;
    Painter paint;
};

// ---------------------------------------------------------------- geometry helpers

QPointF at(const QRectF &box, qreal x, qreal y)
{
    return {box.left() + x * box.width(), box.top() + y * box.height()};
}

QRectF between(const QRectF &box, qreal x1, qreal y1, qreal x2, qreal y2)
{
    return {at(box, x1, y1), at(box, x2, y2)};
}

// Whole-pixel corners keep thin shapes sharp.
QRectF snapped(const QRectF &rect)
{
    return {QPointF(qRound(rect.left()), qRound(rect.top())),
            QPointF(qRound(rect.right()), qRound(rect.bottom()))};
}

QRectF centredSquare(const QRectF &area, qreal side)
{
    return {area.center().x() - side / 2, area.center().y() - side / 2, side, side};
}

QPainterPath roundedRect(const QRectF &rect, qreal radius)
{
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    return path;
}

QLinearGradient verticalGradient(const QRectF &rect, const QColor &top, const QColor &bottom)
{
    QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    return gradient;
}

QPen roundPen(const QColor &ink, qreal width)
{
    return QPen(ink, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void strokeShape(QPainter &p, const QPainterPath &path, const QColor &ink, qreal width)
{
    p.strokePath(path, roundPen(ink, width));
}

// Filled polygon with slightly rounded corners.
void fillSoftPolygon(QPainter &p, const QVector<QPointF> &corners, const QColor &ink, qreal rounding)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(corners));
    path.closeSubpath();
    p.setPen(roundPen(ink, rounding));
    p.setBrush(ink);
    p.drawPath(path);
}

void horizontalRule(QPainter &p, qreal y, qreal x1, qreal x2, const QColor &ink)
{
    p.fillRect(QRectF(x1, y, x2 - x1, 1), ink);
}

void verticalRule(QPainter &p, qreal x, qreal y1, qreal y2, const QColor &ink)
{
    p.fillRect(QRectF(x, y1, 1, y2 - y1), ink);
}

// A groove: a dark line with a faint light line below or to the right of it.
void horizontalSeparator(QPainter &p, qreal y, qreal x1, qreal x2)
{
    horizontalRule(p, y, x1, x2, Colour::shadowLine);
    horizontalRule(p, y + 1, x1, x2, Colour::highlightLine);
}

void verticalSeparator(QPainter &p, qreal x, qreal y1, qreal y2)
{
    verticalRule(p, x, y1, y2, Colour::shadowLine);
    verticalRule(p, x + 1, y1, y2, Colour::highlightLine);
}

void accentLine(QPainter &p, const QRectF &line)
{
    QLinearGradient gradient(line.topLeft(), line.topRight());
    gradient.setColorAt(0, Colour::accent);
    gradient.setColorAt(0.6, Colour::accentCyan);
    gradient.setColorAt(1, withAlpha(Colour::accentCyan, 40));
    p.fillRect(line, gradient);
}

void dropShadow(QPainter &p, const QRectF &card, qreal radius)
{
    const int spread = 5;
    for (int step = spread; step >= 1; --step) {
        const QRectF halo = card.adjusted(-step, -step, step, step).translated(1, 2);
        p.fillPath(roundedRect(halo, radius + step), QColor(0, 0, 0, 14 + 6 * (spread - step)));
    }
}

// ---------------------------------------------------------------- glyph painters

// Glyphs are drawn pointing up or left; rotated() turns them (clockwise degrees).
Glyph rotated(const Glyph &glyph, qreal degrees)
{
    return [glyph, degrees](QPainter &p, const QRectF &box, const QColor &ink) {
        p.save();
        p.translate(box.center());
        p.rotate(degrees);
        p.translate(-box.center());
        glyph(p, box, ink);
        p.restore();
    };
}

void glyphTriangle(QPainter &p, const QRectF &box, const QColor &ink)
{
    fillSoftPolygon(p, {at(box, 0.5, 0.18), at(box, 0.98, 0.78), at(box, 0.02, 0.78)}, ink,
                    box.width() * 0.06);
}

void glyphChevron(QPainter &p, const QRectF &box, const QColor &ink)
{
    QPainterPath path(at(box, 0.14, 0.68));
    path.lineTo(at(box, 0.5, 0.32));
    path.lineTo(at(box, 0.86, 0.68));
    strokeShape(p, path, ink, box.width() * 0.17);
}

void glyphPlay(QPainter &p, const QRectF &box, const QColor &ink)
{
    fillSoftPolygon(p, {at(box, 0.24, 0.1), at(box, 0.94, 0.5), at(box, 0.24, 0.9)}, ink,
                    box.width() * 0.1);
}

void glyphPause(QPainter &p, const QRectF &box, const QColor &ink)
{
    const qreal radius = box.width() * 0.06;
    p.fillPath(roundedRect(between(box, 0.16, 0.1, 0.4, 0.9), radius), ink);
    p.fillPath(roundedRect(between(box, 0.6, 0.1, 0.84, 0.9), radius), ink);
}

void glyphPrevious(QPainter &p, const QRectF &box, const QColor &ink)
{
    p.fillPath(roundedRect(between(box, 0.1, 0.14, 0.26, 0.86), box.width() * 0.05), ink);
    fillSoftPolygon(p, {at(box, 0.88, 0.16), at(box, 0.34, 0.5), at(box, 0.88, 0.84)}, ink,
                    box.width() * 0.08);
}

void glyphSpeaker(QPainter &p, const QRectF &box, const QColor &ink)
{
    fillSoftPolygon(p,
                    {at(box, 0.06, 0.36), at(box, 0.24, 0.36), at(box, 0.5, 0.12), at(box, 0.5, 0.88),
                     at(box, 0.24, 0.64), at(box, 0.06, 0.64)},
                    ink, box.width() * 0.06);
}

void glyphVolume(QPainter &p, const QRectF &box, const QColor &ink)
{
    glyphSpeaker(p, box, ink);
    const QPointF centre = at(box, 0.5, 0.5);
    p.setPen(roundPen(ink, box.width() * 0.08));
    p.setBrush(Qt::NoBrush);
    for (qreal radius : {0.2, 0.38}) {
        const qreal r = radius * box.width();
        p.drawArc(QRectF(centre.x() - r, centre.y() - r, 2 * r, 2 * r), -50 * 16, 100 * 16);
    }
}

void glyphMute(QPainter &p, const QRectF &box, const QColor &ink)
{
    glyphSpeaker(p, box, ink);
    QPainterPath cross(at(box, 0.64, 0.36));
    cross.lineTo(at(box, 0.92, 0.64));
    cross.moveTo(at(box, 0.92, 0.36));
    cross.lineTo(at(box, 0.64, 0.64));
    strokeShape(p, cross, ink, box.width() * 0.09);
}

void glyphMinimise(QPainter &p, const QRectF &box, const QColor &ink)
{
    QPainterPath line(at(box, 0.12, 0.62));
    line.lineTo(at(box, 0.88, 0.62));
    strokeShape(p, line, ink, box.width() * 0.15);
}

void glyphClose(QPainter &p, const QRectF &box, const QColor &ink)
{
    QPainterPath cross(at(box, 0.12, 0.12));
    cross.lineTo(at(box, 0.88, 0.88));
    cross.moveTo(at(box, 0.88, 0.12));
    cross.lineTo(at(box, 0.12, 0.88));
    strokeShape(p, cross, ink, box.width() * 0.15);
}

void glyphGear(QPainter &p, const QRectF &box, const QColor &ink)
{
    const QPointF centre = box.center();
    const qreal side = box.width();
    QPainterPath gear;
    gear.addEllipse(centre, side * 0.36, side * 0.36);
    for (int tooth = 0; tooth < 8; ++tooth) {
        QTransform turn;
        turn.translate(centre.x(), centre.y());
        turn.rotate(tooth * 45);
        QPainterPath cog;
        cog.addRoundedRect(QRectF(-side * 0.1, -side * 0.5, side * 0.2, side * 0.22), side * 0.04,
                           side * 0.04);
        gear = gear.united(turn.map(cog));
    }
    QPainterPath hole;
    hole.addEllipse(centre, side * 0.15, side * 0.15);
    p.fillPath(gear.subtracted(hole), ink);
}

QPainterPath folderShape(const QRectF &box)
{
    const qreal radius = box.width() * 0.08;
    const QPainterPath tab = roundedRect(between(box, 0.04, 0.08, 0.46, 0.36), radius);
    return tab.united(roundedRect(between(box, 0.04, 0.2, 0.96, 0.9), radius));
}

void glyphFolderPlus(QPainter &p, const QRectF &box, const QColor &ink)
{
    QPainterPath plus;
    plus.setFillRule(Qt::WindingFill);
    plus.addRect(snapped(between(box, 0.43, 0.36, 0.57, 0.8)));
    plus.addRect(snapped(between(box, 0.26, 0.5, 0.74, 0.64)));
    p.fillPath(folderShape(box).subtracted(plus.simplified()), ink);
}

void glyphCheck(QPainter &p, const QRectF &box, const QColor &ink)
{
    QPainterPath mark(at(box, 0.18, 0.52));
    mark.lineTo(at(box, 0.42, 0.76));
    mark.lineTo(at(box, 0.84, 0.26));
    strokeShape(p, mark, ink, box.width() * 0.16);
}

const Glyph arrowUp = glyphTriangle;
const Glyph arrowRight = rotated(glyphTriangle, 90);
const Glyph arrowDown = rotated(glyphTriangle, 180);
const Glyph arrowLeft = rotated(glyphTriangle, 270);
const Glyph chevronUp = glyphChevron;
const Glyph chevronRight = rotated(glyphChevron, 90);
const Glyph chevronDown = rotated(glyphChevron, 180);
const Glyph chevronLeft = rotated(glyphChevron, 270);
const Glyph glyphNext = rotated(glyphPrevious, 180);

// ---------------------------------------------------------------- button faces

// A face is a rounded gradient surface standing on a darker edge (its thickness);
// pressed, the edge disappears and the surface shows a shadow at its top.
struct FaceLook
{
    QColor top, bottom, border, edge, ink;
};

using FaceScheme = std::array<FaceLook, StateCount>;

// Text colours of the theme decide the faces: dark text on light steel, white
// on blue. Every face leaves its text colour 4.5:1 or more: the blues under
// white text stay dark, the pressed faces under dark text light.
const FaceScheme steelFace{{
    {"#b3c5e5", "#8da3cb", "#6d84ad", "#4b5d84", "#1f2430"},
    {"#1873c4", "#0f63b0", "#0a5aa3", "#06447d", "#ffffff"},
    {"#7ab8ea", "#8fc4ef", "#3d82bf", {}, "#001c58"},
}};
const FaceScheme slateFace{{
    {"#2c364b", "#262f41", "#4a5a7b", "#161a23", "#8fa2c9"},
    {"#536892", "#435579", "#6a80ab", "#252e42", "#ffffff"},
    {"#c2cfe8", "#d4def0", "#7c91ba", {}, "#465675"},
}};
const FaceScheme blueFace{{
    {"#1667b5", "#0d5296", "#0b4a88", "#083866", "#ffffff"},
    {"#1873c4", "#0f63b0", "#0a5aa3", "#06447d", "#ffffff"},
    {"#d8e8fa", "#e3effc", "#7ba6d6", {}, "#0068b7"},
}};
const FaceScheme tabFace{{
    {"#272e3d", "#222835", "#303a4d", "#161a22", "#a6b4d0"},
    {"#45587f", "#37476b", "#54688f", "#1e2535", "#ffffff"},
    {"#1a2029", "#262e3d", "#3a4761", {}, "#ffffff"},
}};
// A disabled face is flat and grey: no blue, no edge, its text dimmed to 3:1 or more.
const FaceLook disabledFace{"#2e3646", "#2e3646", "#3a4558", {}, "#7d8aa3"};

struct FaceButton
{
    const char *name;
    QSize size;
    const FaceScheme *scheme;
    qreal textPadding; // the widget's padding-bottom: the surface ends above it
    Glyph leading;     // a symbol left of the widget's centred text
    qreal leadingSide;
    Glyph trailing;    // a small caret at the right
};

const qreal faceRadius = 3;
const qreal edgeThickness = 3;
const qreal glyphMargin = 5;
const qreal caretSide = 8;

QRectF faceSurface(const QRectF &area, qreal textPadding)
{
    const qreal below = qMax(textPadding, edgeThickness - 1);
    return area.adjusted(0, 0, 0, -below);
}

// A thin shade at the top: the text below keeps its contrast.
void paintPressedShadow(QPainter &p, const QRectF &surface)
{
    p.save();
    p.setClipPath(roundedRect(surface, faceRadius));
    QLinearGradient shade(surface.topLeft(), surface.topLeft() + QPointF(0, surface.height() * 0.25));
    shade.setColorAt(0, QColor(0, 0, 0, 60));
    shade.setColorAt(1, QColor(0, 0, 0, 0));
    p.fillRect(surface, shade);
    p.restore();
}

QRectF glyphBox(qreal left, const QRectF &surface, qreal side)
{
    return {left, qRound(surface.center().y() - side / 2) * 1.0, side, side};
}

void paintFaceGlyphs(QPainter &p, const QRectF &surface, const FaceButton &button, const QColor &ink)
{
    if (button.leading)
        button.leading(p, glyphBox(surface.left() + glyphMargin, surface, button.leadingSide), ink);
    if (button.trailing)
        button.trailing(p, glyphBox(surface.right() - glyphMargin - caretSide, surface, caretSide), ink);
}

void paintFaceLook(QPainter &p, const QRectF &area, const FaceButton &button, const FaceLook &look,
                   State state)
{
    const QRectF surface = faceSurface(area, button.textPadding);
    const qreal edge = qMin(edgeThickness, area.bottom() - surface.bottom());
    if (look.edge.isValid())
        p.fillPath(roundedRect(surface.adjusted(0, edge, 0, edge), faceRadius), look.edge);

    const QRectF body = surface.adjusted(0.5, 0.5, -0.5, -0.5);
    p.setPen(QPen(look.border, 1));
    p.setBrush(verticalGradient(body, look.top, look.bottom));
    p.drawRoundedRect(body, faceRadius, faceRadius);
    if (state == Active)
        paintPressedShadow(p, surface);
    else if (look.edge.isValid())
        horizontalRule(p, surface.top() + 1, surface.left() + faceRadius, surface.right() - faceRadius,
                       QColor(255, 255, 255, 70));
    paintFaceGlyphs(p, surface, button, look.ink);
}

void paintFace(QPainter &p, const QRectF &area, const FaceButton &button, State state)
{
    paintFaceLook(p, area, button, (*button.scheme)[state], state);
}

// ---------------------------------------------------------------- glyph buttons

enum class Plate { Circle, Square };

// An invalid plate colour leaves the glyph on the bare background.
struct PlateLook
{
    QColor top, bottom, ring, ink;
};

struct GlyphScheme
{
    Plate plate;
    std::array<PlateLook, StateCount> looks;
};

const GlyphScheme playScheme{Plate::Circle,
                             {{
                                 {"#2aa0ff", "#0a6dd4", QColor(0, 0, 0, 110), "#ffffff"},
                                 {"#62bdff", "#1a8cf2", QColor(0, 145, 255, 110), "#ffffff"},
                                 {"#0a4f93", "#0d62b3", QColor(0, 0, 0, 140), "#cfe3ff"},
                             }}};
const GlyphScheme playerScheme{Plate::Circle,
                               {{
                                   {{}, {}, {}, "#8fa2c9"},
                                   {"#44557a", "#38486a", {}, "#ffffff"},
                                   {"#151922", "#1d232f", {}, "#0091ff"},
                               }}};
const GlyphScheme windowScheme{Plate::Square,
                               {{
                                   {{}, {}, {}, "#8fa2c9"},
                                   {"#44557a", "#394860", {}, "#ffffff"},
                                   {"#1a1f29", "#232a37", {}, "#0091ff"},
                               }}};
const GlyphScheme closeScheme{Plate::Square,
                              {{
                                  {{}, {}, {}, "#8fa2c9"},
                                  {"#ea5a61", "#cf3d45", {}, "#ffffff"},
                                  {"#9e2d34", "#b9373f", {}, "#f6cfd2"},
                              }}};
const GlyphScheme scrollScheme{Plate::Square,
                               {{
                                   {{}, {}, {}, "#8191b2"},
                                   {{}, {}, {}, "#2ea3f2"},
                                   {"#0e4979", "#0e4979", {}, "#bed4ff"},
                               }}};
const GlyphScheme spinScheme{Plate::Square,
                             {{
                                 {{}, {}, {}, "#8fa2c9"},
                                 {"#4a5d83", "#3d4d6e", {}, "#ffffff"},
                                 {"#0e4979", "#0e4979", {}, "#bed4ff"},
                             }}};

struct GlyphButton
{
    const char *name;
    QSize size;
    const GlyphScheme *scheme;
    Glyph glyph;
    qreal glyphScale; // glyph side as a part of the shorter image side
};

void paintCirclePlate(QPainter &p, const QRectF &area, const PlateLook &look)
{
    const qreal ringWidth = look.ring.isValid() ? 1.5 : 0;
    const QRectF disc = centredSquare(area, qMin(area.width(), area.height()) - 2 * ringWidth - 1);
    if (look.ring.isValid()) {
        p.setPen(QPen(look.ring, ringWidth * 2));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(disc);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(verticalGradient(disc, look.top, look.bottom));
    p.drawEllipse(disc);
    if (look.ring.isValid()) {
        QRadialGradient gloss(at(disc, 0.5, 0.05), disc.width() * 0.6);
        gloss.setColorAt(0, QColor(255, 255, 255, 70));
        gloss.setColorAt(1, QColor(255, 255, 255, 0));
        p.setBrush(gloss);
        p.drawEllipse(disc);
    }
}

void paintSquarePlate(QPainter &p, const QRectF &area, const PlateLook &look)
{
    const qreal radius = qMin(area.width(), area.height()) * 0.2;
    p.fillPath(roundedRect(area, radius), verticalGradient(area, look.top, look.bottom));
}

void paintGlyphButton(QPainter &p, const QRectF &area, const GlyphButton &button, State state)
{
    const PlateLook &look = button.scheme->looks[state];
    if (look.top.isValid()) {
        if (button.scheme->plate == Plate::Circle)
            paintCirclePlate(p, area, look);
        else
            paintSquarePlate(p, area, look);
    }
    const qreal side = qRound(qMin(area.width(), area.height()) * button.glyphScale);
    button.glyph(p, centredSquare(area, side), look.ink);
}

// ---------------------------------------------------------------- line-edit frames

struct EditLook
{
    QColor fill, border, glow;
};

const std::array<EditLook, StateCount> editLooks{{
    {"#262e3e", "#38455e", {}},
    {"#2b3446", "#5b6f95", {}},
    {"#1f2533", "#0091ff", QColor(0, 145, 255, 70)},
}};

void paintEditFrame(QPainter &p, const QRectF &area, State state)
{
    const EditLook &look = editLooks[state];
    const QRectF frame = area.adjusted(0.5, 0.5, -0.5, -0.5);
    p.setPen(QPen(look.border, 1));
    p.setBrush(look.fill);
    p.drawRoundedRect(frame, 2, 2);
    if (look.glow.isValid()) {
        p.setPen(QPen(look.glow, 1));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(frame.adjusted(1, 1, -1, -1), 1.5, 1.5);
    }
    horizontalRule(p, area.top() + 1, area.left() + 2, area.right() - 2, QColor(0, 0, 0, 60));
}

// ---------------------------------------------------------------- single images

void paintCheckBox(QPainter &p, const QRectF &area, bool checked)
{
    const QRectF box = area.adjusted(1.5, 1.5, -1.5, -1.5);
    if (checked) {
        p.setPen(QPen(QColor("#0a6fd0"), 1));
        p.setBrush(verticalGradient(box, QColor("#2ea6ff"), QColor("#0a7fe6")));
    } else {
        p.setPen(QPen(Colour::light, 1));
        p.setBrush(verticalGradient(box, QColor("#181c25"), QColor("#222938")));
    }
    p.drawRoundedRect(box, 2.5, 2.5);
    if (checked)
        glyphCheck(p, box.adjusted(1, 1, -1, -1), Qt::white);
}

void paintRecordPathIcon(QPainter &p, const QRectF &area)
{
    const QRectF box = area.adjusted(1, 1, -1, -1);
    const QPainterPath folder = folderShape(box);
    p.fillPath(folder, verticalGradient(box, QColor("#3aaeff"), QColor("#0a78dc")));
    p.strokePath(folder, QPen(QColor("#0a5fae"), 1));
    const qreal left = at(box, 0.22, 0).x();
    const qreal right = at(box, 0.78, 0).x();
    for (qreal y : {0.46, 0.6, 0.74}) {
        const qreal row = qRound(at(box, 0, y).y());
        p.fillRect(QRectF(left, row, right - left, 1.5), QColor(230, 241, 255, 230));
    }
}

// A wave each side of the centre, as a radio's symbol draws them.
void paintRadioWave(QPainter &p, const QPointF &centre, qreal radius, qreal width, const QColor &ink)
{
    const QRectF ring(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    p.setBrush(Qt::NoBrush);
    p.setPen(roundPen(ink, width));
    p.drawArc(ring, -42 * 16, 84 * 16);
    p.drawArc(ring, 138 * 16, 84 * 16);
}

void paintRadioWaves(QPainter &p, const QPointF &centre, qreal scale, const QColor &inner,
                     const QColor &outer)
{
    paintRadioWave(p, centre, 0.5 * scale, 0.13 * scale, inner);
    paintRadioWave(p, centre, 0.9 * scale, 0.13 * scale, outer);
}

QFont fittedFont(const QString &text, qreal width, qreal maxPixelSize)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setWeight(QFont::Bold);
    for (int pixels = qRound(maxPixelSize); pixels > 6; --pixels) {
        font.setPixelSize(pixels);
        if (QFontMetricsF(font).horizontalAdvance(text) <= width)
            break;
    }
    return font;
}

void paintLogo(QPainter &p, const QRectF &area)
{
    const QPointF centre(area.left() + 19, area.center().y());
    const qreal scale = 17;
    paintRadioWaves(p, centre, scale, Colour::accentCyan, Colour::accent);
    p.setPen(Qt::NoPen);
    p.setBrush(Colour::textBright);
    p.drawEllipse(centre, 3.6, 3.6);

    const QString word = QStringLiteral("Ovelia");
    const QRectF textArea(area.left() + 40, area.top(), area.width() - 42, area.height());
    const QFont font = fittedFont(word, textArea.width(), 21);
    p.setFont(font);
    p.setPen(Colour::textBright);
    p.drawText(textArea, Qt::AlignLeft | Qt::AlignVCenter, word);
}

// The application's icon: the logo's waves, white on a blue tile. Under 32
// pixels a single, thicker wave each side keeps the mark readable.
void paintApplicationIcon(QPainter &p, const QRectF &area)
{
    const qreal side = area.width();
    const qreal margin = side * 0.06;
    const QRectF tile = snapped(area.adjusted(margin, margin, -margin, -margin));
    const QPainterPath outline = roundedRect(tile.adjusted(0.5, 0.5, -0.5, -0.5), side * 0.2);
    p.fillPath(outline, verticalGradient(tile, QColor("#2aa0ff"), QColor("#0a6dd4")));
    p.strokePath(outline, QPen(QColor("#0a5fae"), 1));
    const QPointF centre = tile.center();
    if (side < 32) // whole pixels: the wave's sides stand on two pixel columns
        paintRadioWave(p, centre, qRound(side * 0.27), 2, Qt::white);
    else
        paintRadioWaves(p, centre, side * 0.38, Qt::white, Qt::white);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    const qreal dot = qMax(1.5, side * 0.08);
    p.drawEllipse(centre, dot, dot);
}

// ---------------------------------------------------------------- window backgrounds

// Regions of the main window, in window pixels.
const qreal titleBandHeight = 51;
const qreal leftColumnWidth = 182;
const QRectF filterBand(184, 84, 854, 60);
const QRectF listCard(184, 146, 854, 433);  // action band, record table, paging band
const qreal actionBandBottom = 174;
const qreal pagingBandTop = 551;
const qreal playerBandTop = 583;

void paintCard(QPainter &p, const QRectF &rect, const QColor &top, const QColor &bottom)
{
    const QRectF body = rect.adjusted(0.5, 0.5, -0.5, -0.5);
    p.setPen(QPen(Colour::panelBorder, 1));
    p.setBrush(verticalGradient(body, top, bottom));
    p.drawRoundedRect(body, 4, 4);
}

void paintTitleBand(QPainter &p, const QRectF &band)
{
    p.fillRect(band, verticalGradient(band, QColor("#262d3b"), QColor("#1a1e27")));
    accentLine(p, QRectF(band.left(), band.top(), band.width(), 2));
    horizontalSeparator(p, band.bottom() - 1, band.left(), band.right());
}

void paintLeftColumn(QPainter &p, const QRectF &column)
{
    p.fillRect(column, QColor("#20252f"));
    const QRectF treeHeader(column.left(), 84, column.width() - 1, 68);
    p.fillRect(treeHeader, verticalGradient(treeHeader, QColor("#283042"), QColor("#222938")));
    horizontalSeparator(p, treeHeader.top() - 1, column.left(), column.right() - 1);
    horizontalSeparator(p, treeHeader.bottom(), column.left(), column.right() - 1);
    verticalSeparator(p, column.right() - 1, column.top(), column.bottom());
}

void paintListCard(QPainter &p)
{
    paintCard(p, listCard, Colour::panel, Colour::panel);
    const QRectF actionBand(listCard.left() + 1, listCard.top() + 1, listCard.width() - 2,
                            actionBandBottom - listCard.top() - 1);
    p.fillRect(actionBand, verticalGradient(actionBand, QColor("#2a3244"), QColor("#252c3b")));
    const QRectF pagingBand(listCard.left() + 1, pagingBandTop, listCard.width() - 2,
                            listCard.bottom() - pagingBandTop - 1);
    p.fillRect(pagingBand, verticalGradient(pagingBand, QColor("#252c3b"), QColor("#1f2532")));
    horizontalRule(p, pagingBandTop, listCard.left() + 1, listCard.right() - 1, Colour::shadowLine);
}

void paintPlayerBand(QPainter &p, const QRectF &band)
{
    p.fillRect(band, verticalGradient(band, QColor("#1b1f28"), QColor("#14171e")));
    horizontalSeparator(p, band.top(), band.left(), band.right());
}

void paintWindowFrame(QPainter &p, const QRectF &area)
{
    p.setPen(QPen(QColor("#0c0e12"), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(area.adjusted(0.5, 0.5, -0.5, -0.5));
}

void paintMainBackground(QPainter &p, const QRectF &area)
{
    p.fillRect(area, Colour::window);
    paintLeftColumn(p, QRectF(0, titleBandHeight, leftColumnWidth, area.height() - titleBandHeight));
    paintCard(p, filterBand, QColor("#262d3c"), QColor("#222836"));
    paintListCard(p);
    paintPlayerBand(p, QRectF(leftColumnWidth, playerBandTop, area.width() - leftColumnWidth,
                              area.height() - playerBandTop));
    paintTitleBand(p, QRectF(0, 0, area.width(), titleBandHeight));
    paintWindowFrame(p, area);
}

// Dialogs: a rounded card with a title strip, on a soft shadow (the windows are translucent).
const qreal dialogTitleBottom = 52;

void paintDialogBackground(QPainter &p, const QRectF &area)
{
    const QRectF card(5, 5, area.width() - 16, area.height() - 16);
    const qreal radius = 6;
    dropShadow(p, card, radius);
    const QPainterPath outline = roundedRect(card, radius);
    p.save();
    p.setClipPath(outline);
    p.fillRect(card, verticalGradient(card, QColor("#1f242e"), Colour::window));
    const QRectF title(card.left(), card.top(), card.width(), dialogTitleBottom - card.top());
    p.fillRect(title, verticalGradient(title, QColor("#2b3447"), QColor("#222a39")));
    accentLine(p, QRectF(card.left(), card.top(), card.width(), 2));
    horizontalSeparator(p, dialogTitleBottom, card.left(), card.right());
    p.restore();
    p.strokePath(roundedRect(card.adjusted(0.5, 0.5, -0.5, -0.5), radius), QPen(QColor("#3a4761"), 1));
}

// ---------------------------------------------------------------- the image table

using StatePainter = std::function<void(QPainter &, const QRectF &, State)>;

// One image per state, named <baseName>_<state>.
void addStates(std::vector<Image> &images, const QString &baseName, const QSize &size,
               const std::array<const char *, StateCount> &stateNames, const StatePainter &paint)
{
    for (int state = Normal; state < StateCount; ++state)
        images.push_back({baseName + QLatin1Char('_') + QLatin1String(stateNames[state]), size,
                          [paint, state](QPainter &p, const QRectF &area) { paint(p, area, State(state)); }});
}

Painter glyphImage(const Glyph &glyph, const QColor &ink, qreal scale)
{
    return [glyph, ink, scale](QPainter &p, const QRectF &area) {
        glyph(p, centredSquare(area, qRound(qMin(area.width(), area.height()) * scale)), ink);
    };
}

void addFaceButtons(std::vector<Image> &images)
{
    const Glyph none;
    const FaceButton buttons[] = {
        {"Btn_BigSize", {116, 25}, &steelFace, 6, none, 0, none},
        {"Btn_SmallSize", {96, 25}, &steelFace, 6, none, 0, none},
        {"Btn_Import", {116, 30}, &steelFace, 8, glyphFolderPlus, 14, none},
        {"Btn_HomeLastPage", {41, 22}, &slateFace, 0, none, 0, none},
        {"Btn_PreNextPage", {61, 22}, &slateFace, 0, none, 0, none},
        {"Btn_Settings", {94, 29}, &tabFace, 0, glyphGear, 11, chevronDown},
        {"Btn_TipWnd", {375, 46}, &blueFace, 0, none, 0, none},
        {"Btn_TipWndSmall", {188, 46}, &blueFace, 0, none, 0, none},
        {"Btn_ImportAndRename", {228, 46}, &blueFace, 0, none, 0, none},
        {"Btn_FolderFileBrowse", {73, 27}, &blueFace, 5, none, 0, none},
    };
    for (const FaceButton &button : buttons) {
        addStates(images, QLatin1String(button.name), button.size, buttonStateNames,
                  [button](QPainter &p, const QRectF &area, State state) { paintFace(p, area, button, state); });
        // The import dialog's browse button of the mode not chosen is disabled.
        if (QLatin1String(button.name) == QLatin1String("Btn_FolderFileBrowse"))
            images.push_back({QLatin1String(button.name) + QLatin1String("_Disabled"), button.size,
                              [button](QPainter &p, const QRectF &area) {
                                  paintFaceLook(p, area, button, disabledFace, Normal);
                              }});
    }
}

void addGlyphButtons(std::vector<Image> &images)
{
    const GlyphButton buttons[] = {
        {"Btn_PlaySound", {47, 48}, &playScheme, glyphPlay, 0.36},
        {"Btn_SoundPause", {47, 48}, &playScheme, glyphPause, 0.34},
        {"Btn_PreSound", {23, 21}, &playerScheme, glyphPrevious, 0.5},
        {"Btn_NextSound", {23, 21}, &playerScheme, glyphNext, 0.5},
        {"Btn_SoundVolume", {26, 24}, &playerScheme, glyphVolume, 0.62},
        {"Btn_SoundSlient", {26, 24}, &playerScheme, glyphMute, 0.62},
        {"Btn_MainWinMin", {23, 23}, &windowScheme, glyphMinimise, 0.44},
        {"Btn_MainWinClose", {23, 23}, &closeScheme, glyphClose, 0.4},
        {"Btn_ScrollBarU", {10, 9}, &scrollScheme, arrowUp, 0.7},
        {"Btn_ScrollBarD", {10, 9}, &scrollScheme, arrowDown, 0.7},
        {"Btn_ScrollBarL", {9, 10}, &scrollScheme, arrowLeft, 0.7},
        {"Btn_ScrollBarR", {9, 10}, &scrollScheme, arrowRight, 0.7},
        {"SPN_UpArrow", {16, 9}, &spinScheme, chevronUp, 0.85},
        {"SPN_DownArrow", {16, 9}, &spinScheme, chevronDown, 0.85},
    };
    for (const GlyphButton &button : buttons)
        addStates(images, QLatin1String(button.name), button.size, buttonStateNames,
                  [button](QPainter &p, const QRectF &area, State state) {
                      paintGlyphButton(p, area, button, state);
                  });
    // The progress dialog's close button, which is never enabled: a faint cross.
    images.push_back({"Btn_MainWinClose_Disabled", {23, 23},
                      glyphImage(glyphClose, QColor("#4b5670"), 0.4)});
}

void addLineEdits(std::vector<Image> &images)
{
    const std::pair<const char *, QSize> edits[] = {
        {"GotoPage", {47, 18}},
        {"IDKeyword", {107, 18}},
        {"SelectItemsCount", {45, 17}},
    };
    for (const auto &edit : edits)
        addStates(images, QStringLiteral("ED_") + QLatin1String(edit.first), edit.second, editStateNames,
                  paintEditFrame);
}

void addSingleImages(std::vector<Image> &images)
{
    const std::vector<Image> singles = {
        {"BK_MainWnd", {1040, 650}, paintMainBackground},
        {"BK_TipWnd", {411, 203}, paintDialogBackground},
        {"BK_ImportAndRename", {491, 233}, paintDialogBackground},
        {"logo", {107, 48}, paintLogo},
        {"Label_RecordPathIcon", {24, 24}, paintRecordPathIcon},
        {"Label_NowPlaying", {12, 12}, glyphImage(glyphPlay, Colour::accent, 0.75)},
        {"CheckBox_Check", {14, 14}, [](QPainter &p, const QRectF &area) { paintCheckBox(p, area, true); }},
        {"CheckBox_unCheck", {14, 14}, [](QPainter &p, const QRectF &area) { paintCheckBox(p, area, false); }},
        {"Cmb_Dropdown", {18, 18}, glyphImage(chevronDown, Colour::muted, 0.5)},
        {"Btn_FilePathTree_Open", {12, 12}, glyphImage(chevronDown, Colour::muted, 0.75)},
        {"Btn_FilePathTree_Close", {12, 12}, glyphImage(chevronRight, Colour::muted, 0.75)},
        {"Cal_Previous", {16, 16}, glyphImage(chevronLeft, Colour::textBright, 0.625)},
        {"Cal_Next", {16, 16}, glyphImage(chevronRight, Colour::textBright, 0.625)},
    };
    images.insert(images.end(), singles.begin(), singles.end());
}

std::vector<Image> allImages()
{
    std::vector<Image> images;
    addSingleImages(images);
    addFaceButtons(images);
    addGlyphButtons(images);
    addLineEdits(images);
    return images;
}

// A file to write: an image at a scale, at a path in the resources folder.
struct Drawing
{
    Image image;
    int scale;
    QString path;
};

std::vector<Drawing> allDrawings()
{
    std::vector<Drawing> drawings;
    // Qt takes name@2x.png in place of name.png on a screen of device pixel ratio 2.
    for (const Image &image : allImages()) {
        drawings.push_back({image, 1, QStringLiteral("PicRes/%1.png").arg(image.name)});
        drawings.push_back({image, 2, QStringLiteral("PicRes/%1@2x.png").arg(image.name)});
    }
    // The icon theme's sizes, where a desktop looks for an application's icon.
    for (int side : {16, 24, 32, 48, 64, 128, 256})
        drawings.push_back({{QStringLiteral("ovelia"), {side, side}, paintApplicationIcon}, 1,
                            QStringLiteral("icons/hicolor/%1x%1/apps/ovelia.png").arg(side)});
    return drawings;
}

// Scale 2 draws the image for screens of two device pixels to a pixel.
bool render(const Image &image, int scale, const QString &path)
{
    QImage canvas(image.size * scale, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(scale, scale);
    image.paint(painter, QRectF(QPointF(0, 0), QSizeF(image.size)));
    painter.end();
    return QDir().mkpath(QFileInfo(path).path()) && canvas.save(path, "PNG");
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    QTextStream errors(stderr);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() != 2) {
        errors << "usage: draw_images <resources folder>\n";
        return 2;
    }
    const QDir resources(arguments.at(1));
    for (const Drawing &drawing : allDrawings()) {
        const QString path = resources.filePath(drawing.path);
        if (!render(drawing.image, drawing.scale, path)) {
            errors << "cannot write " << path << '\n';
            return 1;
        }
    }
    return 0;
}
