#include "CFullScreenGraphDlg.h"

#include "GraphFrame.h"
#include "graph/GraphData.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

namespace hydrolofter {

CFullScreenGraphDlg::CFullScreenGraphDlg(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_frame(new GraphFrame(this)),
      m_readout(new QLabel(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_frame);
    m_frame->setShowsKey(true); // the page's key is hidden behind this window
    // Never shown on screen (no caption), but named for window lists and tools.
    setWindowTitle(QStringLiteral("Graph - Hydrolofter"));
    // Key and mouse releases over the graph belong to the window.
    m_frame->setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    // Over the graph's bottom edge, below the x caption: what lies under the pointer.
    m_readout->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_readout->setAutoFillBackground(true);
    m_readout->hide();
}

QString CFullScreenGraphDlg::readout() const {
    return m_readout->isVisible() ? m_readout->text() : QString();
}

void CFullScreenGraphDlg::mouseMoveEvent(QMouseEvent* event) {
    const QString text = m_frame->readoutAt(m_frame->mapFrom(this, event->position().toPoint()));
    m_readout->setText(text);
    m_readout->adjustSize();
    placeReadout();
    m_readout->setVisible(!text.isEmpty());
}

void CFullScreenGraphDlg::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    placeReadout();
}

void CFullScreenGraphDlg::placeReadout() {
    // In the bottom margin, below the tick labels, at the right: clear of the x caption,
    // which starts 200 pixels from the left whatever the width.
    const int captionEnd =
        m_graph ? 200 + fontMetrics().horizontalAdvance(QString::fromStdString(m_graph->xTitle))
                : 0;
    const int x = std::max(width() - m_readout->width() - 4, captionEnd + 8);
    m_readout->move(x, height() - m_readout->height() - 2);
}

void CFullScreenGraphDlg::setGraph(const GraphData* graph) {
    m_graph = graph;
    m_frame->setGraph(graph);
}

int CFullScreenGraphDlg::exec() {
    // Geometry and state are set before the window is first mapped: a window manager
    // honours the maximised state, and without one the geometry alone covers the screen.
    // (Changing the state while the window was being mapped left it unmapped under X11.)
    QScreen* screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    if (screen)
        setGeometry(screen->availableGeometry());
    setWindowState(Qt::WindowMaximized);
    m_pressedKeys.clear();
    return QDialog::exec();
}

void CFullScreenGraphDlg::keyPressEvent(QKeyEvent* event) {
    if (!event->isAutoRepeat())
        m_pressedKeys.insert(event->key());
    // Escape is not special: the window closes when the key goes up, like any other.
    event->accept();
}

void CFullScreenGraphDlg::keyReleaseEvent(QKeyEvent* event) {
    if (event->isAutoRepeat() || !m_pressedKeys.contains(event->key()))
        return;
    accept();
}

void CFullScreenGraphDlg::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        accept();
}

} // namespace hydrolofter
