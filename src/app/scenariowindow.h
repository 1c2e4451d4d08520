#pragma once

#include "app/scenariodiff.h"
#include "exchange/scenario.h"
#include "exchange/scenariorun.h"

#include <QWidget>

#include <vector>

class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QTableWidget;
class TfrmPrincipal;

// "Cenários…": a scenario file replayed against the window's server, address, company and
// environment, one step at a time with the status and "Cancelar" of an ordinary exchange. The
// table of steps shows each verdict; the chosen step's request and answer go to the main
// window's panes, and its expected and obtained answers stand side by side with the differing
// paths marked. A baseline accepted, a path ignored or noise learned changes the scenario in
// memory; "Salvar" writes it back, and closing with changes asks first.
class ScenarioWindow : public QWidget {
    Q_OBJECT
public:
    explicit ScenarioWindow(TfrmPrincipal& main);

    // Reads the file (a refused one raises EScenarioError, the window keeping what it had),
    // then replays it.
    void open(const QString& fileName);
    void run();              // "Executar"
    void learnNoise();       // "Aprender ruído"
    void acceptChosen();     // "Aceitar como esperado"
    void ignoreChosenPath(); // "Ignorar este caminho"
    void save();             // "Salvar"
    bool modified() const { return m_modified; }
    const Scenario& scenario() const { return m_scenario; }
    const std::vector<StepOutcome>& outcomes() const { return m_outcomes; }

protected:
    void closeEvent(QCloseEvent* event) override;
    // The main window closing takes this one with it: changes not saved are asked about first.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Replays every step; raises ERequestCancelled (the steps run so far are kept in outcomes)
    // or kit::ActionDeclined when the production check is declined.
    void replayInto(std::vector<StepOutcome>& outcomes, const QString& what);
    ReplayTarget target() const;
    void guarded(const std::function<void()>& action);
    void askToSaveChanges();
    void setModified(bool modified);
    void showSteps();
    // The count of verdicts, after what is given.
    void showSummary(const QString& before = {});
    void showStepRow(int row);
    void showChosenStep();
    void showDifference(int row);
    void setRunning(bool running);
    int chosenStep() const;

    TfrmPrincipal& m_main;
    QString m_file;
    Scenario m_scenario;
    std::vector<StepOutcome> m_outcomes;
    bool m_modified = false;
    bool m_running = false;
    AnswerLines m_expectedLines;
    AnswerLines m_obtainedLines;

    QLabel* m_summary;
    QTableWidget* m_steps;
    QTableWidget* m_differences;
    QPlainTextEdit* m_expected;
    QPlainTextEdit* m_obtained;
    QPushButton* m_runButton;
    QPushButton* m_noiseButton;
    QSpinBox* m_noiseRuns;
    QPushButton* m_accept;
    QPushButton* m_ignore;
    QPushButton* m_save;
    QCheckBox* m_keepFiles;
    QPushButton* m_cancel;
};

// Ctrl+R: asks for a scenario file and replays it in the window's scenario window (made the
// first time).
void openScenarioWindow(TfrmPrincipal& main);
