#include "dialogs/grid_dialog.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>
#include <iterator>

namespace korvo {

namespace {

    // By row of the square size choice; the last row also stands for every size not offered.
    constexpr int Sizes[] = { 1, 2, 5, 10 };

    QGroupBox* RadioGroup(
        const char* name, const QString& caption, const QStringList& items, QButtonGroup* group, QWidget* parent)
    {
        auto* box = new QGroupBox(caption, parent);
        box->setObjectName(QLatin1String(name));
        auto* layout = new QVBoxLayout(box);
        // Only the chosen button takes the focus, so Tab enters a group at its choice and the arrow keys
        // move the choice from there, as in every desktop's radio groups.
        QObject::connect(group, &QButtonGroup::buttonToggled, box,
            [](QAbstractButton* item, bool on) { item->setFocusPolicy(on ? Qt::StrongFocus : Qt::NoFocus); });
        for (int row = 0; row < items.size(); ++row) {
            auto* item = new QRadioButton(items[row], box);
            item->setFocusPolicy(Qt::NoFocus);
            group->addButton(item, row);
            layout->addWidget(item);
        }
        return box;
    }

    QPushButton* Button(const char* name, const QString& caption, QWidget* parent)
    {
        auto* button = new QPushButton(caption, parent);
        button->setObjectName(QLatin1String(name));
        return button;
    }

} // namespace

TGridFrm::TGridFrm(QWidget* parent)
    : QDialog(parent)
    , FSquares(new QButtonGroup(this))
    , FMajorLines(new QButtonGroup(this))
{
    setObjectName(QStringLiteral("GridFrm"));
    setWindowTitle(tr("Graph paper settings"));
    QStringList squareSizes;
    for (int size : Sizes)
        squareSizes.append(tr("%1 mm squares").arg(size));
    auto* squares = RadioGroup("GridSqRG", tr(" Grid spacing  "), squareSizes, FSquares, this);
    auto* major = RadioGroup(
        "MajorLineRG", tr(" Major lines "), { tr("none"), tr("every  5"), tr("every 10") }, FMajorLines, this);
    QPushButton* apply = Button("SpeedButton1", tr("apply"), this);
    apply->setDefault(true);
    QPushButton* cancel = Button("SpeedButton2", tr("cancel"), this);
    connect(apply, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* groups = new QHBoxLayout;
    groups->addWidget(squares);
    groups->addWidget(major, 0, Qt::AlignTop);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(apply);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(groups);
    layout->addLayout(buttons);
    setFixedSize(sizeHint());
    SetSettings({ 2, 0 });
}

int TGridFrm::SquareSize() const
{
    const int row = FSquares->checkedId();
    return row >= 0 && row < static_cast<int>(std::size(Sizes)) ? Sizes[row] : Sizes[std::size(Sizes) - 1];
}

void TGridFrm::SetSquareSize(int size)
{
    // A damaged file may hold a size of nothing or less; the finest squares are the nearest offered.
    const int* offered = std::find(std::begin(Sizes), std::end(Sizes) - 1, size);
    FSquares->button(size <= 0 ? 0 : static_cast<int>(offered - std::begin(Sizes)))->setChecked(true);
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

void TGridFrm::SetSettings(const TPaperSettings& settings)
{
    SetSquareSize(settings.SquareSize);
    SetMajorLines(settings.MajorLines);
}

std::optional<TPaperSettings> EditPaperSettings(const TPaperSettings& current, QWidget* parent)
{
    TGridFrm dialog(parent);
    dialog.SetSettings(current);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Settings();
}

} // namespace korvo
