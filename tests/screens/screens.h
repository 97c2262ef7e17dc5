// The desktop that the screens tests run on: Qt's offscreen platform given
// three screens of different sizes and densities (device pixels per pixel),
// placed in one virtual desktop, positions in pixels:
//
//   (0,0)                (1366,0)
//   +--------------------+--------------------+
//   | "left"  1366 x 768 | "right" 1366 x 768 |
//   | density 1, primary | density 2          |
//   +--------------------+--------------------+
//   | "lower" 1280 x 1024  |
//   | density 1.5          |
//   +----------------------+
//   (0,768)
//
// Windows open on the primary screen (the platform takes the screens in the
// order of their names and makes the first its primary one); a window moved
// onto another screen takes that screen's density, as on a desktop with
// several monitors.
#pragma once

#include <QGuiApplication>
#include <QRect>
#include <QScreen>

namespace mepo::test {

struct MonitorShape {
    const char* name;
    QRect geometry;
    double density;
};

inline constexpr MonitorShape kLeftScreen{"left", QRect(0, 0, 1366, 768), 1};
inline constexpr MonitorShape kRightScreen{"right", QRect(1366, 0, 1366, 768), 2};
inline constexpr MonitorShape kLowerScreen{"lower", QRect(0, 768, 1280, 1024), 1.5};

// The screen of that name (null if the platform has none such).
inline QScreen* screenNamed(const MonitorShape& shape) {
    for (QScreen* s : QGuiApplication::screens())
        if (s->name() == QLatin1String(shape.name)) return s;
    return nullptr;
}

}  // namespace mepo::test
