// A fresh game window for each test, shown on the offscreen platform, with
// a message-box reader, a fixed seed and the web addresses it opens kept;
// its parts found by their names, as the window names its controls.
#pragma once

#include <gtest/gtest.h>

#include <QTest>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "modal_closer.h"
#include "support/desktop.h"
#include "support/window_parts.h"
#include "ui/form1.h"
#include "ui/toolkit/label.h"
#include "ui/toolkit/picture_box.h"

namespace mepo::test {

// A control of the window by its name (Picture1, Label3, meuHigh, Timer1, ...).
template <typename T>
T& part(const Form1& form, const std::string& name) {
    if (T* t = partOf<T>(form, name)) return *t;
    ADD_FAILURE() << "no control " << name;
    throw std::runtime_error("no control " + name);
}

class FormTest : public ::testing::Test {
protected:
    void SetUp() override {
        form.reset();
        if (!desktop) desktop = makeDesktop();
        form = std::make_unique<Form1>(
            *desktop, Form1::Options{{[] { return 17u; }}, [this](const std::string& url) { opened.push_back(url); }});
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }
    void TearDown() override { form.reset(); }

    Session& session() { return form->session(); }
    // The rules' state, to read, or to set up a board by hand.
    GameState& st() { return form->session().arrange(); }
    PictureBox* board() { return &part<PictureBox>(*form, "Picture1"); }
    PictureBox* bar() { return &part<PictureBox>(*form, "Picture3"); }
    PictureBox* sheet() { return &part<PictureBox>(*form, "Picture2"); }
    Label* label(const char* name) { return &part<Label>(*form, name); }
    MenuItem& item(const char* name) { return part<MenuItem>(*form, name); }
    IntervalTimer& timer(const char* name) { return part<IntervalTimer>(*form, name); }

    // The centre pixel of a cell on the board.
    static QPoint cellCentre(int col, int row) { return {col * 34 + 17, row * 34 + 17}; }

    // A press and a release on a cell of the board, as the mouse sends them.
    void clickCell(int col, int row, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mousePress(board(), button, {}, cellCentre(col, row));
        QTest::mouseRelease(board(), button, {}, cellCentre(col, row));
    }

    std::map<int, int> codesOnBoard() {
        std::map<int, int> n;
        for (int c = 1; c <= st().cols; ++c)
            for (int r = 1; r <= st().rows; ++r)
                if (st().board(c, r) != 0) ++n[st().board(c, r)];
        return n;
    }

    QRgb shownPixel(QWidget* w, int x, int y) { return w->grab().toImage().pixel(x, y); }

    std::unique_ptr<Desktop> desktop;
    std::unique_ptr<Form1> form;
    std::vector<std::string> opened;
    ModalCloser boxes;
};

}  // namespace mepo::test
