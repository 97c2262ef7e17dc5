#include "x11_desktop.h"

#include "x11_placement.h"

namespace mepo {

std::unique_ptr<Placement> X11Desktop::placementFor(QMainWindow& window, Placement::Handlers handlers) const {
    return std::make_unique<X11Placement>(window, std::move(handlers));
}

}  // namespace mepo
