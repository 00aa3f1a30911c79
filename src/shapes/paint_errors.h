#pragma once

#include <QString>
#include <QStringList>

namespace korvo {

class TErrorReporter;

// Errors met while painting, collected per shape so that one paint reports each distinct error once,
// after painting, instead of interrupting it.
class TPaintErrors {
public:
    // "Draw " or "Node selection " + the kind number, a carriage return and the message.
    void Add(const QString& prefix, int kind, const QString& message);
    // Takes over the other's errors that are not here yet.
    void Merge(const TPaintErrors& other);
    bool IsEmpty() const { return FMessages.isEmpty(); }
    const QStringList& Messages() const { return FMessages; }
    // Reports every collected error through the reporter and forgets them.
    void ReportTo(TErrorReporter& reporter);

private:
    QStringList FMessages;
};

} // namespace korvo
