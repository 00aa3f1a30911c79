#pragma once

#include <QString>

namespace korvo {

// The print service's answer to the job Qt has just handed it on this thread: empty when it took the
// job, else its reason for refusing. Qt submits the job when painting on the printer ends but keeps
// the answer to itself, so a refused job would otherwise pass for printed.
QString PrintServiceRefusal();

} // namespace korvo
