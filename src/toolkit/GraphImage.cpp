#include "GraphImage.h"

#include "ImageCanvas.h"
#include "graph/GraphData.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageWriter>
#include <algorithm>

namespace hydrolofter {

QImage paintGraphImage(const GraphData& graph, int width, int height) {
    QImage image(std::max(width, 1), std::max(height, 1), QImage::Format_RGB32);
    image.fill(Qt::white);
    ImageCanvas canvas(image);
    graph.paint(canvas);
    return image;
}

QByteArray encodeGraphImage(const GraphData& graph, int width, int height,
                            const QString& fileName) {
    QByteArray format = QFileInfo(fileName).suffix().toLower().toLatin1();
    if (!QImageWriter::supportedImageFormats().contains(format))
        format = "png";
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!paintGraphImage(graph, width, height).save(&buffer, format.constData()))
        return {};
    return bytes;
}

} // namespace hydrolofter
