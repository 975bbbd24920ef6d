// The property sheet: six tabbed pages and a single "Close" button.
#pragma once

#include <QDialog>
#include <QIcon>

class QTabWidget;
class QPushButton;

class QScrollArea;

namespace hydrolofter {

class PropertyPage;
class CSimulatePage;

class CMainDlg : public QDialog {
    Q_OBJECT
public:
    CMainDlg(const QString& caption, QWidget* parent = nullptr);

    void addPage(PropertyPage* page);
    /// The Simulate page, whose run must end before the sheet may close.
    void setSimulatePage(CSimulatePage* page);
    QTabWidget* tabs() const { return m_tabs; }
    QPushButton* closeButton() const { return m_close; }
    /// The program's icon at the sizes a title bar and a task bar ask for.
    const QIcon& icon() const { return m_icon; }
    /// Runs the pages' initialisation for the four input and settings pages, then shows
    /// the first page, so that every input has its default before any run.
    void initialiseInputPages(int count);
    /// The flight file open or last saved, which the title names; empty when none.
    void setFlightFile(const QString& path);

public slots:
    /// Close: the active page must accept its values first.
    void showCurrentTab();
    void onClose();

protected:
    void done(int result) override;
    /// Escape does not close the sheet: it has no Cancel, and closing loses every input.
    void keyPressEvent(QKeyEvent* event) override;
    /// The sheet opens at the pages' size, or at the screen's if that is smaller.
    void showEvent(QShowEvent* event) override;

private:
    void afterRun();
    /// Tab captions marked "*" for pages changed since their last load or save, and the
    /// title naming the loaded rocket.
    void refreshDesignState();
    /// Asks about each design with unsaved changes; false when the user keeps the sheet.
    bool settleUnsavedDesigns();
    /// A page must accept its values before another is shown, as when the sheet closes.
    void onPageChanged(int index);
    /// On a screen too small for the pages: only the page on show counts for the size.
    void sizeToCurrentPage();

    QIcon m_icon;
    QString m_caption;
    QString m_flightFile;
    int m_markRoom = 0; ///< pixels the "*" marks of changed tabs need
    QTabWidget* m_tabs;
    QScrollArea* m_scroll; ///< the pages scroll only on a screen smaller than they are
    QPushButton* m_close;
    CSimulatePage* m_simulatePage = nullptr;
    bool m_closePending = false;
    int m_activePage = 0;
    bool m_checkingPage = false;
    bool m_pagesSizedAlone = false;
    int m_pendingResult = 0;
};

} // namespace hydrolofter
