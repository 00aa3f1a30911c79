#pragma once

#include <QString>
#include <QStringList>

namespace korvo {

// Whether a stored font can name the face: some code page holds the name in at most 31 bytes.
bool StorableFaceName(const QString& face);

// The families without the font configuration's generic names: those stand for whatever face it picks on
// each machine, and a drawing names a real face so that it looks the same elsewhere.
QStringList RealFamilies(QStringList families);

// The faces a text can be given: the installed scalable real families that a stored font can name, sorted
// by name. Scalable only, because a text grows and shrinks with the zoom and goes to the
// printer.
QStringList InstalledTypefaces();

} // namespace korvo
