// The desktop the game runs on, as one object that answers every question
// the game has for it: where and how its window is placed and centred
// (placement.h), whether its windows draw their own title bar and borders,
// and the environment for the programs it starts. One back end a platform,
// each in a folder of its own, made and chosen once, at start-up, in
// desktop.cpp:
//
// - x11/: an X server with a window manager (Xwayland too), which draws the
//   title bars and frames, places and sizes the window when it gets round
//   to it (x11_placement.h);
// - wayland/: Qt's native Wayland platform, where no client places its
//   window (wayland_placement.h) and the compositor may or may not draw the
//   title bars (wayland_desktop.h), the game then drawing its own
//   (own_frame.h; where Wayland's development files were missing at build
//   time, Qt's own title bars are left on);
// - plain/: Qt's offscreen platform and every other one, where the window
//   takes what it asks for at once (plain_placement.h).
#pragma once

#include <QProcessEnvironment>
#include <QStringList>
#include <memory>

#include "placement.h"

class QMainWindow;
class QWidget;

namespace mepo {

class Desktop {
public:
    // Makes the placement of a main window on a desktop.
    using PlacementMaker = std::unique_ptr<Placement> (*)(QMainWindow& window, Placement::Handlers handlers);

    // What the desktops set in the environment before Qt started, for the
    // game alone (not for the programs it starts).
    struct BeforeQt {
        QStringList setForTheGame;
    };

    // name: which back end this is ("x11", "wayland" or "plain").
    Desktop(const char* name, PlacementMaker makePlacement, BeforeQt before = {})
        : name_(name), makePlacement_(makePlacement), before_(std::move(before)) {}
    virtual ~Desktop() = default;
    Desktop(const Desktop&) = delete;
    Desktop& operator=(const Desktop&) = delete;

    // What the desktops need before Qt starts: called once, at the very
    // start, before the application object exists (and so before any thread
    // of Qt's may read the environment).
    static BeforeQt beforeQt();
    // The desktop of the platform Qt runs on, once the application object
    // exists. The program makes it once, as soon as Qt has started, so that
    // whatever it asks of the display runs while the game builds its window,
    // and hands it to whatever needs it; it must outlive every window.
    static std::unique_ptr<Desktop> make(BeforeQt before = {});

    const char* name() const { return name_; }

    // The placement of a main window on this desktop, asked for by the rule
    // of the game's handlers.
    std::unique_ptr<Placement> placementFor(QMainWindow& window, Placement::Handlers handlers) const {
        return makePlacement_(window, std::move(handlers));
    }

    // A top-level window (the game's, or a message box) draws its own title
    // bar and borders from now on, where the desktop leaves them to the
    // window; elsewhere nothing changes.
    enum class Frame { Window, Box };
    virtual void frame(QWidget& window, Frame kind);

    // The environment for a program the game starts (a web browser): the
    // game's own, less what beforeQt() set for the game alone.
    QProcessEnvironment environmentForPrograms() const;
    // True when beforeQt() left the environment as the player gave it.
    bool environmentIsThePlayers() const;

private:
    const char* const name_;
    const PlacementMaker makePlacement_;
    const BeforeQt before_;
};

}  // namespace mepo
