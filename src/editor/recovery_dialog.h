#pragma once

#include "editor/user_prompts.h"

#include <QDialog>

class QListView;

namespace korvo {

// "Recover unsaved drawings": the drawings a Korvo left behind when it ended without closing them,
// each with its name, the time it was kept and a picture of it, painted when the list shows it.
// "Recover" opens the chosen one, "Discard" throws it away and "Later" leaves them all for the next
// start; once many have gathered, "Discard all" throws them all away.
class TRecoveryFrm : public QDialog {
    Q_OBJECT

public:
    TRecoveryFrm(const std::vector<TRecoveryOffer>& offers, TOfferPictures& pictures, QWidget* parent = nullptr);

    // Later, until a button says otherwise.
    TRecoveryChoice Choice() const { return FChoice; }

    // From this many offers on, the dialog offers to discard them all.
    static constexpr std::size_t ManyOffers = 5;

private:
    void Choose(TRecoveryAction action);

    QListView* FList;
    TRecoveryChoice FChoice;
};

} // namespace korvo
