// The main window as the game sees it: a client area below the menu bar in
// twips, an outer size, a position on the screen, and a resize handler that
// runs to completion inside every assignment of the outer size.
#pragma once

#include <QMainWindow>

namespace mepo {

class FormWindow : public QMainWindow {
public:
    FormWindow();

    QWidget* client() const { return client_; }
    double clientWidth() const;   // twips
    double clientHeight() const;  // twips

    // The game's window sizes were laid out for a frame and a menu bar that
    // together take 115 twips across and 690 twips down: the design client
    // area of 7485 x 7110 twips belongs to an outer size of 7600 x 7800. The
    // outer size here keeps exactly those margins around our client area,
    // whatever this desktop's decorations and menu bar really measure, so
    // that an outer size always gives the same client area (7600 x 7800 the
    // design one, the larger difficulties boards with room for every cell).
    static constexpr double kFrameWidth = 115;
    static constexpr double kFrameHeight = 690;
    double outerWidth() const { return clientWidth() + kFrameWidth; }
    double outerHeight() const { return clientHeight() + kFrameHeight; }
    // Sets the size and runs the resize handling before returning. A
    // maximised or minimised window is restored first, so the size applies.
    void setOuterWidth(double twips);
    void setOuterHeight(double twips);

    double left() const { return x() * 15.0; }
    double top() const { return y() * 15.0; }
    void setLeft(double twips);
    void setTop(double twips);

    // Draws a thin sunken border just outside a control, so its extent shows
    // even while it is blank.
    void frameAround(QWidget* control);

    double screenWidth() const;   // twips
    double screenHeight() const;  // twips

protected:
    // The client area changed size (or an outer size was assigned).
    virtual void clientResized() = 0;

private:
    class ClientArea;
    void setClientSize(int widthPx, int heightPx);
    void runResize();

    QWidget* client_;
    int resizeRuns_ = 0;
};

}  // namespace mepo
