// The gallery: every drawing helper and custom control of the program on
// one window, to look at them together (and to catch a picture that went
// wrong). `orrindale_gallery --save out.png` writes the window and its
// pop-ups into one image instead of staying open.
#include "res/Resources.h"
#include "res/StringTable.h"
#include "views/HoverButton.h"
#include "views/MonthListPopup.h"
#include "views/RegionButton.h"
#include "views/SortHeaderCtrl.h"
#include "views/TipWnd.h"
#include "zadad/Picture.h"
#include "zadad/Utility.h"

#include <QApplication>
#include <QEnterEvent>
#include <QHeaderView>
#include <QPainter>
#include <QPainterPath>
#include <QPolygon>
#include <QTableWidget>
#include <QTimer>

namespace {

QColor ToQColor(COLORREF c) {
    return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
}

QRegion Polygon(std::initializer_list<QPoint> points) {
    return QRegion(QPolygon(points));
}

// The board behind the controls: the helpers drawn into one image.
class CGalleryBoard : public QWidget {
public:
    explicit CGalleryBoard(QWidget* parent) : QWidget(parent) {
        m_window.Load(resources::kImageWindowTexture);
        m_toolbar.Load(resources::kImageToolbarTexture);
    }
    const CPicture& WindowTexture() const { return m_window; }
    const CPicture& ToolbarTexture() const { return m_toolbar; }

protected:
    void paintEvent(QPaintEvent*) override {
        QImage board(size(), QImage::Format_RGB32);
        board.fill(QColor(0xF5, 0xF5, 0xFF));
        QPainter p(&board);
        p.setRenderHint(QPainter::TextAntialiasing);
        DrawFrame(p);
        DrawColours(p, 20, 150);
        DrawBars(p, 20, 235);
        DrawFrames(p, 20, 345);
        DrawShapes(p, 20, 470);
        DrawPictures(p, 470, 345);
        p.end();
        QPainter(this).drawImage(0, 0, board);
    }

private:
    static void Caption(QPainter& p, int x, int y, const QString& text) {
        p.setPen(QColor(60, 70, 90));
        QFont font("DejaVu Sans", 8, QFont::Bold);
        p.setFont(font);
        p.drawText(x, y, text);
    }

    // The calendar window's frame: the textured band with its toolbar.
    void DrawFrame(QPainter& p) {
        const RECT band{10, 10, width() - 10, 120};
        CUtility::TileTexture(&p, band, &m_window, nullptr);
        const RECT strip{10, 90, width() - 10, 120};
        CUtility::TileTexture(&p, strip, &m_toolbar, nullptr);
        CUtility::DrawLumaRect(&p, band, 1, 3, -1);
        CUtility::DrawLumaRect(&p, RECT{20, 92, width() - 20, 116}, 0, 2, 180);
        for (int x = width() - 200; x < width() - 30; x += 8)
            CUtility::DrawInDot(&p, QPoint(x, 60));
        QFont title("Arial", 14, QFont::Bold);
        p.setFont(title);
        p.setPen(ToQColor(CUtility::GetReverseColor(CUtility::GetTextureColor(&p, "", 153))));
        p.drawText(QRect(420, 14, 300, 40), Qt::AlignLeft | Qt::AlignVCenter, "March, 2003");
    }

    void DrawColours(QPainter& p, int x, int y) {
        Caption(p, x, y - 6, "Colours: luminance steps -800 ... +800, mixes, bright changes");
        const COLORREF bases[] = {CUtility::GetTextureColor(&p, "", 153),
                                  CUtility::GetTextureColor(&p, "", 152), RGB(224, 90, 71)};
        for (int row = 0; row < 3; ++row) {
            for (int k = 0; k < 9; ++k) {
                const COLORREF c = ColorAdjustLuma(bases[row], -800 + 200 * k, 1);
                p.fillRect(x + 28 * k, y + 22 * row, 26, 20, ToQColor(c));
                p.setPen(ToQColor(CUtility::GetReverseColor(c)));
                p.setFont(QFont("DejaVu Sans", 6));
                p.drawText(QRect(x + 28 * k, y + 22 * row, 26, 20), Qt::AlignCenter,
                           QString::number(CUtility::GetBrightness(c)));
            }
        }
        for (int k = 0; k <= 10; ++k)
            p.fillRect(
                x + 270 + 16 * k, y, 15, 30,
                ToQColor(CUtility::GetMidColor(RGB(59, 125, 216), RGB(247, 209, 84), 10 * k)));
        for (int k = 0; k <= 10; ++k) {
            const int d = -50 + 10 * k;
            p.fillRect(x + 270 + 16 * k, y + 34, 15, 15,
                       ToQColor(CUtility::ChangeColorBright(RGB(0, 100, 200), d, d, d)));
            p.fillRect(x + 270 + 16 * k, y + 51, 15, 15,
                       ToQColor(CUtility::AdjustColor(RGB(250, 10, 128), d, d, d)));
        }
    }

    void DrawBars(QPainter& p, int x, int y) {
        Caption(p, x, y - 6, "Shaded, glass and gradient bars");
        const COLORREF tones[] = {RGB(59, 125, 216), RGB(46, 158, 91), RGB(224, 90, 71)};
        for (int i = 0; i < 3; ++i) {
            CUtility::ShadeRect1(&p, RECT{x + 70 * i, y, x + 70 * i + 64, y + 28}, tones[i]);
            // Glass bands are fractions of the bottom: drawn at the origin, then placed.
            QImage glass(64, 64, QImage::Format_RGB32);
            QPainter g(&glass);
            CUtility::GlassRect1(&g, RECT{0, 0, 64, 64}, tones[i]);
            g.end();
            p.drawImage(x + 70 * i, y + 34, glass.copy(0, 0, 64, 64).scaled(64, 64));
        }
        CUtility::FillGradientRect(&p, x + 220, y, x + 420, y + 28, RGB(255, 255, 255),
                                   RGB(59, 125, 216), 0);
        CUtility::FillGradientRect(&p, x + 220, y + 34, x + 260, y + 98, RGB(247, 209, 84),
                                   RGB(224, 90, 71), 1);
        CUtility::FillGradientPoly(&p, QPoint(x + 280, y + 34), QPoint(x + 420, y + 34),
                                   QPoint(x + 400, y + 98), QPoint(x + 270, y + 98),
                                   RGB(245, 245, 255), RGB(78, 108, 150));
    }

    void DrawFrames(QPainter& p, int x, int y) {
        Caption(p, x, y - 6, "Bevelled frames, bevel lines, dots, 3-D rectangles, luma lines");
        const RECT back{x, y, x + 420, y + 110};
        CUtility::TileTexture(&p, back, &m_toolbar, nullptr);
        CUtility::DrawLumaRect(&p, RECT{x + 12, y + 12, x + 110, y + 60}, 1, 5, -1);
        CUtility::DrawLumaRect(&p, RECT{x + 140, y + 14, x + 236, y + 58}, 0, 4, 150);
        CUtility::DrawBevelLine(&p, QPoint(x + 260, y + 16), QPoint(x + 400, y + 16), 6, 255, 60,
                                -1, 220, -30);
        CUtility::DrawBevelLine(&p, QPoint(x + 260, y + 34), QPoint(x + 400, y + 34), 6, 60, 255, 1,
                                60, 30);
        for (int k = 0; k < 12; ++k) {
            CUtility::DrawOutDot(&p, QPoint(x + 20 + 8 * k, y + 80));
            CUtility::DrawInDot(&p, QPoint(x + 20 + 8 * k, y + 94));
        }
        CUtility::Draw3dRect(&p, RECT{x + 140, y + 72, x + 200, y + 100}, 1);
        CUtility::Draw3dRect(&p, RECT{x + 210, y + 72, x + 270, y + 100}, 0);
        CUtility::DrawMulLumaLine(&p, QPoint(x + 290, y + 60), QPoint(x + 290, y + 104), -60, 1, 0,
                                  4, 30);
        CUtility::DrawMulLumaLine(&p, QPoint(x + 330, y + 60), QPoint(x + 400, y + 60), -50, 0, 1,
                                  6, 16);
    }

    void DrawShapes(QPainter& p, int x, int y) {
        Caption(p, x, y - 6, "Toolbar shapes with texture and shadow, and embossed");
        int left = x;
        for (unsigned id : resources::kToolbarBitmaps) {
            QRegion shape;
            CUtility::CreateRgnFromBmp(&p, shape, RGB(0, 0, 0), id);
            CUtility::Draw3DRgn(&p, &shape, &m_window, RGB(0, 0, 0), left, y, 33, 33);
            left += 38;
        }
        const RECT back{x, y + 40, x + 420, y + 80};
        CUtility::TileTexture(&p, back, &m_toolbar, nullptr);
        left = x + 4;
        for (unsigned id : {116u, 120u, 124u, 126u, 129u}) {
            CUtility::DrawEmbossBmp(id, &p, left, y + 44, 33, 33, 1);
            left += 40;
        }
        for (unsigned id : {115u, 122u, 147u}) {
            CUtility::DrawEmbossBmp(id, &p, left, y + 44, 33, 33, 0);
            left += 40;
        }
    }

    void DrawPictures(QPainter& p, int x, int y) {
        Caption(p, x, y - 6, "Note images, sun, menu icons, cursors, logo");
        for (int i = 0; i < resources::kNoteIconCount; ++i)
            p.drawPixmap(x + 22 * i, y, resources::NoteIcon(i));
        p.drawPixmap(x + 230, y,
                     resources::TransparentBitmap(resources::kBitmapSunrise, QColor(0, 255, 0)));
        p.setPen(Qt::black);
        p.setFont(QFont("DejaVu Sans", 8));
        p.drawText(x + 250, y + 12, "6:42");
        p.drawPixmap(x + 290, y,
                     resources::TransparentBitmap(resources::kBitmapSunset, QColor(0, 255, 0)));
        p.drawText(x + 310, y + 12, "18:07");
        int left = x;
        for (unsigned id : {214u, 229u, 228u, 226u, 225u, 224u, 227u, 220u, 238u, 230u}) {
            p.drawPixmap(left, y + 24, resources::Icon(id).pixmap(16, 16));
            left += 22;
        }
        p.drawPixmap(x + 230, y + 20, resources::Icon(213).pixmap(24, 24));
        p.drawPixmap(x + 260, y + 16, resources::Icon(128).pixmap(32, 32));
        left = x;
        for (unsigned id : {106u, 215u, 216u, 217u, 218u, 219u}) {
            p.drawPixmap(left, y + 48, resources::Cursor(id).pixmap());
            left += 36;
        }
        CPicture logo;
        logo.Load(resources::kImageLogo);
        logo.Render(&p, RECT{x, y + 86, x + 264, y + 229});
        p.setPen(Qt::black);
        p.drawText(x + 132, y + 229 - 48,
                   "Version" + QString::fromStdString(LoadString(IDS_VERSION)));
    }

    CPicture m_window;
    CPicture m_toolbar;
};

// The live controls, placed over the board.
void AddControls(CGalleryBoard* board) {
    int x = 20;
    for (unsigned id : resources::kToolbarBitmaps) {
        QRegion shape;
        CUtility::CreateRgnFromBmp(nullptr, shape, RGB(0, 0, 0), id);
        auto* button = new CRegionButton;
        button->Create(CHoverButton::HoverHighlight, shape, board, static_cast<int>(id),
                       RGB(192, 192, 192), &board->WindowTexture(), 32, 32, QString());
        button->move(x, 14);
        x += 34;
    }
    const QRegion arrowLeft = Polygon({{15, 0}, {15, 29}, {0, 15}});
    const QRegion arrowRight = Polygon({{0, 0}, {0, 29}, {15, 15}});
    const QRegion doubleLeft =
        Polygon({{22, 0}, {22, 28}, {11, 14}, {11, 28}, {0, 14}, {11, 0}, {11, 14}});
    const QRegion close = Polygon({{0, 3},
                                   {3, 0},
                                   {9, 6},
                                   {15, 0},
                                   {18, 3},
                                   {12, 9},
                                   {18, 15},
                                   {15, 18},
                                   {9, 12},
                                   {3, 18},
                                   {0, 15},
                                   {6, 9}});
    struct Shaped {
        QRegion region;
        int x, y, w, h;
    };
    for (const Shaped& s :
         {Shaped{doubleLeft, 20, 54, 23, 29}, Shaped{arrowLeft, 50, 54, 16, 30},
          Shaped{arrowRight, 360, 54, 16, 30}, Shaped{close, board->width() - 40, 14, 20, 20}}) {
        auto* button = new CRegionButton;
        button->Create(0, s.region, board, 0, RGB(192, 192, 192),
                       s.w > 19 && s.y == 14 ? &board->ToolbarTexture() : &board->WindowTexture(),
                       s.w, s.h, QString());
        button->move(s.x, s.y);
    }
    int fx = 420;
    const COLORREF frameText =
        CUtility::GetBrightness(CUtility::GetTextureColor(nullptr, "", 152)) <= 70
            ? RGB(255, 255, 255)
            : RGB(0, 0, 0);
    for (const char* label : {"Today", "This Week", "This Month", "ALL"}) {
        auto* filter = new CRegionButton;
        filter->Create(0, QRegion(0, 0, 84, 26), board, 0, RGB(192, 192, 192),
                       &board->ToolbarTexture(), 84, 26, label);
        filter->SetTextColor(frameText);
        filter->SetLatch(QString(label) == "This Week");
        filter->move(fx, 91);
        fx += 86;
    }
    auto* ok = new CHoverButton(board);
    ok->SetText("OK");
    ok->SetStyle(CHoverButton::TextFace | CHoverButton::HoverHighlight | CHoverButton::OuterFrame);
    ok->resize(70, 24);
    ok->move(740, 400);
    QEnterEvent enter(QPointF(3, 3), QPointF(3, 3), QPointF(3, 3));
    QApplication::sendEvent(ok, &enter);
    auto* pin = new CHoverButton(board);
    pin->SetStyle(CHoverButton::IconFace | CHoverButton::HoverHighlight);
    pin->SetIcon(resources::Icon(resources::kIconEditor));
    pin->resize(24, 24);
    pin->move(820, 400);

    auto* table = new QTableWidget(6, 4, board);
    auto* header = new CSortHeaderCtrl;
    table->setHorizontalHeader(header);
    table->setHorizontalHeaderLabels({"Time", "Note", "Time Left", "Type"});
    header->setModel(table->model());
    header->SetBackground("", CUtility::GetTextureColor(nullptr, "", 153));
    header->SetSortMark(0, true);
    const char* rows[][4] = {{"8:30 AM", "Dentist", "2 days", "One Time"},
                             {"12:00 PM", "Lunch with Ann", "5 hrs", "Memo"},
                             {"7:00 PM", "Choir practice", "3 days", "Every Week"},
                             {"9:00 AM", "Pay the rent", "12 days", "Every Month"},
                             {"All day", "Good Friday", "40 days", "Holiday"},
                             {"3:15 PM", "Call the garage", "Expired", "One Time"}};
    for (int r = 0; r < 6; ++r)
        for (int c = 0; c < 4; ++c)
            table->setItem(r, c, new QTableWidgetItem(rows[r][c]));
    table->verticalHeader()->hide();
    table->setGeometry(470, 150, 400, 180);
    table->setColumnWidth(1, 140);
}

QImage Compose(QWidget& window, const QList<QWidget*>& popups) {
    QImage image = window.grab().toImage();
    QPainter painter(&image);
    for (QWidget* popup : popups) {
        if (popup->isVisible())
            painter.drawPixmap(popup->geometry().topLeft() - window.geometry().topLeft(),
                               popup->grab());
    }
    return image;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString save = argc == 3 && QString(argv[1]) == "--save" ? argv[2] : QString();
    QWidget window;
    window.setWindowTitle("Orrindale gallery");
    window.resize(900, 600);
    window.move(0, 0);
    auto* board = new CGalleryBoard(&window);
    board->resize(window.size());
    AddControls(board);
    window.show();
    auto* months = new CMonthListPopup(&window);
    months->Create(window.mapToGlobal(QPoint(380, 48)), CMonthListPopup::kMonthMode,
                   COleDateTime::GetCurrentTime().GetYear(), 3);
    auto* tip = new CTipWnd(&window);
    tip->Show("Dentist at 8:30, bring the insurance card and the X-ray pictures from last year.",
              window.mapToGlobal(QPoint(700, 520)).x(), window.mapToGlobal(QPoint(700, 520)).y());
    if (save.isEmpty()) return app.exec();
    QTimer::singleShot(300, [&] {
        Compose(window, {months, tip}).save(save);
        app.quit();
    });
    return app.exec();
}
