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

QImage paintGraphPicture(const GraphData& graph, int width, int height) {
    const int key = graph.keyWidth();
    if (key == 0)
        return paintGraphImage(graph, width, height);
    // The graph painted at its own size, as the window shows it; the key beside its plot.
    const QImage alone = paintGraphImage(graph, std::max(width - key, 1), height);
    QImage picture(alone.width() + key, alone.height(), QImage::Format_RGB32);
    picture.fill(Qt::white);
    for (int y = 0; y < alone.height(); ++y)
        std::copy_n(alone.constScanLine(y), alone.bytesPerLine(), picture.scanLine(y));
    ImageCanvas canvas(picture);
    graph.paintKey(canvas, ClientRect{alone.width(), 10, alone.width() + key, height - 50});
    return picture;
}

QByteArray encodeGraphImage(const GraphData& graph, int width, int height,
                            const QString& fileName) {
    QByteArray format = QFileInfo(fileName).suffix().toLower().toLatin1();
    if (!QImageWriter::supportedImageFormats().contains(format))
        format = "png";
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!paintGraphPicture(graph, width, height).save(&buffer, format.constData()))
        return {};
    return bytes;
}

} // namespace hydrolofter
