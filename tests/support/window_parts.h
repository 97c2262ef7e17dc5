// A control of the game's window found by its name (Picture1, Label3,
// meuHigh, Timer1, ...), as the window names its controls; null if it has
// none of that name and kind.
#pragma once

#include <string>

#include "ui/form1.h"
#include "ui/toolkit/control.h"

namespace mepo::test {

template <typename T>
T* partOf(const Form1& form, const std::string& name) {
    for (Control* c : form.controls())
        if (c->name() == name)
            if (auto* t = dynamic_cast<T*>(c)) return t;
    return nullptr;
}

}  // namespace mepo::test
