#include "x11_desktop.h"

#include "../desktop.h"
#include "x11_placement.h"

namespace mepo {

std::unique_ptr<Desktop> x11Desktop() {
    return std::make_unique<Desktop>("x11", [](QMainWindow& window, Placement::Handlers handlers) {
        return std::unique_ptr<Placement>(std::make_unique<X11Placement>(window, std::move(handlers)));
    });
}

}  // namespace mepo
