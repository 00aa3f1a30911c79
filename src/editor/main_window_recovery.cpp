#include "editor/main_window.h"

#include "document/page_export.h"
#include "document/recovery_store.h"
#include "editor/autosave.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>
#include <map>

namespace korvo {

namespace {

    // Thumbnails are a fifth of the page at zoom x1: 168 by 224 pixels for A4.
    constexpr double ThumbnailFactor = 0.2;

    std::vector<TRecoveryOffer> Offers(const std::vector<TRecoveryEntry>& entries)
    {
        std::vector<TRecoveryOffer> offers;
        for (const TRecoveryEntry& entry : entries) {
            const TRecoveryInfo& info = entry.Info;
            offers.push_back({ info.FileName.isEmpty() ? QCoreApplication::translate("korvo::TMainDrawFrm", "Untitled")
                                                       : QFileInfo(info.FileName).fileName(),
                info.Time });
        }
        return offers;
    }

    // Reads an offered drawing when its picture is first wanted, one drawing at a time, and keeps the
    // one read last so that recovering it does not read it again.
    class TLeftoverPictures : public TOfferPictures {
    public:
        TLeftoverPictures(const std::vector<TRecoveryEntry>& entries, float scale, TShapesReader read)
            : FEntries(entries)
            , FScale(scale)
            , FRead(read)
        {
        }

        QImage Picture(int index) override
        {
            const TRecoveryEntry& entry = FEntries.at(static_cast<std::size_t>(index));
            try {
                const TRecoveryInfo& info = entry.Info;
                return RenderPageImage(Read(entry), QSize(info.PageWidthMM, info.PageHeightMM), ThumbnailFactor);
            } catch (const EFileError& e) {
                FProblems[entry.ShapesFile] = e.Message();
                return {};
            }
        }

        // What kept the entry's picture from being painted; empty when nothing did.
        QString Problem(const TRecoveryEntry& entry) const
        {
            const auto found = FProblems.find(entry.ShapesFile);
            return found == FProblems.end() ? QString() : found->second;
        }

        // The entry's shapes, read again only when they were not the last read. Throws EFileError.
        TShapeList Take(const TRecoveryEntry& entry)
        {
            Read(entry);
            FLastFile.clear();
            return std::move(FLast);
        }

    private:
        const TShapeList& Read(const TRecoveryEntry& entry)
        {
            if (FLastFile != entry.ShapesFile) {
                // The drawing read before goes first: two large ones need not fit side by side.
                FLast = {};
                FLastFile.clear();
                FLast = TRecoveryStore::ReadShapes(entry, FScale, FRead);
                FLastFile = entry.ShapesFile;
            }
            return FLast;
        }

        const std::vector<TRecoveryEntry>& FEntries;
        float FScale;
        TShapesReader FRead;
        std::map<QString, QString> FProblems;
        QString FLastFile;
        TShapeList FLast;
    };

    // Drawings whose pictures could not be painted cannot be recovered either.
    void SetAsideUnreadable(
        std::vector<TRecoveryEntry>& entries, const TLeftoverPictures& pictures, TUserPrompts& prompts)
    {
        for (auto entry = entries.begin(); entry != entries.end();) {
            const QString problem = pictures.Problem(*entry);
            if (problem.isEmpty()) {
                ++entry;
                continue;
            }
            prompts.ShowError(TRecoveryStore::SetAside(*entry, problem));
            entry = entries.erase(entry);
        }
    }

    // False when the user thinks better of it.
    bool DiscardAll(std::vector<TRecoveryEntry>& entries, TUserPrompts& prompts)
    {
        const QString question
            = QCoreApplication::translate("korvo::TMainDrawFrm", "Discard all %1 drawings kept for recovery?");
        if (!prompts.AskWarningYesCancel(question.arg(entries.size())))
            return false;
        for (TRecoveryEntry& entry : entries)
            TRecoveryStore::Discard(entry);
        entries.clear();
        return true;
    }

} // namespace

void TMainDrawFrm::OfferRecovery()
{
    TLeftovers leftovers = FRecovery->ClaimLeftovers();
    for (const QString& problem : leftovers.Problems)
        FPrompts.ShowError(problem);
    std::vector<TRecoveryEntry>& entries = leftovers.Entries;
    TLeftoverPictures pictures(entries, FDrawing.Scale(), FReadLeftover);
    while (!entries.empty()) {
        const TRecoveryChoice choice = FPrompts.ChooseRecovery(Offers(entries), pictures);
        const bool valid = choice.Index >= 0 && choice.Index < static_cast<int>(entries.size());
        const QString chosen = valid ? entries[static_cast<std::size_t>(choice.Index)].ShapesFile : QString();
        SetAsideUnreadable(entries, pictures, FPrompts);
        if (choice.Action == TRecoveryAction::DiscardAll) {
            if (DiscardAll(entries, FPrompts))
                return;
            continue;
        }
        if (choice.Action == TRecoveryAction::Later || !valid)
            return;
        const auto found = std::find_if(entries.begin(), entries.end(),
            [&chosen](const TRecoveryEntry& entry) { return entry.ShapesFile == chosen; });
        // Set aside just now: the others are offered again.
        if (found == entries.end())
            continue;
        if (choice.Action == TRecoveryAction::Discard) {
            TRecoveryStore::Discard(*found);
            entries.erase(found);
            continue;
        }
        try {
            // One drawing at a time: the others wait for the next start.
            Recover(*found, pictures.Take(*found));
            return;
        } catch (const EFileError& e) {
            FPrompts.ShowError(TRecoveryStore::SetAside(*found, e.Message()));
            entries.erase(found);
        }
    }
}

void TMainDrawFrm::Recover(TRecoveryEntry& entry, TShapeList shapes)
{
    const TDrawingUpdate update(FDrawing);
    // A drawing the user does not give up for it waits for the next start.
    if (!FFileCommands->OpenRecovered(std::move(shapes), entry.Info.FileName))
        return;
    const TRecoveryInfo& info = entry.Info;
    SetPageSize(info.PageWidthMM, info.PageHeightMM);
    Action(info.PageWidthMM == 420 ? TCommand::PageA3 : TCommand::PageA4)->setChecked(true);
    // The drawing is this instance's to keep from now on; the old copy goes once the new one is written.
    if (FAutosave->WriteNow())
        TRecoveryStore::Discard(entry);
}

} // namespace korvo
