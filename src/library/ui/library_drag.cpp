#include "library/ui/library_drag.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QFileInfo>
#include <QIODevice>
#include <QMimeData>
#include <QUrl>

namespace korvo {

QMimeData* LibraryDragData(const TLibraryDragItem& item)
{
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream << QCoreApplication::applicationPid() << qint32(item.Page) << qint32(item.Row);
    auto* data = new QMimeData;
    data->setData(QLatin1String(LibraryDragFormat), bytes);
    return data;
}

std::optional<TLibraryDragItem> LibraryDragItem(const QMimeData& data)
{
    const QString format = QLatin1String(LibraryDragFormat);
    if (!data.hasFormat(format))
        return std::nullopt;
    QDataStream stream(data.data(format));
    qint64 program = 0;
    qint32 page = -1;
    qint32 row = -1;
    stream >> program >> page >> row;
    if (stream.status() != QDataStream::Ok || program != QCoreApplication::applicationPid() || page < 0 || row < 0)
        return std::nullopt;
    return TLibraryDragItem { page, row };
}

QString DroppedFile(const QMimeData& data, const QString& suffix)
{
    const QList<QUrl> urls = data.urls();
    if (urls.size() != 1 || !urls.first().isLocalFile())
        return {};
    const QString fileName = urls.first().toLocalFile();
    return QFileInfo(fileName).suffix().compare(suffix, Qt::CaseInsensitive) == 0 ? fileName : QString();
}

} // namespace korvo
