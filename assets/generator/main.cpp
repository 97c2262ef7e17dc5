// make_assets: draws Mepo's artwork from the Noto Color Emoji font.
//
//   make_assets <output-dir>
//
// writes into <output-dir>
//   tiles.jpg         the tile sheet
//   tiles@2x.jpg      the same sheet drawn at twice the size, for high-DPI screens
//   icon.ico          the window icon
//   icons/NxN.png     the same icon for desktop menus, N = 16 ... 256
// then reads them all back to check them. Nothing here is random, so the same
// fonts and Qt give the same files.
//
// Tile sheet: 340 x 204 pixels, 10 columns x 6 rows of 34 x 34 tiles; the
// tile for picture i = row * 10 + col has its top-left pixel at
// (34 * col, 34 * row). Every tile is finished: grey face, one-pixel bevel,
// picture in the middle. The double-size sheet has the same layout at 68 x 68
// per tile with a two-pixel bevel; its pictures are drawn from the font's
// bitmaps, not enlarged from the small sheet.

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontInfo>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QPainterPath>
#include <QPen>

#include <algorithm>
#include <array>
#include <cstdio>
#include <vector>

#include "../pictures.h"

namespace {

// The sixty pictures, in sheet order, with their names (assets/pictures.h).
using mepo::kPictures;
using mepo::Picture;

constexpr int kTile = 34;
constexpr int kColumns = 10;
constexpr int kRows = 6;
constexpr int kPictureBox = 28;  // the picture fits in a 28 x 28 box
constexpr int kIconPicture = 0;  // the fox: bright, and readable even at 16 px

const QColor kFace(192, 192, 192);
const QColor kLight(199, 199, 199);
const QColor kShadow(140, 140, 140);

// Renders one emoji at the font's native bitmap size (109 px) and crops it to
// the pixels it covers. Returns a null image if nothing came out; `coloured`
// tells whether any pixel is clearly not grey.
QImage renderEmoji(char32_t code, bool &coloured)
{
    QString text = QString::fromUcs4(&code, 1);
    if (code < 0x10000)
        text += QChar(0xFE0F);  // ask for the colour form of the older symbols

    QFont font(QStringLiteral("Noto Color Emoji"));
    font.setPixelSize(109);
    font.setStyleStrategy(QFont::NoFontMerging);

    QImage canvas(192, 192, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    {
        QPainter p(&canvas);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.setFont(font);
        p.setPen(Qt::black);
        p.drawText(canvas.rect(), Qt::AlignCenter, text);
    }

    int left = canvas.width(), top = canvas.height(), right = -1, bottom = -1;
    coloured = false;
    for (int y = 0; y < canvas.height(); ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(canvas.constScanLine(y));
        for (int x = 0; x < canvas.width(); ++x) {
            const QRgb px = line[x];
            if (qAlpha(px) < 8)
                continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
            const int r = qRed(px), g = qGreen(px), b = qBlue(px);
            if (std::max({r, g, b}) - std::min({r, g, b}) > 40)
                coloured = true;
        }
    }
    if (right < 0)
        return {};
    return canvas.copy(left, top, right - left + 1, bottom - top + 1);
}

// Paints a blank tile of side `size` at `origin`: grey face, light top row and
// left column, dark right column and bottom row. The dark edges are painted
// last, so the top-right and bottom-left corner pixels are dark.
void paintTileFace(QPainter &p, QPoint origin, int size, int bevel = 1)
{
    const int x = origin.x(), y = origin.y();
    p.fillRect(x, y, size, size, kFace);
    p.fillRect(x, y, size, bevel, kLight);
    p.fillRect(x, y, bevel, size, kLight);
    p.fillRect(x + size - bevel, y, bevel, size, kShadow);
    p.fillRect(x, y + size - bevel, size, bevel, kShadow);
}

// Draws `picture` scaled to fit a `box` x `box` square centred on a tile of
// side `size`. With a `scale` above 1, `size` and `box` are still those of
// the normal tile: the picture is drawn from the font's bitmap at `scale`
// times the size and place it has on the normal tile, so a double-size tile
// is the normal one at twice the density, not nudged by its own rounding.
void paintPicture(QPainter &p, QPoint origin, int size, int box, const QImage &picture,
                  int scale = 1)
{
    const QSize fitted = picture.size().scaled(box, box, Qt::KeepAspectRatio);
    const QImage scaled =
        scale == 1 ? picture.scaled(box, box, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                   : picture.scaled(fitted * scale, Qt::IgnoreAspectRatio,
                                    Qt::SmoothTransformation);
    const int x = origin.x() + (size - fitted.width() + 1) / 2 * scale;
    const int y = origin.y() + (size - fitted.height() + 1) / 2 * scale;
    p.drawImage(x, y, scaled);
}

// The tile sheet at `scale` times its normal size: every length, the bevel
// included, is multiplied.
bool writeTiles(const QString &path, const std::vector<QImage> &pictures, int scale)
{
    const int tile = kTile * scale;
    QImage sheet(tile * kColumns, tile * kRows, QImage::Format_RGB32);
    sheet.fill(kFace);
    {
        QPainter p(&sheet);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        for (int i = 0; i < kColumns * kRows; ++i) {
            const QPoint origin(tile * (i % kColumns), tile * (i / kColumns));
            paintTileFace(p, origin, tile, scale);
            paintPicture(p, origin, kTile, kPictureBox, pictures[i], scale);
        }
    }

    QImageWriter writer(path, "jpeg");
    writer.setQuality(92);
    writer.setProgressiveScanWrite(true);
    if (!writer.write(sheet.convertToFormat(QImage::Format_RGB888))) {
        std::fprintf(stderr, "make_assets: %s: %s\n", qPrintable(path),
                     qPrintable(writer.errorString()));
        return false;
    }
    return true;
}

// One icon image: for the larger sizes two matching tiles joined by a blue
// band, the way a pair is linked in the game; at 16 px a single tile.
QImage drawIcon(int size, const QImage &picture)
{
    QImage icon(size, size, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);

    if (size <= 16) {
        paintTileFace(p, QPoint(0, 0), size);
        paintPicture(p, QPoint(0, 0), size, size - 2, picture);
        return icon;
    }

    const double u = size / 256.0;
    const int tile = qRound(108 * u);
    const int bevel = std::max(1, qRound(4 * u));
    const QPoint a(qRound(12 * u), size - tile - qRound(12 * u));
    const QPoint b(size - tile - qRound(12 * u), a.y());
    const double ax = a.x() + tile / 2.0, bx = b.x() + tile / 2.0;
    const double top = 36 * u;

    QPainterPath band;
    band.moveTo(ax, a.y() + tile / 2.0);
    band.lineTo(ax, top);
    band.lineTo(bx, top);
    band.lineTo(bx, b.y() + tile / 2.0);
    const double width = std::max(3.0, 22 * u);
    p.strokePath(band, QPen(QColor(20, 70, 170), width + std::max(2.0, 6 * u),
                            Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.strokePath(band, QPen(QColor(60, 140, 240), width,
                            Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));

    for (const QPoint &origin : {a, b}) {
        paintTileFace(p, origin, tile, bevel);
        paintPicture(p, origin, tile, qRound(tile * 0.82), picture);
    }
    return icon;
}

void putU16(QByteArray &out, unsigned v)
{
    out.append(char(v & 0xFF));
    out.append(char((v >> 8) & 0xFF));
}

void putU32(QByteArray &out, unsigned v)
{
    putU16(out, v & 0xFFFF);
    putU16(out, v >> 16);
}

// One icon image as PNG data; empty if it could not be encoded.
QByteArray iconPng(int size, const QImage &picture)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!drawIcon(size, picture).save(&buffer, "PNG"))
        return {};
    return png;
}

bool writeFile(const QString &path, const QByteArray &data)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size()) {
        std::fprintf(stderr, "make_assets: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

// The window icon's sizes, and those of the desktop's icon theme.
constexpr std::array<int, 3> kWindowIconSizes{16, 48, 256};
constexpr std::array<int, 6> kThemeIconSizes{16, 32, 48, 64, 128, 256};

QString themeIconPath(const QDir &out, int size)
{
    return out.filePath(QStringLiteral("icons/%1x%1.png").arg(size));
}

// The icon for desktop menus and launchers: one PNG per size, the same
// images as in the window icon.
bool writeThemeIcons(const QDir &out, const QImage &picture)
{
    for (int size : kThemeIconSizes) {
        const QByteArray png = iconPng(size, picture);
        if (png.isEmpty() || !writeFile(themeIconPath(out, size), png))
            return false;
    }
    return true;
}

// Qt's ico writer stores one image per file, so the container is written
// here: ICONDIR, one ICONDIRENTRY per image, then each image as PNG data.
bool writeIcon(const QString &path, const QImage &picture)
{
    const auto &sizes = kWindowIconSizes;
    std::vector<QByteArray> pngs;
    for (int size : sizes) {
        const QByteArray png = iconPng(size, picture);
        if (png.isEmpty())
            return false;
        pngs.push_back(png);
    }

    QByteArray ico;
    putU16(ico, 0);             // reserved
    putU16(ico, 1);             // type: icon
    putU16(ico, sizes.size());  // image count
    unsigned offset = 6 + 16 * sizes.size();
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        ico.append(char(sizes[i] >= 256 ? 0 : sizes[i]));  // width, 0 = 256
        ico.append(char(sizes[i] >= 256 ? 0 : sizes[i]));  // height
        ico.append(char(0));   // palette size
        ico.append(char(0));   // reserved
        putU16(ico, 1);        // colour planes
        putU16(ico, 32);       // bits per pixel
        putU32(ico, pngs[i].size());
        putU32(ico, offset);
        offset += pngs[i].size();
    }
    for (const QByteArray &png : pngs)
        ico.append(png);
    return writeFile(path, ico);
}

// Reads the files back the way the game and the desktop will.
bool check(const QString &tilesPath, const QString &tiles2xPath, const QString &iconPath,
           const QDir &out)
{
    bool ok = true;
    for (int scale : {1, 2}) {
        const QString &path = scale == 1 ? tilesPath : tiles2xPath;
        const QSize size(kTile * kColumns * scale, kTile * kRows * scale);
        if (QImage(path).size() != size) {
            std::fprintf(stderr, "make_assets: %s does not read back at %d x %d\n",
                         qPrintable(path), size.width(), size.height());
            ok = false;
        }
    }
    for (int size : kThemeIconSizes) {
        const QImage image(themeIconPath(out, size));
        if (image.size() != QSize(size, size) || !image.hasAlphaChannel()) {
            std::fprintf(stderr, "make_assets: %s reads back as %d x %d\n",
                         qPrintable(themeIconPath(out, size)), image.width(), image.height());
            ok = false;
        }
    }

    QImageReader reader(iconPath);
    const auto &sizes = kWindowIconSizes;
    if (reader.imageCount() != int(sizes.size())) {
        std::fprintf(stderr, "make_assets: %s reads back with %d images\n",
                     qPrintable(iconPath), reader.imageCount());
        return false;
    }
    for (int i = 0; i < int(sizes.size()); ++i) {
        reader.jumpToImage(i);
        const QImage image = reader.read();
        if (image.size() != QSize(sizes[i], sizes[i]) || !image.hasAlphaChannel()) {
            std::fprintf(stderr, "make_assets: icon image %d reads back as %d x %d\n", i,
                         image.width(), image.height());
            ok = false;
        }
    }
    return ok;
}

}  // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    if (argc != 2) {
        std::fprintf(stderr, "usage: make_assets <output-dir>\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.exists()) {
        std::fprintf(stderr, "make_assets: no such directory: %s\n", argv[1]);
        return 2;
    }

    const QFontInfo info(QFont(QStringLiteral("Noto Color Emoji")));
    if (info.family() != QStringLiteral("Noto Color Emoji")) {
        std::fprintf(stderr, "make_assets: the Noto Color Emoji font is missing "
                             "(Debian package fonts-noto-color-emoji)\n");
        return 1;
    }

    // A font that falls back to outlines or missing-glyph boxes would give
    // blank, grey or identical pictures: refuse to write the sheet then.
    std::vector<QImage> pictures;
    int colouredCount = 0;
    for (const Picture &pic : kPictures) {
        bool coloured = false;
        QImage image = renderEmoji(pic.code, coloured);
        if (image.isNull()) {
            std::fprintf(stderr, "make_assets: U+%04X (%s) rendered blank\n",
                         unsigned(pic.code), pic.name);
            return 1;
        }
        for (std::size_t j = 0; j < pictures.size(); ++j) {
            if (pictures[j] == image) {
                std::fprintf(stderr, "make_assets: U+%04X (%s) looks the same as %s\n",
                             unsigned(pic.code), pic.name, kPictures[j].name);
                return 1;
            }
        }
        colouredCount += coloured ? 1 : 0;
        pictures.push_back(image);
    }
    if (colouredCount < int(kPictures.size()) - 5) {
        std::fprintf(stderr, "make_assets: only %d pictures came out in colour\n",
                     colouredCount);
        return 1;
    }

    const QString tilesPath = out.filePath(QStringLiteral("tiles.jpg"));
    const QString tiles2xPath = out.filePath(QStringLiteral("tiles@2x.jpg"));
    const QString iconPath = out.filePath(QStringLiteral("icon.ico"));
    if (!out.mkpath(QStringLiteral("icons"))) {
        std::fprintf(stderr, "make_assets: cannot make %s\n", qPrintable(out.filePath("icons")));
        return 1;
    }
    if (!writeTiles(tilesPath, pictures, 1) || !writeTiles(tiles2xPath, pictures, 2))
        return 1;
    if (!writeIcon(iconPath, pictures[kIconPicture]) ||
        !writeThemeIcons(out, pictures[kIconPicture]))
        return 1;
    if (!check(tilesPath, tiles2xPath, iconPath, out))
        return 1;

    std::printf("make_assets: wrote %s, %s, %s and %s\n", qPrintable(tilesPath),
                qPrintable(tiles2xPath), qPrintable(iconPath),
                qPrintable(out.filePath(QStringLiteral("icons"))));
    return 0;
}
