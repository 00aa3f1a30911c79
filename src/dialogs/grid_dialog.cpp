#include "dialogs/grid_dialog.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace korvo {

namespace {

    constexpr int Sizes[] = { 1, 2, 5, 10 };

    QGroupBox* RadioGroup(
        const QString& name, const QString& caption, const QStringList& items, QButtonGroup* group, QWidget* parent)
    {
        auto* box = new QGroupBox(caption, parent);
        box->setObjectName(name);
        auto* layout = new QVBoxLayout(box);
        for (int row = 0; row < items.size(); ++row) {
            auto* item = new QRadioButton(items[row], box);
            group->addButton(item, row);
            layout->addWidget(item);
        }
        return box;
    }

} // namespace

TGridFrm::TGridFrm(QWidget* parent)
    : QDialog(parent)
    , FSquares(new QButtonGroup(this))
    , FMajorLines(new QButtonGroup(this))
{
    setObjectName(QStringLiteral("GridFrm"));
    setWindowTitle(QStringLiteral("Graph paper settings"));
    auto* squares = RadioGroup(QStringLiteral("GridSqRG"), QStringLiteral(" Grid spacing  "),
        { QStringLiteral("1 mm squares"), QStringLiteral("2 mm squares"), QStringLiteral("5 mm squares"),
            QStringLiteral("10 mm squares") },
        FSquares, this);
    auto* major = RadioGroup(QStringLiteral("MajorLineRG"), QStringLiteral(" Major lines "),
        { QStringLiteral("none"), QStringLiteral("every  5"), QStringLiteral("every 10") }, FMajorLines, this);
    auto* apply = new QPushButton(QStringLiteral("apply"), this);
    apply->setObjectName(QStringLiteral("SpeedButton1"));
    apply->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("cancel"), this);
    cancel->setObjectName(QStringLiteral("SpeedButton2"));
    connect(apply, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* groups = new QHBoxLayout;
    groups->addWidget(squares);
    groups->addWidget(major);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(apply);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(groups);
    layout->addLayout(buttons);
    setFixedSize(sizeHint());
    FSquares->button(1)->setChecked(true);
    FMajorLines->button(0)->setChecked(true);
}

int TGridFrm::SquareSize() const
{
    const int row = FSquares->checkedId();
    return row >= 0 && row < 3 ? Sizes[row] : 10;
}

void TGridFrm::SetSquareSize(int size)
{
    int row = 3;
    for (int i = 0; i < 3; ++i) {
        if (Sizes[i] == size)
            row = i;
    }
    // A damaged file may hold no size at all; the finest squares are the nearest offered.
    if (size <= 0)
        row = 0;
    FSquares->button(row)->setChecked(true);
}

int TGridFrm::MajorLines() const
{
    const int row = FMajorLines->checkedId();
    return row == 1 || row == 2 ? row : 0;
}

void TGridFrm::SetMajorLines(int choice)
{
    FMajorLines->button(choice == 1 || choice == 2 ? choice : 0)->setChecked(true);
}

} // namespace korvo
