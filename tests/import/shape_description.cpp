#include "import/shape_description.h"

#include <QString>

namespace korvo {

std::string DescribeShape(const TPolygon& shape)
{
    QString text = QString::number(shape.FKind) + u':';
    if (shape.IsGroup()) {
        for (const TPolygon& child : shape.FChildren)
            text += QStringLiteral(" [%1]").arg(QString::fromStdString(DescribeShape(child)));
        return text.toStdString();
    }
    if (shape.FKind == skText) {
        return QStringLiteral("9: '%1' %2 %3pt%4%5%6%7 colour %8 x %9 turned %10")
            .arg(QString::fromLatin1(shape.FText), QString::fromLatin1(shape.FFont.Face()))
            .arg(shape.FFont.Size())
            .arg(shape.FFont.Bold() ? " bold" : "", shape.FFont.Italic() ? " italic" : "",
                shape.FFont.Underline() ? " underline" : "", shape.FFont.StrikeOut() ? " struck" : "")
            .arg(shape.FFont.Colour, 6, 16, QChar(u'0'))
            .arg(shape.FPoints.front().X, 0, 'f', 2)
            .arg(shape.FFont.Orientation())
            .toStdString();
    }
    for (const TMMPoint& p : shape.FPoints)
        text += u' ' + QString::number(p.X, 'f', 2) + u',' + QString::number(p.Y, 'f', 2);
    text += QStringLiteral(" pen %1/%2").arg(shape.FPen.Style).arg(shape.FPen.Width);
    text += shape.FBrush.Style == bsClear ? QStringLiteral(" fill -")
                                          : QStringLiteral(" fill %1").arg(shape.FBrush.Colour, 6, 16, QChar(u'0'));
    if (shape.FLineEnd != leNone)
        text += QStringLiteral(" end %1").arg(shape.FLineEnd);
    return text.toStdString();
}

} // namespace korvo
