#pragma once

#include <QDialog>
#include <QIcon>

#include <optional>

class QListWidget;
class QToolButton;

namespace korvo {

// "Move library pages": the pages in a list whose selected page moves up and down with the arrows.
class TLibOrgFrm : public QDialog {
    Q_OBJECT

public:
    TLibOrgFrm(const QStringList& pages, const QIcon& upIcon, const QIcon& downIcon, QWidget* parent = nullptr);

    // Each page's present index, in the new order.
    QList<int> NewOrder() const;

private:
    void MoveSelected(int step);
    void RefreshArrows();

    QListWidget* FPageList;
    QToolButton* FUpButton;
    QToolButton* FDownButton;
};

// The pages' new order as their present indexes; nothing when cancelled.
std::optional<QList<int>> AskPageOrder(
    const QStringList& pages, const QIcon& upIcon, const QIcon& downIcon, QWidget* parent = nullptr);

} // namespace korvo
