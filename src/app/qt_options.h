#pragma once

#include <QStringList>

namespace korvo {

// The arguments less the options the Qt application object takes for itself (`-platform NAME`,
// `--style=NAME`, `-reverse` ...), in one or two dashes, as Qt documents them. Korvo has to choose
// between its commands and the editor before it can make that object, so it reads past them the same way.
QStringList WithoutQtOptions(const QStringList& arguments);

} // namespace korvo
