// The labels ask for their fonts by the names "宋体" (a Song serif) and
// "幼圆" (a rounded sans). Where a machine lacks them, an installed Chinese
// font of the same style stands in, so Chinese text always shows real glyphs.
#pragma once

namespace mepo {

void installChineseFontFallbacks();

}  // namespace mepo
