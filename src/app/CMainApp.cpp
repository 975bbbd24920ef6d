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
    m_pSheet = std::make_unique<CMainDlg>(QStringLiteral("Hydrolofter"));
    m_pRocketSpecsPage = new CRocketSpecsPage;
    m_pEnvironmentSpecsPage = new CEnvironmentSpecsPage;
    m_pLaunchSpecsPage = new CLaunchSpecsPage;
    m_pSettingsPage = new CSimulationSettingsPage;
    m_pSimulatePage = new CSimulatePage(*this);
    m_pAboutPage = new CAboutPage;
    // The sheet's tab widget takes ownership of each page.
    m_pSheet->addPage(m_pRocketSpecsPage);
    m_pSheet->addPage(m_pEnvironmentSpecsPage);
    m_pSheet->addPage(m_pLaunchSpecsPage);
    m_pSheet->addPage(m_pSettingsPage);
    m_pSheet->addPage(m_pSimulatePage);
    m_pSheet->addPage(m_pAboutPage);
    m_pSheet->setSimulatePage(m_pSimulatePage);
    QApplication::setWindowIcon(m_pSheet->icon());
    m_pSheet->initialiseInputPages(4);
}

int CMainApp::run(const std::vector<std::string>& designFiles) {
    createSheet();
    // Opened once the sheet is on screen, so that a refusal stands over it.
    QTimer::singleShot(0, m_pSheet.get(), [this, designFiles] {
        for (const std::string& file : designFiles)
            openDesign(file);
    });
    m_pSheet->exec();
    m_pSheet.reset();
    return 0;
}

bool CMainApp::openDesign(const std::string& path) {
    // The file's format names its kind; anything else is offered to the rocket page, whose
    // reader has said what is wrong with it. Pipes and devices are refused: the window must
    // not wait on them.
    const DesignRead design = readDesignFile(std::nullopt, path, true);
    InputPage* page = design.ok && design.kind == DesignKind::Site
                          ? static_cast<InputPage*>(m_pEnvironmentSpecsPage)
                          : static_cast<InputPage*>(m_pRocketSpecsPage);
    if (design.ok)
        m_pSheet->tabs()->setCurrentWidget(page);
    return page->applyDesign(design, path);
}

bool CMainApp::openDesign(const QString& path) {
    return openDesign(QFile::encodeName(path).toStdString());
}

std::string CMainApp::rocketFileName() const {
    const QString file = m_pRocketSpecsPage ? m_pRocketSpecsPage->designFile() : QString();
    return file.isEmpty() ? std::string() : QFileInfo(file).fileName().toStdString();
}

bool CMainApp::commitInputs(SimulationInputs& inputs, RunSettings& settings) {
    if (!m_pEnvironmentSpecsPage->commit())
        return false;
    m_pEnvironmentSpecsPage->fillInputs(inputs);
    if (!m_pLaunchSpecsPage->commit())
        return false;
    m_pLaunchSpecsPage->fillInputs(inputs);
    if (!m_pRocketSpecsPage->commit())
        return false;
    m_pRocketSpecsPage->fillInputs(inputs);
    if (!m_pSettingsPage->commit())
        return false;
    settings = m_pSettingsPage->runSettings();
    return true;
}

} // namespace hydrolofter
