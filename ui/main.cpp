#include <QApplication>

#include "form1.h"
#include "toolkit/fonts.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    mepo::installChineseFontFallbacks();
    mepo::Form1 form;
    form.show();
    return app.exec();
}
