#include "CMainApp.h"

#include "CAboutPage.h"
#include "CMainDlg.h"
#include "pages/CEnvironmentSpecsPage.h"
#include "pages/CLaunchSpecsPage.h"
#include "pages/CRocketSpecsPage.h"
#include "pages/CSimulationSettingsPage.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QTabWidget>
#include <QTimer>

namespace hydrolofter {

CMainApp::CMainApp() = default;
CMainApp::~CMainApp() = default;

void CMainApp::createSheet() {
    m_sheet = std::make_unique<CMainDlg>(QStringLiteral("Hydrolofter"));
    m_rocketSpecsPage = new CRocketSpecsPage;
    m_environmentSpecsPage = new CEnvironmentSpecsPage;
    m_launchSpecsPage = new CLaunchSpecsPage;
    m_settingsPage = new CSimulationSettingsPage;
    m_simulatePage = new CSimulatePage(*this);
    m_aboutPage = new CAboutPage;
    // The sheet's tab widget takes ownership of each page.
    m_sheet->addPage(m_rocketSpecsPage);
    m_sheet->addPage(m_environmentSpecsPage);
    m_sheet->addPage(m_launchSpecsPage);
    m_sheet->addPage(m_settingsPage);
    m_sheet->addPage(m_simulatePage);
    m_sheet->addPage(m_aboutPage);
    m_sheet->setSimulatePage(m_simulatePage);
    QApplication::setWindowIcon(m_sheet->icon());
    m_sheet->initialiseInputPages(4);
}

int CMainApp::run(const std::vector<std::string>& designFiles) {
    createSheet();
    // Opened once the sheet is on screen, so that a refusal stands over it.
    QTimer::singleShot(0, m_sheet.get(), [this, designFiles] {
        for (const std::string& file : designFiles)
            openDesign(file);
    });
    m_sheet->exec();
    m_sheet.reset();
    return 0;
}

bool CMainApp::openDesign(const std::string& path) {
    // The file's format names its kind; anything else is offered to the rocket page, whose
    // reader has said what is wrong with it. Pipes and devices are refused: the window must
    // not wait on them.
    const DesignRead design = readDesignFile(std::nullopt, path, true);
    InputPage* page = design.ok && design.kind == DesignKind::Site
                          ? static_cast<InputPage*>(m_environmentSpecsPage)
                          : static_cast<InputPage*>(m_rocketSpecsPage);
    if (design.ok)
        m_sheet->tabs()->setCurrentWidget(page);
    return page->applyDesign(design, path);
}

bool CMainApp::openDesign(const QString& path) {
    return openDesign(QFile::encodeName(path).toStdString());
}

std::string CMainApp::rocketFileName() const {
    const QString file = m_rocketSpecsPage ? m_rocketSpecsPage->designFile() : QString();
    return file.isEmpty() ? std::string() : QFileInfo(file).fileName().toStdString();
}

bool CMainApp::commitInputs(SimulationInputs& inputs, RunSettings& settings) {
    if (!m_environmentSpecsPage->commit())
        return false;
    m_environmentSpecsPage->fillInputs(inputs);
    if (!m_launchSpecsPage->commit())
        return false;
    m_launchSpecsPage->fillInputs(inputs);
    if (!m_rocketSpecsPage->commit())
        return false;
    m_rocketSpecsPage->fillInputs(inputs);
    if (!m_settingsPage->commit())
        return false;
    settings = m_settingsPage->runSettings();
    return true;
}

} // namespace hydrolofter
