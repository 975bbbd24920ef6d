// CFullScreenGraphDlg.
#include "CFullScreenGraphDlg.h"

#include "GraphFrame.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QVBoxLayout>

namespace hydrolofter {

CFullScreenGraphDlg::CFullScreenGraphDlg(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_pFrame(new GraphFrame(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_pFrame);
    // Key and mouse releases over the graph belong to the window.
    m_pFrame->setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::StrongFocus);
}

void CFullScreenGraphDlg::setGraph(const GraphData* graph) {
    m_pGraph = graph;
    m_pFrame->setGraph(graph);
}

void CFullScreenGraphDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    setWindowState(windowState() | Qt::WindowMaximized);
    setFocus();
}

void CFullScreenGraphDlg::keyReleaseEvent(QKeyEvent* event) {
    if (event->isAutoRepeat())
        return;
    accept();
}

void CFullScreenGraphDlg::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        accept();
}

} // namespace hydrolofter
