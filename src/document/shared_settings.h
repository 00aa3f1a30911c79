#pragma once

#include <cstdint>

namespace korvo {

enum TDocState : std::uint8_t {
    dsUntitled = 0,
    dsUntitledChanged = 1,
    dsSaved = 2,
    dsChanged = 3,
};

// Process-wide settings that the main window writes and the document reads.
// The page is 210 x 280 mm for A4 and 420 x 560 mm for A3: the editor's page, not the paper sheet.
extern TDocState DocState;
extern std::int32_t PageWidthMM;
extern std::int32_t PageHeightMM;

// Untitled and saved drawings become changed; changed ones stay as they are.
void MarkModified();

} // namespace korvo
