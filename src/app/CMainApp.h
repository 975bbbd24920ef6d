// The application object: creates the sheet and its pages and runs it.
#pragma once

#include "simulate/CSimulatePage.h"

#include <QString>
#include <QStringList>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

namespace hydrolofter {

class CAboutPage;
class CEnvironmentSpecsPage;
class CLaunchSpecsPage;
class CMainDlg;
class InputPage;
class CRocketSpecsPage;
class CSimulationSettingsPage;

class CMainApp : public InputSource {
public:
    CMainApp();
    ~CMainApp() override;

    /// Builds the sheet and its six pages, with the input pages initialised.
    void createSheet();
    /// createSheet, loads the files given (a flight by its .flight.json name; else a rocket
    /// or a launch site, told apart by their contents), then runs the sheet until it closes.
    /// Returns the exit status.
    int run(const std::vector<std::string>& designFiles = {});
    /// Loads a design file into the page of its kind, reading it once (path as the bytes
    /// the system names it by, which need not be UTF-8); a refused file is reported.
    bool openDesign(const std::string& path);
    bool openDesign(const QString& path);
    /// Puts a flight file's rocket, site, launch and settings into the pages; a refused
    /// file is reported and changes nothing.
    bool openFlight(const std::string& path);
    /// Commits every page and writes them all to path as a flight file; false (and the
    /// user told) when a value is refused or the file cannot be written.
    bool saveFlight(const QString& path);

    /// The recent files, newest first (at most kRecentFiles).
    QStringList recentFiles() const { return m_recent; }
    static constexpr int kRecentFiles = 6;
    /// Why the last session was not read, told once when the window shows; empty if it was.
    QString sessionNotice() const { return m_sessionNotice; }
    /// Remembers what the next start shows (run does it when the sheet closes): every
    /// page's values, the sheet's size and place, the last flight file and the recent
    /// files; in the per-user
    /// settings (QSettings). createSheet puts them back.
    void saveSession() const;

    bool commitInputs(SimulationInputs& inputs, RunSettings& settings) override;
    std::string rocketFileName() const override;
    std::string flightFileName() const override;
    bool putInput(VariableId input, double value) override;
    void showField(std::string_view name) override;

    CMainDlg* sheet() const { return m_sheet.get(); }
    // The pages; owned by the sheet's tab widget, valid while the sheet exists.
    CRocketSpecsPage* rocketPage() const { return m_rocketSpecsPage; }
    CEnvironmentSpecsPage* environmentPage() const { return m_environmentSpecsPage; }
    CLaunchSpecsPage* launchPage() const { return m_launchSpecsPage; }
    CSimulationSettingsPage* settingsPage() const { return m_settingsPage; }
    CSimulatePage* simulatePage() const { return m_simulatePage; }

private:
    void restoreSession();
    /// Puts a saved size and place back when the window then fits on a screen.
    void restoreGeometryOnScreen(const QByteArray& geometry);
    /// Connects the settings page's "Open Flight..." and "Save Flight...", and Ctrl+O and
    /// Ctrl+S.
    void addFlightButtons();
    /// True when none of the pages has unsaved changes to its design, or the user agrees
    /// to lose them to the file at path.
    bool mayReplaceChanges(std::initializer_list<InputPage*> pages, const std::string& path);
    void onOpenFlight();
    void onSaveFlight();

    /// Puts a file just opened or saved at the top of the recent files, and its folder
    /// where the next dialog opens.
    void remember(const QString& path);
    void refreshRecentMenu();

    QString m_sessionNotice;
    bool m_rememberSession = true;   ///< false: an unreadable session is left in its place
    QStringList m_recent;            ///< the last files opened or saved, newest first
    QString m_flightFile;            ///< the flight file last opened or saved
    std::string m_flightDescription; ///< its description, written back when it is saved
    CAboutPage* m_aboutPage = nullptr;
    CSimulatePage* m_simulatePage = nullptr;
    CSimulationSettingsPage* m_settingsPage = nullptr;
    CLaunchSpecsPage* m_launchSpecsPage = nullptr;
    CEnvironmentSpecsPage* m_environmentSpecsPage = nullptr;
    CRocketSpecsPage* m_rocketSpecsPage = nullptr;
    std::unique_ptr<CMainDlg> m_sheet;
};

} // namespace hydrolofter
