#pragma once

#include <QString>
#include <QStringList>

namespace korvo {

// Whether a stored font can name the face: some code page holds the name in at most 31 bytes.
bool StorableFaceName(const QString& face);

// The faces a text can be given: the installed scalable families that a stored font can name, without
// the generic ones, sorted by name. Scalable only, because a text grows and shrinks with the zoom and goes to the
// printer.
QStringList InstalledTypefaces();

} // namespace korvo
