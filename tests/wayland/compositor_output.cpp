#include "compositor_output.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QThread>
#include <cstdlib>
#include <cstring>
#include <xcb/xcb.h>

namespace mepo::test {

namespace {

QProcessEnvironment hostEnvironment() {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), qEnvironmentVariable("MEPO_HOST_DISPLAY"));
    return env;
}

bool same(QRgb a, QRgb b) { return (a & 0xffffff) == (b & 0xffffff); }

// A block of the window's picture at (x, y) of the output.
bool blockAt(const QImage& out, const QImage& win, int x, int y, QRect block) {
    for (int j = block.top(); j <= block.bottom(); ++j)
        for (int i = block.left(); i <= block.right(); ++i)
            if (!same(out.pixel(x + i, y + j), win.pixel(i, j))) return false;
    return true;
}

// The whole picture at (x, y), but for what the compositor's pointer may
// cover: every differing pixel within one pointer-sized square.
bool wholeAt(const QImage& out, const QImage& win, int x, int y) {
    QRect differing;
    for (int j = 0; j < win.height(); ++j) {
        const QRgb* o = reinterpret_cast<const QRgb*>(out.constScanLine(y + j)) + x;
        const QRgb* w = reinterpret_cast<const QRgb*>(win.constScanLine(j));
        for (int i = 0; i < win.width(); ++i)
            if (!same(o[i], w[i])) {
                differing |= QRect(i, j, 1, 1);
                if (differing.width() > 48 || differing.height() > 48) return false;
            }
    }
    return true;
}

}  // namespace

QSize outputSize() {
    const QStringList wh = qEnvironmentVariable("MEPO_OUTPUT", QStringLiteral("1366x768")).split(QLatin1Char('x'));
    return wh.size() == 2 ? QSize(wh[0].toInt(), wh[1].toInt()) : QSize();
}

QImage grabOutput() {
    // Straight from the X server: the picture of the compositor's window.
    xcb_connection_t* c = xcb_connect(qgetenv("MEPO_HOST_DISPLAY").constData(), nullptr);
    QImage image;
    if (c && !xcb_connection_has_error(c)) {
        const auto window = static_cast<xcb_window_t>(qEnvironmentVariable("MEPO_COMPOSITOR_WINDOW").toUInt(nullptr, 0));
        const QSize size = outputSize();
        xcb_get_image_reply_t* reply = xcb_get_image_reply(
            c,
            xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, window, 0, 0, static_cast<uint16_t>(size.width()),
                          static_cast<uint16_t>(size.height()), ~0u),
            nullptr);
        // 24-bit colour in 32-bit pixels, as the private X server keeps it.
        if (reply && xcb_get_image_data_length(reply) == size.width() * size.height() * 4) {
            image = QImage(size, QImage::Format_RGB32);
            const uint8_t* data = xcb_get_image_data(reply);
            for (int y = 0; y < size.height(); ++y)
                std::memcpy(image.scanLine(y), data + static_cast<size_t>(y) * size.width() * 4,
                            static_cast<size_t>(size.width()) * 4);
        }
        std::free(reply);
    }
    if (c) xcb_disconnect(c);
    return image;
}

std::optional<QRect> findOnOutput(const QImage& output, const QImage& window) {
    const QImage out = output.convertToFormat(QImage::Format_RGB32);
    const QImage win = window.convertToFormat(QImage::Format_RGB32);
    if (win.width() < 64 || win.height() < 64) return std::nullopt;
    // Found by its top-left or its bottom-right corner, whichever the
    // pointer leaves free.
    const QRect corners[] = {QRect(0, 0, 40, 20), QRect(win.width() - 40, win.height() - 20, 40, 20)};
    for (int y = 0; y + win.height() <= out.height(); ++y)
        for (int x = 0; x + win.width() <= out.width(); ++x)
            for (const QRect& c : corners)
                if (blockAt(out, win, x, y, c) && wholeAt(out, win, x, y)) return QRect(QPoint(x, y), win.size());
    return std::nullopt;
}

bool xdotool(const QString& command) {
    QProcess p;
    p.setProcessEnvironment(hostEnvironment());
    // Keys go where the X server's focus is: on_compositor put it on the
    // compositor's window.
    p.start(QStringLiteral("sh"), {QStringLiteral("-c"), QStringLiteral("xdotool ") + command});
    // The event loop runs meanwhile: the compositor waits for the game's answers.
    QElapsedTimer clock;
    clock.start();
    while (p.state() != QProcess::NotRunning && clock.elapsed() < 20000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        p.waitForFinished(5);
    }
    return p.state() == QProcess::NotRunning && p.exitCode() == 0;
}

void parkPointer() {
    // In the output's bottom-right corner, where the compositor draws
    // hardly anything of its pointer.
    const QSize out = outputSize();
    xdotool(QStringLiteral("mousemove %1 %2").arg(out.width() - 1).arg(out.height() - 1));
}

std::optional<QRect> shownOnOutput(QWidget& window, std::string* why, int limitMs) {
    parkPointer();
    std::optional<QRect> at;
    QImage seen;
    settle(
        [&] {
            if (!window.isVisible()) return false;
            seen = grabOutput();
            at = findOnOutput(seen, window.grab().toImage());
            return at.has_value();
        },
        limitMs);
    if (!at && why) {
        seen.save(QStringLiteral("wayland-output.png"));
        window.grab().toImage().save(QStringLiteral("wayland-window.png"));
        *why = "the window (" + std::to_string(window.width()) + "x" + std::to_string(window.height()) +
               ") is not wholly on the " + std::to_string(seen.width()) + "x" + std::to_string(seen.height()) +
               " output; it showed as wayland-output.png";
    }
    return at;
}

}  // namespace mepo::test
