// Renders the program's bitmaps, pictures and theme icons from their sources
// in res/art (and, for the textures and the logo, from the code below) into
// res/generated, where the resource file and the install pick them up. Run it
// through the build target `regenerate_art` after changing any of them.
//
// Bitmaps whose transparent parts are told by a key colour are rendered
// without blending at their edges, so that every pixel is either exactly
// the key or clearly not it.
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QSvgRenderer>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <functional>

namespace {

QString g_artDir;
QString g_outDir;

QImage RenderSvg(const QString& relativePath, QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QSvgRenderer renderer(g_artDir + "/" + relativePath);
    if (!renderer.isValid()) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(relativePath));
        std::exit(1);
    }
    QPainter painter(&image);
    renderer.render(&painter);
    return image;
}

// Turns a rendered image into a keyed bitmap: pixels that are solid enough
// (and, when `blackCuts`, not drawn in black) keep their colour, nudged off
// the key; everything else becomes the key.
QImage Keyed(const QImage& rendered, QRgb key, int minAlpha, bool blackCuts) {
    const QImage straight = rendered.convertToFormat(QImage::Format_ARGB32);
    QImage out(straight.size(), QImage::Format_RGB32);
    for (int y = 0; y < straight.height(); ++y) {
        for (int x = 0; x < straight.width(); ++x) {
            const QRgb p = straight.pixel(x, y);
            const bool dark = qGray(p) < 48;
            const bool solid = qAlpha(p) >= minAlpha && !(blackCuts && dark);
            QRgb colour = qRgb(qRed(p), qGreen(p), qBlue(p));
            if (solid && (colour & 0xFFFFFF) == (key & 0xFFFFFF))
                colour = qRgb(qRed(p) ^ 1, qGreen(p) ^ 1, qBlue(p) ^ 1);
            out.setPixel(x, y, solid ? colour : key);
        }
    }
    return out;
}

void Save(const QImage& image, const QString& name) {
    const QString path = g_outDir + "/" + name;
    if (!image.save(path, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        std::exit(1);
    }
    std::printf("%s\n", qPrintable(path));
}

void ToolbarBitmaps() {
    const char* sources[] = {"114-week",    "115-month",     "147-list",   "116-new",
                             "118-edit",    "148-duplicate", "122-remove", "120-print",
                             "126-options", "124-home",      "129-help"};
    for (const char* source : sources) {
        const QImage rendered = RenderSvg(QString("toolbar/%1.svg").arg(source), QSize(32, 32));
        const QString id = QString(source).section('-', 0, 0);
        Save(Keyed(rendered, qRgb(0, 0, 0), 128, true), QString("bitmap-%1.png").arg(id));
    }
}

void SunBitmaps() {
    const QRgb green = qRgb(0, 255, 0);
    Save(Keyed(RenderSvg("sun/163-sunrise.svg", QSize(15, 15)), green, 110, false),
         "bitmap-163.png");
    Save(Keyed(RenderSvg("sun/164-sunset.svg", QSize(15, 15)), green, 110, false),
         "bitmap-164.png");
}

// A history copy: the same picture, greyed and faded.
QImage Faded(const QImage& image) {
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        for (int x = 0; x < out.width(); ++x) {
            const QRgb p = out.pixel(x, y);
            const int grey = 110 + qGray(p) * 120 / 255;
            out.setPixel(x, y, qRgba(grey, grey, grey + 8, qAlpha(p)));
        }
    }
    return out;
}

QImage WithBadge(const QImage& image) {
    QImage out = image;
    QPainter painter(&out);
    painter.drawImage(0, 0, RenderSvg("notes/reminder-badge.svg", QSize(16, 16)));
    return out;
}

// The note image strip: memo, one-time and recurring, each plain, with a
// reminder and in history, then the holiday star; white is transparent.
void NoteStrip() {
    QImage strip(160, 16, QImage::Format_RGB32);
    strip.fill(Qt::white);
    QPainter painter(&strip);
    int slot = 0;
    auto place = [&](const QImage& image) {
        painter.drawImage(16 * slot++, 0, Keyed(image, qRgb(255, 255, 255), 128, false));
    };
    for (const char* kind : {"memo", "onetime", "recurring"}) {
        const QImage base = RenderSvg(QString("notes/%1.svg").arg(kind), QSize(16, 16));
        place(base);
        place(WithBadge(base));
        place(Faded(base));
    }
    place(RenderSvg("notes/holiday.svg", QSize(16, 16)));
    painter.end();
    Save(strip, "bitmap-131.png");
}

// Periodic value noise: a lattice of `cells` x `cells` random values over
// the tile, smoothly interpolated, so the texture tiles without seams.
double Hash(int x, int y, int seed) {
    std::uint32_t h = static_cast<std::uint32_t>(x) * 374761393u +
                      static_cast<std::uint32_t>(y) * 668265263u +
                      static_cast<std::uint32_t>(seed) * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return ((h ^ (h >> 16)) & 0xFFFF) / 65535.0;
}

double Noise(double u, double v, int cells, int seed) {
    const double x = u * cells;
    const double y = v * cells;
    const int x0 = static_cast<int>(std::floor(x));
    const int y0 = static_cast<int>(std::floor(y));
    auto at = [&](int cx, int cy) {
        return Hash(((cx % cells) + cells) % cells, ((cy % cells) + cells) % cells, seed);
    };
    auto smooth = [](double t) { return t * t * (3 - 2 * t); };
    const double fx = smooth(x - x0);
    const double fy = smooth(y - y0);
    const double top = at(x0, y0) + (at(x0 + 1, y0) - at(x0, y0)) * fx;
    const double bottom = at(x0, y0 + 1) + (at(x0 + 1, y0 + 1) - at(x0, y0 + 1)) * fx;
    return top + (bottom - top) * fy;
}

// A woven texture: soft clouds, threads along both directions and a fine
// grain, all shading one base colour.
QImage Woven(int size, QColor base, double clouds, double threads, double grain, int seed) {
    QImage image(size, size, QImage::Format_RGB32);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const double u = double(x) / size;
            const double v = double(y) / size;
            const double cloud = 0.6 * Noise(u, v, 4, seed) + 0.4 * Noise(u, v, 8, seed + 1);
            const double weft = Noise(u * 0.02, v, size / 2, seed + 2);
            const double warp = Noise(u, v * 0.02, size / 2, seed + 3);
            const double fine = Hash(x, y, seed + 4);
            const double shade =
                1 + clouds * (cloud - 0.5) + threads * (weft + warp - 1) + grain * (fine - 0.5);
            auto channel = [&](int c) { return std::clamp(int(c * shade), 0, 255); };
            image.setPixel(x, y,
                           qRgb(channel(base.red()), channel(base.green()), channel(base.blue())));
        }
    }
    return image;
}

void Textures() {
    // 153, the window texture: a deep slate-blue weave; its average colour
    // is the note title colour, dark enough for white title text.
    Save(Woven(128, QColor(78, 108, 150), 0.16, 0.10, 0.06, 153), "image-153.png");
    // 152, the toolbar texture: warm honey paper; brightened, its average
    // colour is the body of every note, a soft sticky-note yellow.
    Save(Woven(128, QColor(222, 178, 92), 0.12, 0.07, 0.05, 152), "image-152.png");
}

// 159, the start-up picture, 264 x 143. The window writes "Version 1.50"
// in black at the middle of its width, 48 pixels above the bottom, so the
// lower half stays light.
void Logo() {
    QImage logo(264, 143, QImage::Format_RGB32);
    QPainter painter(&logo);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 143);
    sky.setColorAt(0, QColor(250, 252, 255));
    sky.setColorAt(1, QColor(219, 230, 243));
    painter.fillRect(logo.rect(), sky);
    QLinearGradient stripe(0, 0, 264, 0);
    stripe.setColorAt(0, QColor(224, 90, 71));
    stripe.setColorAt(1, QColor(59, 125, 216));
    painter.fillRect(QRect(0, 133, 264, 10), stripe);
    QSvgRenderer icon(g_artDir + "/icons/128-program.svg");
    icon.render(&painter, QRectF(14, 22, 88, 88));
    QFont title("DejaVu Sans", 1, QFont::Bold);
    title.setPixelSize(25);
    painter.setFont(title);
    painter.setPen(QColor(44, 62, 80));
    painter.drawText(QRect(106, 30, 156, 36), Qt::AlignLeft | Qt::AlignVCenter, "Orrindale");
    QFont tagline("DejaVu Sans", 1);
    tagline.setPixelSize(12);
    painter.setFont(tagline);
    painter.setPen(QColor(96, 112, 130));
    painter.drawText(QRect(108, 64, 154, 18), Qt::AlignLeft | Qt::AlignVCenter,
                     "Calendar and Reminders");
    painter.end();
    Save(logo, "image-159.png");
}

// The program's icon for the desktop's icon theme, at the sizes the menus
// and launchers ask for; the theme's scalable size is the SVG itself.
void ThemeIcons() {
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        Save(RenderSvg("icons/128-program.svg", QSize(size, size)),
             QString("icon-%1.png").arg(size));
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s ART_DIR OUTPUT_DIR\n", argv[0]);
        return 2;
    }
    g_artDir = QString::fromLocal8Bit(argv[1]);
    g_outDir = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(g_outDir);
    ToolbarBitmaps();
    SunBitmaps();
    NoteStrip();
    Textures();
    Logo();
    ThemeIcons();
    return 0;
}
