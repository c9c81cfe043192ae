#pragma once
// The page an engine shows in place of one that could not be loaded, so that a failure is
// visible in the tab instead of leaving the previous page or a blank one.

#include <string>
#include <string_view>

namespace qx::web {

// The title the error page carries.
extern const char16_t kErrorPageTitle[];

// A self-contained HTML page (UTF-8, no script) naming the address and the reason. Both texts
// are escaped, so an address cannot inject markup.
std::string BuildErrorPage(std::u16string_view url, std::u16string_view reason);

}  // namespace qx::web
