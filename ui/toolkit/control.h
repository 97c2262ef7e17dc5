// Every control of the window, seen the same way: a name, properties read
// and written by name (in twips and points), and a free record slot. A
// control that lacks a property refuses it softly, and the caller skips it.
#pragma once

#include <array>
#include <optional>
#include <string>

namespace mepo {

enum class Prop { Left, Top, Width, Height, FontSize, Visible };

// The design record a control keeps: left, top, width, height (twips) and
// font size (points). Empty for a control without geometry.
struct Record {
    bool empty = true;
    std::array<double, 5> numbers{};
};

class Control {
public:
    explicit Control(std::string name) : name_(std::move(name)) {}
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& name() const { return name_; }

    // nullopt / false: the control has no such property or refuses the value.
    virtual std::optional<double> get(Prop) const { return std::nullopt; }
    virtual bool set(Prop, double) { return false; }
    // Left, top, width and height at once.
    virtual bool move(double left, double top, double width, double height);

    Record& tag() { return tag_; }
    const Record& tag() const { return tag_; }

private:
    std::string name_;
    Record tag_;
};

}  // namespace mepo
