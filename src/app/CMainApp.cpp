#include "CMainApp.h"

#include "CAboutPage.h"
#include "CMainDlg.h"
#include "SessionFile.h"
#include "pages/CEnvironmentSpecsPage.h"
#include "pages/CLaunchSpecsPage.h"
#include "pages/CRocketSpecsPage.h"
#include "pages/CSimulationSettingsPage.h"

#include "designs/Flight.h"
#include "designs/JsonText.h"
#include "runs/FieldTable.h"
#include "toolkit/LastFolders.h"
#include "units/NumberText.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
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
    QObject::connect(m_settingsPage, &CSimulationSettingsPage::flightModelChosen, m_rocketSpecsPage,
                     &CRocketSpecsPage::setFlightModel);
    QApplication::setWindowIcon(m_sheet->icon());
    m_sheet->initialiseInputPages(4);
    addFlightButtons();
    restoreSession();
    // A design loaded or saved on its page joins the recent files too.
    for (InputPage* page :
         std::initializer_list<InputPage*>{m_rocketSpecsPage, m_environmentSpecsPage}) {
        QObject::connect(page, &InputPage::designStateChanged, m_sheet.get(), [this, page] {
            if (!page->designFile().isEmpty() && !page->isModified() &&
                (m_recent.isEmpty() ||
                 m_recent.front() != QFileInfo(page->designFile()).absoluteFilePath()))
                remember(page->designFile());
        });
    }
}

void CMainApp::addFlightButtons() {
    // The settings page's "Open Flight..." and "Save Flight...", and Ctrl+O and Ctrl+S
    // wherever the focus is in the sheet.
    const std::pair<const char*, void (CMainApp::*)()> actions[] = {
        {"openFlight", &CMainApp::onOpenFlight}, {"saveFlight", &CMainApp::onSaveFlight}};
    const QKeySequence::StandardKey keys[] = {QKeySequence::Open, QKeySequence::Save};
    for (std::size_t i = 0; i < std::size(actions); ++i) {
        const auto action = actions[i].second;
        QObject::connect(m_settingsPage->control<QPushButton>(actions[i].first),
                         &QPushButton::clicked, m_sheet.get(),
                         [this, action] { (this->*action)(); });
        auto* shortcut = new QShortcut(QKeySequence(keys[i]), m_sheet.get());
        QObject::connect(shortcut, &QShortcut::activated, m_sheet.get(),
                         [this, action] { (this->*action)(); });
    }
}

int CMainApp::run(const std::vector<std::string>& designFiles) {
    createSheet();
    // Opened once the sheet is on screen, so that a refusal stands over it.
    QTimer::singleShot(0, m_sheet.get(), [this, designFiles] {
        if (!m_sessionNotice.isEmpty()) {
            QMessageBox box(QMessageBox::Warning, QStringLiteral("Hydrolofter"), m_sessionNotice,
                            QMessageBox::Ok, m_sheet.get());
            box.exec();
        }
        for (const std::string& file : designFiles) {
            const std::string suffix = ".flight.json";
            if (file.size() >= suffix.size() &&
                file.compare(file.size() - suffix.size(), suffix.size(), suffix) == 0)
                openFlight(file);
            else
                openDesign(file);
        }
    });
    m_sheet->exec();
    saveSession();
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
    if (design.ok && !mayReplaceChanges({page}, path))
        return false;
    if (design.ok)
        m_sheet->tabs()->setCurrentWidget(page);
    return page->applyDesign(design, path); // the page's signal remembers it
}

bool CMainApp::openDesign(const QString& path) {
    return openDesign(QFile::encodeName(path).toStdString());
}

bool CMainApp::openFlight(const std::string& path) {
    const FlightRead flight = readFlightFile(path, true);
    if (!flight.ok) {
        QMessageBox box(QMessageBox::Warning, QStringLiteral("Hydrolofter"),
                        QString::fromStdString(flight.error), QMessageBox::Ok, m_sheet.get());
        box.exec();
        return false;
    }
    if (!mayReplaceChanges({m_rocketSpecsPage, m_environmentSpecsPage}, path))
        return false;
    for (InputPage* page : std::initializer_list<InputPage*>{
             m_rocketSpecsPage, m_environmentSpecsPage, m_launchSpecsPage})
        page->applyInputs(flight.inputs);
    m_settingsPage->applySettings(flight.settings);
    m_flightFile = QFile::decodeName(path.c_str());
    m_sheet->setFlightFile(m_flightFile);
    m_flightDescription = flight.description;
    remember(m_flightFile);
    if (!flight.notes.empty()) {
        QString text;
        for (const std::string& note : flight.notes)
            text += QString::fromStdString(note) + "\n";
        QMessageBox box(QMessageBox::Information, QStringLiteral("Hydrolofter"), text.trimmed(),
                        QMessageBox::Ok, m_sheet.get());
        box.exec();
    }
    return true;
}

bool CMainApp::mayReplaceChanges(std::initializer_list<InputPage*> pages, const std::string& path) {
    QStringList lost;
    for (InputPage* page : pages) {
        if (!page->designKind() || !page->isInitialised() || !page->isModified())
            continue;
        const std::string_view name = designName(*page->designKind());
        lost << QStringLiteral("the ") + QString::fromUtf8(name.data(), qsizetype(name.size()));
    }
    if (lost.isEmpty())
        return true;
    QMessageBox box(QMessageBox::Question, QStringLiteral("Hydrolofter"),
                    QStringLiteral("Open %1 in place of the changes to %2?")
                        .arg(QString::fromStdString(fileNameForMessages(path)),
                             lost.join(QStringLiteral(" and "))),
                    QMessageBox::Yes | QMessageBox::Cancel, m_sheet.get());
    return box.exec() == QMessageBox::Yes;
}

void CMainApp::onOpenFlight() {
    const QString path = QFileDialog::getOpenFileName(
        m_sheet.get(), QStringLiteral("Open a flight"),
        m_flightFile.isEmpty() ? lastFolder(FolderKind::Flights)
                               : QFileInfo(m_flightFile).absolutePath(),
        QStringLiteral("Flights (*.flight.json);;All files (*)"));
    if (!path.isEmpty())
        openFlight(QFile::encodeName(path).toStdString());
}

bool CMainApp::saveFlight(const QString& path) {
    SimulationInputs inputs;
    RunSettings settings;
    if (!commitInputs(inputs, settings))
        return false;
    const std::string error = writeFileAtomically(
        QFile::encodeName(path).toStdString(), flightText(inputs, settings, m_flightDescription));
    if (!error.empty()) {
        QMessageBox box(
            QMessageBox::Warning, QStringLiteral("Hydrolofter"),
            QStringLiteral("The flight was not saved: %1.").arg(QString::fromStdString(error)),
            QMessageBox::Ok, m_sheet.get());
        box.exec();
        return false;
    }
    m_flightFile = path;
    m_sheet->setFlightFile(m_flightFile);
    remember(path);
    return true;
}

void CMainApp::onSaveFlight() {
    const QString filter = QStringLiteral("Flights (*.flight.json)");
    QString chosen = filter;
    QString path = QFileDialog::getSaveFileName(
        m_sheet.get(), QStringLiteral("Save the flight"),
        m_flightFile.isEmpty() ? lastFolder(FolderKind::Flights) + QStringLiteral("/my.flight.json")
                               : m_flightFile,
        filter + QStringLiteral(";;All files (*)"), &chosen);
    // Without its suffix the file would not show in the Open dialog's usual filter.
    if (!path.isEmpty() && chosen == filter && !path.endsWith(QStringLiteral(".flight.json")))
        path += QStringLiteral(".flight.json");
    if (!path.isEmpty())
        saveFlight(path);
}

std::string CMainApp::rocketFileName() const {
    const QString file = m_rocketSpecsPage ? m_rocketSpecsPage->designFile() : QString();
    return file.isEmpty() ? std::string() : QFileInfo(file).fileName().toStdString();
}

std::string CMainApp::flightFileName() const {
    return m_flightFile.isEmpty() ? std::string()
                                  : QFileInfo(m_flightFile).fileName().toStdString();
}

bool CMainApp::putInput(VariableId input, double value) {
    const Field* f = sweptField(input);
    InputPage* page = m_launchSpecsPage;
    if (f && f->group == FieldGroup::Rocket)
        page = m_rocketSpecsPage;
    else if (f && f->group == FieldGroup::Environment)
        page = m_environmentSpecsPage;
    auto* edit = f ? page->findChild<QLineEdit*>(
                         QString::fromUtf8(f->name.data(), qsizetype(f->name.size())))
                   : nullptr;
    if (!edit)
        return false;
    edit->setText(QString::fromStdString(formatDecimal(value)));
    return true;
}

void CMainApp::showField(std::string_view name) {
    const Field* f = findField(name);
    if (!f)
        return;
    PropertyPage* page = m_settingsPage;
    if (f->group == FieldGroup::Rocket)
        page = m_rocketSpecsPage;
    else if (f->group == FieldGroup::Environment)
        page = m_environmentSpecsPage;
    else if (f->group == FieldGroup::Launch)
        page = m_launchSpecsPage;
    QWidget* control = page->controlWidget(name);
    if (!control)
        return;
    m_sheet->tabs()->setCurrentWidget(page);
    control->activateWindow(); // the message box had the focus
    control->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(control))
        edit->selectAll();
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
