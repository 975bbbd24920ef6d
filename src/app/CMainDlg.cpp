// CMainDlg: the sheet, its button row, and closing while a run is in progress.
#include "CMainDlg.h"

#include "Artwork.h"
#include "pages/InputPage.h"
#include "simulate/CSimulatePage.h"
#include "toolkit/PropertyPage.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QShowEvent>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

namespace hydrolofter {

CMainDlg::CMainDlg(const QString& caption, QWidget* parent)
    : QDialog(parent), m_tabs(new QTabWidget), m_scroll(new QScrollArea(this)) {
    // The pages come first in the focus chain: the sheet opens with the focus in them.
    m_scroll->setWidget(m_tabs);
    m_close = new QPushButton(QStringLiteral("Close"), this);
    setWindowTitle(caption);
    m_caption = caption;
    m_icon.addPixmap(QPixmap::fromImage(drawIcon(32)));
    m_icon.addPixmap(QPixmap::fromImage(drawIcon(16)));
    setWindowIcon(m_icon);
    // An ordinary push button: Enter in a page does not close the program.
    m_close->setToolTip(QStringLiteral("Close the program; designs changed since they were "
                                       "last saved are asked about first."));
    m_close->setAutoDefault(false);
    m_close->setDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_close);
    // The sheet can be resized and maximised: the pages grow with it (the Simulate page's
    // graph with them) and never shrink below their own size; a screen smaller than that
    // gets scroll bars instead.
    m_scroll->setWidgetResizable(true);
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setFocusPolicy(Qt::NoFocus); // the focus belongs in the pages (Ctrl+Tab)
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_scroll, 1);
    layout->addLayout(buttons);
    setSizeGripEnabled(true);
    connect(m_close, &QPushButton::clicked, this, &CMainDlg::onClose);
    connect(m_tabs, &QTabWidget::currentChanged, this, &CMainDlg::onPageChanged);
    // The next and previous page from every control: the tab widget only sees these keys
    // when the control passes them on, and a drop-down list takes Ctrl+Tab for its search
    // and Ctrl+Page Down for its next entry.
    const std::pair<QKeySequence, int> steps[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_Tab), 1},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), -1},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), -1},
        {QKeySequence(Qt::CTRL | Qt::Key_PageDown), 1},
        {QKeySequence(Qt::CTRL | Qt::Key_PageUp), -1}};
    for (const auto& [keys, step] : steps) {
        auto* shortcut = new QShortcut(keys, this);
        connect(shortcut, &QShortcut::activated, this, [this, step = step] {
            const int n = m_tabs->count();
            if (n > 1)
                m_tabs->setCurrentIndex((m_tabs->currentIndex() + step + n) % n);
        });
    }
}

void CMainDlg::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) {
        QSize pages = m_tabs->minimumSizeHint().expandedTo(m_tabs->minimumSize());
        // What the window frame, the margins and the button row take besides the pages.
        const QSize around =
            QSize(0, m_close->sizeHint().height()) +
            QSize(layout()->contentsMargins().left() + layout()->contentsMargins().right(),
                  layout()->contentsMargins().top() + layout()->contentsMargins().bottom() +
                      layout()->spacing());
        if (const QScreen* s = screen()) {
            const QSize frame = frameGeometry().size() - geometry().size();
            const QSize room = s->availableGeometry().size() - around - frame;
            if (pages.width() > room.width()) {
                // The tab row too wide (a scaled screen): its captions are shortened, so
                // that every tab stays in sight (their tooltips name them whole), as little
                // as the screen allows.
                const int tabRow = m_tabs->minimumWidth();
                m_tabs->setMinimumWidth(0);
                m_tabs->setUsesScrollButtons(false);
                m_tabs->setElideMode(Qt::ElideRight);
                for (int i = 0; i < m_tabs->count(); ++i)
                    m_tabs->setTabToolTip(i, m_tabs->tabText(i));
                pages = m_tabs->minimumSizeHint();
                pages.setWidth(std::max(pages.width(), std::min(tabRow, room.width())));
            }
            if (pages.width() > room.width() || pages.height() > room.height()) {
                // Still too large: each page takes the room it needs alone and scrolls by
                // itself, so that a page that fits is not cut to the widest one's size.
                m_pagesSizedAlone = true;
                sizeToCurrentPage();
                pages = m_tabs->minimumSizeHint();
            }
            // A scroll bar one way takes room the other way: ask for it, so that a sheet
            // too wide for the screen does not need a second bar for the first one.
            const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
            if (pages.width() > room.width())
                pages.rheight() += bar;
            if (pages.height() > room.height())
                pages.rwidth() += bar;
            pages = pages.boundedTo(room);
        }
        m_scroll->setMinimumSize(pages);
        if (!testAttribute(Qt::WA_Resized))
            resize(minimumSizeHint());
    }
    QDialog::showEvent(event);
}

void CMainDlg::sizeToCurrentPage() {
    if (!m_pagesSizedAlone)
        return;
    for (int i = 0; i < m_tabs->count(); ++i) {
        const QSizePolicy::Policy policy =
            i == m_tabs->currentIndex() ? QSizePolicy::Preferred : QSizePolicy::Ignored;
        m_tabs->widget(i)->setSizePolicy(policy, policy);
    }
    m_tabs->updateGeometry();
}

void CMainDlg::showCurrentTab() {
    // On a screen smaller than the pages the tab row scrolls with them: keep the chosen
    // tab in sight.
    const int index = m_tabs->currentIndex();
    if (index < 0)
        return;
    const QRect tab = m_tabs->tabBar()->tabRect(index);
    const QPoint centre = m_tabs->tabBar()->mapTo(m_tabs, tab.center());
    m_scroll->ensureVisible(centre.x(), centre.y(), tab.width() / 2 + 4, tab.height() / 2 + 4);
}

void CMainDlg::onPageChanged(int index) {
    if (m_checkingPage)
        return;
    sizeToCurrentPage();
    QTimer::singleShot(0, this, &CMainDlg::showCurrentTab); // once the page is laid out
    const int left = m_activePage;
    m_activePage = index;
    auto* page = qobject_cast<PropertyPage*>(m_tabs->widget(left));
    if (left == index || !page || !page->isInitialised())
        return;
    // A tab widget cannot veto a change: the page being left is shown again while it is
    // checked (so that a refusal's message stands over it), and the change is repeated
    // once it has accepted its values.
    m_checkingPage = true;
    m_tabs->setCurrentIndex(left);
    const bool accepted = page->commit();
    if (accepted)
        m_tabs->setCurrentIndex(index);
    else // once the tab widget has finished with the key or click that asked for the change
        QTimer::singleShot(0, page, &PropertyPage::focusRefusedControl);
    m_activePage = accepted ? index : left;
    m_checkingPage = false;
}

void CMainDlg::addPage(PropertyPage* page) {
    m_tabs->addTab(page, page->caption());
    if (auto* input = qobject_cast<InputPage*>(page); input && input->designKind()) {
        connect(input, &InputPage::designStateChanged, this, &CMainDlg::refreshDesignState);
        m_markRoom += m_tabs->tabBar()->fontMetrics().horizontalAdvance(QStringLiteral(" *"));
    }
    // Wide enough for every tab caption in one row, none hidden behind scroll arrows, also
    // when the pages with designs are marked as changed.
    m_tabs->setMinimumWidth(m_tabs->tabBar()->sizeHint().width() + m_markRoom + 4);
}

void CMainDlg::setSimulatePage(CSimulatePage* page) {
    m_simulatePage = page;
    connect(page, &CSimulatePage::runFinished, this, &CMainDlg::afterRun);
}

void CMainDlg::initialiseInputPages(int count) {
    for (int i = 0; i < count && i < m_tabs->count(); ++i) {
        if (auto* page = qobject_cast<PropertyPage*>(m_tabs->widget(i)))
            page->initialise();
    }
    m_tabs->setCurrentIndex(0);
    m_activePage = 0;
}

void CMainDlg::onClose() {
    close(); // the same road as the title bar's close box
}

void CMainDlg::refreshDesignState() {
    QString title = m_caption;
    for (int i = 0; i < m_tabs->count(); ++i) {
        auto* page = qobject_cast<InputPage*>(m_tabs->widget(i));
        if (!page || !page->designKind())
            continue;
        const bool changed = page->isInitialised() && page->isModified();
        m_tabs->setTabText(i, page->caption() + (changed ? " *" : ""));
        if (*page->designKind() == DesignKind::Rocket && !page->designFile().isEmpty())
            title = QFileInfo(page->designFile()).fileName() + " - " + m_caption;
    }
    // The flight file, once one is open or saved, is what Save Flight writes: it names the
    // window.
    if (!m_flightFile.isEmpty())
        title = QFileInfo(m_flightFile).fileName() + " - " + m_caption;
    setWindowTitle(title);
}

void CMainDlg::setFlightFile(const QString& path) {
    m_flightFile = path;
    refreshDesignState();
}

bool CMainDlg::settleUnsavedDesigns() {
    for (int i = 0; i < m_tabs->count(); ++i) {
        auto* page = qobject_cast<InputPage*>(m_tabs->widget(i));
        if (!page || !page->designKind() || !page->isInitialised() || !page->isModified())
            continue;
        const std::string_view name = designName(*page->designKind());
        const QString what = QString::fromUtf8(name.data(), qsizetype(name.size()));
        const QString file = QFileInfo(page->designFile()).fileName();
        const QString unreadable = page->unreadableField();
        if (!unreadable.isEmpty()) {
            // Nothing could be saved: say why, and offer to close all the same.
            QMessageBox box(QMessageBox::Question, m_caption,
                            QStringLiteral("The %1 cannot be saved: \"%2\" is not a number. "
                                           "Close without saving it?")
                                .arg(what, unreadable),
                            QMessageBox::Discard | QMessageBox::Cancel, this);
            box.button(QMessageBox::Discard)->setText(QStringLiteral("Close &Without Saving"));
            box.setDefaultButton(QMessageBox::Cancel);
            if (box.exec() != QMessageBox::Discard) {
                m_tabs->setCurrentWidget(page);
                return false;
            }
            continue;
        }
        QMessageBox box(QMessageBox::Question, m_caption,
                        file.isEmpty()
                            ? QStringLiteral("Save changes to the %1?").arg(what)
                            : QStringLiteral("Save changes to the %1 in %2?").arg(what, file),
                        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
        box.button(QMessageBox::Save)->setText(QStringLiteral("&Save"));
        box.button(QMessageBox::Discard)->setText(QStringLiteral("&Don't Save"));
        box.setDefaultButton(QMessageBox::Save);
        const int answer = box.exec();
        if (answer == QMessageBox::Cancel)
            return false;
        if (answer == QMessageBox::Save) {
            QString path = page->designFile();
            if (path.isEmpty()) {
                m_tabs->setCurrentWidget(page);
                path = InputPage::askSavePath(this, *page->designKind(), {});
            }
            if (path.isEmpty() || !page->saveDesign(path))
                return false;
        }
    }
    return true;
}

void CMainDlg::done(int result) {
    // Unsaved designs are settled first; a run is cancelled only once the sheet may close.
    if (!m_closePending && !settleUnsavedDesigns())
        return;
    // A run in progress is cancelled and allowed to unwind before the sheet goes away.
    if (m_simulatePage && m_simulatePage->isRunning()) {
        m_closePending = true;
        m_pendingResult = result;
        m_simulatePage->requestCancel();
        return;
    }
    QDialog::done(result);
}

void CMainDlg::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void CMainDlg::afterRun() {
    if (m_closePending) {
        m_closePending = false;
        QDialog::done(m_pendingResult);
    }
}

} // namespace hydrolofter
