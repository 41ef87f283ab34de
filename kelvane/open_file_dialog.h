#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace corvanta::kelvane {

// Shows the multi-select open dialog owned by the widget whose window id is
// `hwndOwner` (0 or an unknown id: no owner) and returns the chosen full
// paths joined by "\r\n", or the empty text after a cancel or a failure (no
// running QApplication, a choice too large for the file buffer). After a
// successful choice the current directory saved before the dialog is put
// back unless `keepCurrentDir` is non-zero; a cancel leaves it alone.
std::string ShowOpenFileDialog(std::uint32_t hwndOwner, std::string_view title,
                               std::string_view filter, std::string_view initialDir,
                               std::int32_t keepCurrentDir);

}  // namespace corvanta::kelvane
