#include "editor/main_window.h"

#include "document/page_export.h"
#include "document/recovery_store.h"
#include "editor/autosave.h"

#include <QFileInfo>

namespace korvo {

namespace {

    // Thumbnails are a fifth of the page at zoom x1: 168 by 224 pixels for A4.
    constexpr double ThumbnailFactor = 0.2;

    std::vector<TRecoveryOffer> Offers(const std::vector<TRecoveryEntry>& entries)
    {
        std::vector<TRecoveryOffer> offers;
        for (const TRecoveryEntry& entry : entries) {
            const TRecoveryInfo& info = entry.Info;
            offers.push_back(
                { info.FileName.isEmpty() ? QStringLiteral("Untitled") : QFileInfo(info.FileName).fileName(), info.Time,
                    RenderPageImage(entry.Shapes, QSize(info.PageWidthMM, info.PageHeightMM), ThumbnailFactor) });
        }
        return offers;
    }

} // namespace

void TMainDrawFrm::OfferRecovery()
{
    TLeftovers leftovers = FRecovery->ClaimLeftovers();
    for (const QString& problem : leftovers.Problems)
        FPrompts.ShowError(problem);
    std::vector<TRecoveryEntry>& entries = leftovers.Entries;
    std::vector<TRecoveryOffer> offers = Offers(entries);
    while (!entries.empty()) {
        const TRecoveryChoice choice = FPrompts.ChooseRecovery(offers);
        if (choice.Action == TRecoveryAction::Later || choice.Index < 0
            || choice.Index >= static_cast<int>(entries.size()))
            return;
        TRecoveryEntry& entry = entries[static_cast<std::size_t>(choice.Index)];
        if (choice.Action == TRecoveryAction::Recover) {
            // One drawing at a time: the others wait for the next start.
            Recover(entry);
            return;
        }
        TRecoveryStore::Discard(entry);
        entries.erase(entries.begin() + choice.Index);
        offers.erase(offers.begin() + choice.Index);
    }
}

void TMainDrawFrm::Recover(TRecoveryEntry& entry)
{
    const TDrawingUpdate update(FDrawing);
    // A drawing that will not open has been reported and waits for the next start.
    if (!FFileCommands->OpenRecovered(entry.ShapesFile, entry.Info.FileName))
        return;
    Action(entry.Info.PageWidthMM == 420 ? TCommand::PageA3 : TCommand::PageA4)->trigger();
    // The drawing is this instance's to keep from now on; the old copy goes once the new one is written.
    if (FAutosave->WriteNow())
        TRecoveryStore::Discard(entry);
}

} // namespace korvo
