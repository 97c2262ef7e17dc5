// Handing a web address to the desktop's browser. The call returns at once;
// a failure (no browser, no network) is silent.
#pragma once

#include <functional>
#include <string>

namespace mepo {

class Desktop;

using UrlOpener = std::function<void(const std::string& url)>;

// Opens the address with the desktop's URL handler; the desktop must
// outlive the opener.
UrlOpener desktopUrlOpener(const Desktop& desktop);

}  // namespace mepo
