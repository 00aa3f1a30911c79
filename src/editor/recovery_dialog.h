#pragma once

#include "editor/user_prompts.h"

#include <QDialog>

class QListWidget;

namespace korvo {

// "Recover unsaved drawings": the drawings a Korvo left behind when it ended without closing them,
// each with its name, the time it was kept and a picture of it. "Recover" opens the chosen one,
// "Discard" throws it away and "Later" leaves them all for the next start.
class TRecoveryFrm : public QDialog {
public:
    TRecoveryFrm(const std::vector<TRecoveryOffer>& offers, QWidget* parent = nullptr);

    // Later, until a button says otherwise.
    TRecoveryChoice Choice() const { return FChoice; }

private:
    void Choose(TRecoveryAction action);

    QListWidget* FList;
    TRecoveryChoice FChoice;
};

} // namespace korvo
