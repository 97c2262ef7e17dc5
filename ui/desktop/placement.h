// Where the game's window stands, and the one request that says where it
// should: a client area of a given size, and either a centring on the
// monitor that holds the window (with a reserve kept free at the monitor's
// bottom) or the top-left corner of its frame. The placement keeps that
// request, the latest one only, and asks the desktop for it once no handler
// of the game's is running; whenever the desktop's answer calls for it (the
// window manager framed the window late, restored it from maximised, or the
// window was mapped afresh), it asks again by that same request itself.
//
// How the desktop is asked is each back end's affair (desktop.h): a
// subclass places the window by request() in place().
#pragma once

#include <QMargins>
#include <QObject>
#include <QPoint>
#include <QSize>
#include <functional>
#include <optional>

class QMainWindow;
class QScreen;

namespace mepo {

class Placement : public QObject {
public:
    // The game's rule that its handlers never interrupt one another, as the
    // window's own requests keep it.
    struct Handlers {
        // True while one of the game's handlers runs.
        std::function<bool()> running;
        // Runs work once the running handler (and every one it was called
        // from) has finished.
        std::function<void(std::function<void()>)> afterThem;
        // Runs work from the event loop once no handler runs and no message
        // box is open.
        std::function<void(std::function<void()>)> whenQuiet;
    };

    // What the window was asked to be.
    struct Request {
        QSize client;                        // the client area, pixels
        std::optional<QPoint> frameTopLeft;  // a place asked for, desktop pixels
        std::optional<double> centredWith;   // or a centring: its bottom reserve, pixels
    };

    Placement(QMainWindow& window, Handlers handlers);
    ~Placement() override;

    // The client area of that size; a place or a centring asked since the
    // request was last made stays.
    void askClient(QSize client);
    // The frame's left edge, or its top edge, or both there; a centring
    // asked before becomes the place it gives, with those edges moved.
    void askPlace(std::optional<int> left, std::optional<int> top);
    // Centred on the monitor that holds the window (before the first show,
    // the one Qt gives it): left = monitor left + (monitor width - outer
    // width) / 2, top = monitor top + (monitor height - bottomReserve - outer
    // height) / 2, kept inside the monitor's free area, or at its top-left
    // corner when the window is larger. Worked out again by the real frame
    // whenever the request is made again.
    void askCentred(double bottomReserve);

    // The client area's size, and the frame's top-left corner, as asked for
    // while the request waits to be made, as they stand otherwise.
    QSize clientSize() const;
    QPoint frameTopLeft() const;

    // The monitor that holds the middle of the window's frame.
    QScreen* monitor() const;
    // Around the client area inside the window: the menu bar and whatever
    // the window draws itself (its own title bar and borders).
    QMargins windowMargins() const;
    // The desktop's frame around the window, in pixels (none where the
    // desktop draws nothing, or nothing the game can know of).
    virtual QMargins frame() const;
    // False where the desktop alone places windows.
    virtual bool placesWindow() const { return true; }
    // How many times the window was mapped afresh to show a new size.
    virtual int remaps() const { return 0; }

protected:
    const Request& request() const { return request_; }
    QMainWindow& window() const { return window_; }
    const Handlers& handlers() const { return handlers_; }
    // The window's size (frame not included) for a client area of that size.
    QSize windowSizeFor(QSize client) const;
    // The frame's top-left corner that the request asks for, going by that
    // frame; none where it asks for no place.
    std::optional<QPoint> cornerFor(QMargins frame) const;
    // Asks the window system for the request in one go, going by that
    // frame: before the first show, the window's size and its frame's
    // place; after it, the window's geometry, size and place together.
    void placeAtOnce(QMargins frame);
    // Makes the request of the desktop. Called when no handler runs.
    virtual void place() = 0;
    // The desktop's answer calls for the request again: made once no
    // handler runs and no message box is open.
    void placeAgainWhenQuiet();
    // Runs work by one of the handlers' rules (afterThem, whenQuiet), once
    // however often it is asked before it has run, and never once the
    // placement has gone; queued is the flag of that work.
    using Defer = std::function<void(std::function<void()>)>;
    void once(bool& queued, const Defer& defer, std::function<void()> work);

private:
    // A new request starts from the window as it stands, with no place.
    void begin();
    void asked();
    void makeRequest();

    QMainWindow& window_;
    const Handlers handlers_;
    Request request_;
    bool waiting_ = false;         // asked, and not made of the desktop yet
    bool sizeAsked_ = false;       // ... with a client size among it
    bool placeAsked_ = false;      // ... with a place or a centring
    bool madeWhenIdle_ = false;    // queued until the running handler ends
    bool againWhenQuiet_ = false;  // queued by the desktop's answer
};

}  // namespace mepo
