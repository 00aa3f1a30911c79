#include "printing/print_service.h"

#include <cups/cups.h>

namespace korvo {

QString PrintServiceRefusal()
{
    if (cupsLastError() <= IPP_STATUS_OK_EVENTS_COMPLETE)
        return {};
    return QString::fromUtf8(cupsLastErrorString());
}

} // namespace korvo
