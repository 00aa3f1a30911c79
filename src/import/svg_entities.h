#pragma once

#include <QByteArray>
#include <QString>
#include <QXmlStreamEntityDeclarations>

namespace korvo {

// Checks a document type's entity declarations before any reference to them is expanded: no entity
// from outside the file, at most SvgLimits::MaxEntityDeclarations, and all the references in the
// document together expanding to at most SvgLimits::MaxEntityExpansion characters (which stops
// both nested "billion laughs" entities and many references to one long entity). Returns an empty
// string when the file may be read, otherwise the translated reason.
QString CheckEntities(const QXmlStreamEntityDeclarations& declarations, const QByteArray& document);

} // namespace korvo
