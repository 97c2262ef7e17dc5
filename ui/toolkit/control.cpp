#include "control.h"

namespace mepo {

bool Control::move(double left, double top, double width, double height) {
    if (!get(Prop::Left) || !get(Prop::Width)) return false;
    bool ok = set(Prop::Left, left);
    ok = set(Prop::Top, top) && ok;
    ok = set(Prop::Width, width) && ok;
    ok = set(Prop::Height, height) && ok;
    return ok;
}

}  // namespace mepo
