#pragma once

#include <QByteArray>
#include <QString>

namespace korvo {

// The shipped library's page and picture names are stored in English, so a drawing or library made
// in one language opens the same in another; they are shown in the user's language. A name the user
// gave has no translation and is shown as it is.
QString ShownLibraryName(const QByteArray& stored);

// What to store for the name the user confirmed in place of a stored one: the stored name itself
// while the text is still the one shown, so confirming a translated name keeps the file's English.
QByteArray ConfirmedLibraryName(const QByteArray& stored, const QByteArray& typed);

} // namespace korvo
