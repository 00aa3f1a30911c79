#include "document/shared_settings.h"

namespace korvo {

TDocState DocState = dsUntitled;
std::int32_t PageWidthMM = 210;
std::int32_t PageHeightMM = 280;

void MarkModified()
{
    if (DocState == dsUntitled)
        DocState = dsUntitledChanged;
    else if (DocState == dsSaved)
        DocState = dsChanged;
}

} // namespace korvo
