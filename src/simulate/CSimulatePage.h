// The "Simulate" page: starts a run, shows its progress, and presents its result.
#pragma once

#include "graph/GraphData.h"
#include "runs/InputSource.h"
#include "runs/RunHost.h"
#include "runs/RunSettings.h"
#include "runs/SimulationInputs.h"
#include "toolkit/PropertyPage.h"
#include "toolkit/ThrottledPump.h"

#include <memory>
#include <string>
#include <vector>

namespace hydrolofter {

class CSimulatePage : public PropertyPage, public RunHost {
    Q_OBJECT
public:
    /// The page's controls by their template ids.
    enum Control : int {
        SummaryBox = 1003,
        SimulateButton = 1004,
        ProgressBar = 1079,
        CancelButton = 1080,
        GraphArea = 1105,
        ColourKeyArea = 1106,
        PrintButton = 1107,
        FullScreenButton = 1108,
        PleaseWaitLabel = 1109,
        NoticeLabel = 1110,
    };

    explicit CSimulatePage(InputSource& inputs, QWidget* parent = nullptr);
    ~CSimulatePage() override;

    bool isRunning() const { return m_bRunning; }
    /// Cancels a run in progress after its current step.
    void requestCancel() { m_bCancelRequested = true; }
    const GraphData* graph() const { return m_pGraph.get(); }

    // RunHost
    void beginRun() override;
    void setProgress(int percent) override;
    void pumpMessages() override;
    bool cancelRequested() override { return m_bCancelRequested; }
    void endRun() override;

public slots:
    void onSimulate();
    void onCancel() { requestCancel(); }
    void onFullScreen();

signals:
    /// A run has ended (completed, cancelled or refused) and its handler has returned.
    void runFinished();

protected:
    void onInitDialog() override;

private:
    void connectHandlers();
    void hideResults();
    /// Shows the notes on the last run in the progress bar's place (none: the bar).
    void showNotices(const std::vector<std::string>& notices);
    void present(const struct SampleSeries& series, const RunSettings& settings);

    std::unique_ptr<GraphData> m_pGraph;
    bool m_bCancelRequested = false;
    bool m_bRunning = false;
    InputSource& m_inputs;
    ThrottledPump m_pump;
};

} // namespace hydrolofter
