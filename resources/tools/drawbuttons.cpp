// Draws the button pictures into resources/img and writes resources/img.qrc.
// Run by hand when a picture changes:
//   QT_QPA_PLATFORM=offscreen build/drawbuttons resources
#include <QColor>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QTextStream>

namespace {

enum class Look { Normal, Pressed, Disabled, Hover };

struct Button {
    const char* name;
    const char* pressed;
    const char* disabled;  // empty: no disabled picture
    const char* text;      // "tray", "min": a symbol; the words are the window's
    int width;
    int height;
    QColor colour;
};

const QColor kBlue(0x2f, 0x6f, 0xb5);
const QColor kGreen(0x2e, 0x8b, 0x57);
const QColor kRed(0xc0, 0x39, 0x2b);
const QColor kOrange(0xd9, 0x7b, 0x16);
const QColor kTeal(0x1f, 0x7a, 0x8c);

void drawSymbol(QPainter& p, const QString& symbol, const QRectF& r, const QColor& ink) {
    p.setPen(QPen(ink, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const QPointF c = r.center();
    if (symbol == QLatin1String("min")) {
        p.drawLine(QPointF(c.x() - 6, c.y() + 4), QPointF(c.x() + 6, c.y() + 4));
    } else {  // tray: an arrow down into a tray
        p.drawLine(QPointF(c.x(), c.y() - 7), QPointF(c.x(), c.y() + 2));
        p.drawLine(QPointF(c.x() - 4, c.y() - 2), QPointF(c.x(), c.y() + 2));
        p.drawLine(QPointF(c.x() + 4, c.y() - 2), QPointF(c.x(), c.y() + 2));
        p.drawPolyline(QPolygonF({QPointF(c.x() - 8, c.y() + 1), QPointF(c.x() - 8, c.y() + 6),
                                  QPointF(c.x() + 8, c.y() + 6), QPointF(c.x() + 8, c.y() + 1)}));
    }
}

QImage draw(const Button& b, Look look) {
    QImage image(b.width, b.height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    QColor base = b.colour;
    QColor ink = Qt::white;
    if (look == Look::Disabled) {
        base = QColor(0xb8, 0xbd, 0xc2);
        ink = QColor(0xf2, 0xf3, 0xf4);
    } else if (look == Look::Pressed) {
        base = base.darker(135);
    } else if (look == Look::Hover) {
        base = base.lighter(125);
    }

    const QRectF frame(0.5, 0.5, b.width - 1.0, b.height - 1.0);
    const qreal radius = std::min(8.0, b.height / 3.0);
    QPainterPath shape;
    shape.addRoundedRect(frame.adjusted(0, 0, 0, -1), radius, radius);
    // A soft shadow under a raised button; none when pressed in.
    if (look != Look::Pressed) {
        QPainterPath shadow;
        shadow.addRoundedRect(frame.adjusted(0, 1.5, 0, 0), radius, radius);
        p.fillPath(shadow, QColor(0, 0, 0, 60));
    }
    QLinearGradient fill(0, 0, 0, b.height);
    if (look == Look::Pressed) {
        fill.setColorAt(0, base.darker(115));
        fill.setColorAt(1, base.lighter(105));
    } else {
        fill.setColorAt(0, base.lighter(125));
        fill.setColorAt(1, base.darker(108));
    }
    p.fillPath(shape, fill);
    p.setPen(QPen(base.darker(150), 1.0));
    p.drawPath(shape);

    QRectF inner = frame.adjusted(4, 2, -4, -3);
    if (look == Look::Pressed)
        inner.translate(0, 1);
    // The words are drawn by the program, in the window's language.
    const QString text = QString::fromUtf8(b.text);
    if (text == QLatin1String("tray") || text == QLatin1String("min"))
        drawSymbol(p, text, inner, ink);
    return image;
}

// Every picture button of the program's windows.
const Button kButtons[] = {
    {"start", "start1", "start2", "Start", 112, 40, kGreen},
    {"stop", "stop1", "", "Stop", 112, 40, kRed},
    {"nowBell", "nowBell1", "", "Ring now", 112, 40, kOrange},
    {"bellStop", "bellStop1", "", "Stop Bell", 112, 40, kRed},
    {"TimeAdd", "TimeAdd1", "TimeAdd2", "Add", 84, 30, kBlue},
    {"TimeDel", "TimeDel1", "TimeDel2", "Delete", 84, 30, kBlue},
    {"TimeMod", "TimeMod1", "TimeMod2", "Modify", 84, 30, kBlue},
    {"allDel", "allDel1", "allDel2", "Delete all", 100, 30, kBlue},
    {"applyTemplet", "applyTempletDown", "applyTempletDis", "Templet", 100, 30, kTeal},
    {"apply", "apply1", "apply2", "Apply", 64, 26, kBlue},
    {"tray", "tray1", "", "tray", 30, 24, kBlue},
    {"minimaze", "min_on", "", "min", 30, 24, kBlue},
    {"applyTemplet1", "applyTempletDown1", "", "Templet 1", 120, 32, kTeal},
    {"applyTemplet2", "applyTempletDown2", "", "Templet 2", 120, 32, kTeal},
    {"applyTemplet3", "applyTempletDown3", "", "Templet 3", 120, 32, kTeal},
    {"applyTemplet4", "applyTempletDown4", "", "Templet 4", 120, 32, kTeal},
    {"applyTemplet5", "applyTempletDown5", "", "Templet 5", 120, 32, kTeal},
    {"applyTemplet6", "applyTempletDown6", "", "Templet 6", 120, 32, kTeal},
    {"templetWinClose", "templetWinClose1", "", "Close", 90, 30, kBlue},
    {"closeWin", "closeWin1", "", "Close", 90, 30, kBlue},
    {"AllWin", "AllWin1", "", "Full screen", 110, 34, kTeal},
    {"CountExit", "CountExit1", "", "Reset", 100, 34, kRed},
    {"Pause", "Pause1", "", "Pause", 100, 34, kOrange},
    {"RePlay", "RePlay1", "", "Resume", 100, 34, kGreen},
    {"StartCount", "StartCount1", "", "Start", 100, 34, kGreen},
    {"confirm", "confirm1", "", "Confirm", 90, 30, kGreen},
};

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QString root = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("resources");
    QDir().mkpath(root + QStringLiteral("/img"));

    QFile qrc(root + QStringLiteral("/img.qrc"));
    if (!qrc.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 1;
    QTextStream out(&qrc);
    out << "<RCC>\n  <qresource prefix=\"/img\">\n";
    const auto save = [&](const char* name, const QImage& image) {
        const QString file = QStringLiteral("img/%1.png").arg(QLatin1String(name));
        image.save(root + QLatin1Char('/') + file);
        out << "    <file alias=\"" << name << "\">" << file << "</file>\n";
    };
    for (const Button& b : kButtons) {
        const bool hover = QLatin1String(b.name) == QLatin1String("minimaze");
        save(b.name, draw(b, Look::Normal));
        save(b.pressed, draw(b, hover ? Look::Hover : Look::Pressed));
        if (*b.disabled)
            save(b.disabled, draw(b, Look::Disabled));
    }
    out << "  </qresource>\n</RCC>\n";
    return 0;
}
