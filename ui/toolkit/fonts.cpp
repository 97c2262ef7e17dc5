#include "fonts.h"

#include <QFont>
#include <QFontDatabase>
#include <QStringList>

namespace mepo {

static void fallback(const QString& family, const QStringList& standIns) {
    if (QFontDatabase::families().contains(family)) return;
    QStringList present;
    for (const QString& f : standIns)
        if (QFontDatabase::families().contains(f)) present << f;
    if (!present.isEmpty()) QFont::insertSubstitutions(family, present);
}

void installChineseFontFallbacks() {
    fallback(QStringLiteral("宋体"), {QStringLiteral("Noto Serif CJK SC"), QStringLiteral("AR PL UMing CN"),
                                    QStringLiteral("Noto Sans CJK SC"), QStringLiteral("WenQuanYi Zen Hei")});
    fallback(QStringLiteral("幼圆"), {QStringLiteral("Noto Sans CJK SC"), QStringLiteral("WenQuanYi Zen Hei"),
                                    QStringLiteral("AR PL UKai CN"), QStringLiteral("Noto Serif CJK SC")});
}

}  // namespace mepo
