#pragma once

#include <QWidget>

#include <functional>

namespace korvo {

// A surface whose owner does all the painting: the drawing area, the rulers and the print preview
// page. It never erases its background, so what the owner paints is all there is and nothing flickers.
class TPaintPanel : public QWidget {
public:
    using TPaintHandler = std::function<void(QPainter&, const QRect&)>;

    explicit TPaintPanel(const QString& name, QWidget* parent = nullptr);
    void SetOnPaint(TPaintHandler handler) { FOnPaint = std::move(handler); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TPaintHandler FOnPaint;
};

} // namespace korvo
