// The part of CMainApp that remembers: the session kept between starts (every page, the
// sheet's place, the flight file) and the recently used files.
#include "CMainApp.h"

#include "CMainDlg.h"
#include "SessionFile.h"
#include "pages/CEnvironmentSpecsPage.h"
#include "pages/CLaunchSpecsPage.h"
#include "pages/CRocketSpecsPage.h"
#include "pages/CSimulationSettingsPage.h"

#include "designs/Flight.h"
#include "designs/JsonText.h"
#include "toolkit/LastFolders.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSettings>

namespace hydrolofter {

namespace {

QSettings sessionSettings() {
    return QSettings(QStringLiteral("Hydrolofter"), QStringLiteral("Hydrolofter"));
}

} // namespace

void CMainApp::saveSession() const {
    if (!m_rememberSession)
        return; // an unreadable session that could not be moved aside stays as it is
    SimulationInputs inputs;
    for (const InputPage* page : std::initializer_list<const InputPage*>{
             m_rocketSpecsPage, m_environmentSpecsPage, m_launchSpecsPage})
        copyGroup(page == m_rocketSpecsPage        ? FieldGroup::Rocket
                  : page == m_environmentSpecsPage ? FieldGroup::Environment
                                                   : FieldGroup::Launch,
                  page->shownInputs(), inputs);
    QSettings settings = sessionSettings();
    // A flight file's own text: the same strict reader takes it back.
    settings.setValue(QStringLiteral("session/flight"),
                      QString::fromStdString(flightText(inputs, m_settingsPage->shownSettings(),
                                                        m_flightDescription)));
    settings.setValue(QStringLiteral("session/geometry"), m_sheet->saveGeometry());
    settings.setValue(QStringLiteral("session/flightFile"), m_flightFile);
    settings.setValue(QStringLiteral("session/recent"), m_recent);
    saveLastFolders(settings);
}

void CMainApp::restoreSession() {
    const QString path = sessionFilePath();
    QString problem = sessionFileProblem(path);
    FlightRead last;
    if (problem.isEmpty()) {
        const QSettings settings = sessionSettings();
        const QString text = settings.value(QStringLiteral("session/flight")).toString();
        last = parseFlight(text.toStdString(), "the last session");
        if (settings.status() != QSettings::NoError)
            problem = QStringLiteral("it is not a settings file");
        else if (!text.isEmpty() && !last.ok)
            problem = QString::fromStdString(last.error).remove(QRegularExpression("\\.$"));
    }
    if (!problem.isEmpty()) {
        // Kept aside, not overwritten at close: it may be a newer version's.
        const SetAside aside = setSessionAside(path, problem);
        m_sessionNotice = aside.message;
        m_rememberSession = aside.moved;
        refreshRecentMenu();
        return;
    }
    const QSettings settings = sessionSettings();
    if (last.ok) {
        for (InputPage* page : std::initializer_list<InputPage*>{
                 m_rocketSpecsPage, m_environmentSpecsPage, m_launchSpecsPage})
            page->applyInputs(last.inputs);
        m_settingsPage->applySettings(last.settings);
        m_flightDescription = last.description;
    }
    restoreGeometryOnScreen(settings.value(QStringLiteral("session/geometry")).toByteArray());
    m_flightFile = settings.value(QStringLiteral("session/flightFile")).toString();
    m_sheet->setFlightFile(m_flightFile);
    m_recent = settings.value(QStringLiteral("session/recent")).toStringList();
    while (m_recent.size() > kRecentFiles)
        m_recent.removeLast();
    restoreLastFolders(settings);
    refreshRecentMenu();
}

void CMainApp::restoreGeometryOnScreen(const QByteArray& geometry) {
    const QSize firstSize = m_sheet->size();
    if (geometry.isEmpty() || !m_sheet->restoreGeometry(geometry))
        return;
    const QRect placed = m_sheet->geometry();
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect room = screen->availableGeometry();
        if (placed.width() <= room.width() && placed.height() <= room.height() &&
            room.contains(placed.center()))
            return;
    }
    // Off every screen or larger than it (a damaged file, a screen since unplugged): the
    // first start's size, placed by the window manager.
    m_sheet->setWindowState(Qt::WindowNoState);
    m_sheet->resize(firstSize);
    m_sheet->setAttribute(Qt::WA_Moved, false);
}

void CMainApp::remember(const QString& path) {
    const QString file = QFileInfo(path).absoluteFilePath();
    m_recent.removeAll(file);
    m_recent.prepend(file);
    while (m_recent.size() > kRecentFiles)
        m_recent.removeLast();
    rememberFolder(file.endsWith(QStringLiteral(".flight.json")) ? FolderKind::Flights
                                                                 : FolderKind::Designs,
                   file);
    refreshRecentMenu();
}

void CMainApp::refreshRecentMenu() {
    auto* button = m_settingsPage->control<QPushButton>("openRecent");
    QMenu* menu = button->menu();
    menu->clear();
    for (const QString& file : m_recent) {
        // The name first, where it was in brackets: the list is read by its names.
        QAction* action =
            menu->addAction(QStringLiteral("%1  (%2)")
                                .arg(QFileInfo(file).fileName(), QFileInfo(file).absolutePath()));
        QObject::connect(action, &QAction::triggered, m_sheet.get(), [this, file] {
            const std::string bytes = QFile::encodeName(file).toStdString();
            if (file.endsWith(QStringLiteral(".flight.json")))
                openFlight(bytes);
            else
                openDesign(bytes);
        });
    }
    button->setEnabled(!m_recent.isEmpty());
}

} // namespace hydrolofter
