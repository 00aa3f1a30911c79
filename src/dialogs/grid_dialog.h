#pragma once

#include <QDialog>

class QButtonGroup;

namespace korvo {

// The graph paper settings: square size in millimetres (1, 2, 5 or 10) and major lines (0 none,
// 1 every 5th line, 2 every 10th).
class TGridFrm : public QDialog {
public:
    explicit TGridFrm(QWidget* parent = nullptr);

    int SquareSize() const;
    // Sizes not offered show as 10 mm, except a size of nothing or less, which shows as 1 mm.
    void SetSquareSize(int size);
    int MajorLines() const;
    void SetMajorLines(int choice);

private:
    QButtonGroup* FSquares;
    QButtonGroup* FMajorLines;
};

} // namespace korvo
