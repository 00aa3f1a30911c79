#pragma once

#include "document/drawing.h"

#include <QCoreApplication>
#include <QDialog>

#include <optional>

class QButtonGroup;

namespace korvo {

// The square size (1, 2, 5 or 10 mm) and major lines (0 none, 1 every 5th line, 2 every 10th) of a
// graph paper.
class TGridFrm : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(korvo::TGridFrm)

public:
    explicit TGridFrm(QWidget* parent = nullptr);

    int SquareSize() const;
    // Sizes not offered show as 10 mm, except a size of nothing or less, which shows as 1 mm.
    void SetSquareSize(int size);
    int MajorLines() const;
    // Choices not offered show as none.
    void SetMajorLines(int choice);

    TPaperSettings Settings() const { return { SquareSize(), MajorLines() }; }
    void SetSettings(const TPaperSettings& settings);

private:
    QButtonGroup* FSquares;
    QButtonGroup* FMajorLines;
};

// "Edit graph paper..": shows the settings over the parent and gives the applied ones, or nothing
// when cancelled.
std::optional<TPaperSettings> EditPaperSettings(const TPaperSettings& current, QWidget* parent = nullptr);

} // namespace korvo
