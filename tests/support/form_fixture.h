// A fresh game window for each test, shown on the offscreen platform, with
// a message-box reader and a fixed seed.
#pragma once

#include <gtest/gtest.h>

#include <QTest>
#include <map>
#include <memory>

#include "modal_closer.h"
#include "ui/form1.h"

namespace mepo::test {

class FormTest : public ::testing::Test {
protected:
    void SetUp() override {
        form = std::make_unique<Form1>();
        form->rng.reseed(17);
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }
    void TearDown() override { form.reset(); }

    // The centre pixel of a cell on the board.
    static QPoint cellCentre(int col, int row) { return {col * 34 + 17, row * 34 + 17}; }

    // A press and a release on a cell of the board, as the mouse sends them.
    void clickCell(int col, int row, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mousePress(form->Picture1, button, {}, cellCentre(col, row));
        QTest::mouseRelease(form->Picture1, button, {}, cellCentre(col, row));
    }

    std::map<int, int> codesOnBoard() const {
        std::map<int, int> n;
        for (int c = 1; c <= form->st.cols; ++c)
            for (int r = 1; r <= form->st.rows; ++r)
                if (form->st.board(c, r) != 0) ++n[form->st.board(c, r)];
        return n;
    }

    QRgb shownPixel(QWidget* w, int x, int y) { return w->grab().toImage().pixel(x, y); }

    std::unique_ptr<Form1> form;
    ModalCloser boxes;
};

}  // namespace mepo::test
