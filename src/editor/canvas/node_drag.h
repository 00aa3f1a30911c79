#pragma once

#include "geometry/device_types.h"

#include <QPainter>

#include <cstdint>

namespace korvo {

// Dragging one node of a shape, by the shape's kind: whether the node can be dragged, how the nodes
// that coincide with it follow (the ends of closed curves and circles, the repeated corners of tube
// bends), and the part of the outline the preview shows.

// Whether dragging `node` of a shape of `kind` with these points changes anything.
bool CanDragNode(std::int32_t kind, const TPointArray& points, int node);

// Puts the node at `to` and brings the nodes that coincide with it along.
void DragNode(std::int32_t kind, TPointArray& points, int node, QPoint to);

// The outline parts that follow the dragged node, and a box around it.
void PaintNodePreview(QPainter& painter, std::int32_t kind, const TPointArray& points, int node);

} // namespace korvo
