#pragma once

#include "exchange/historydb.h"

#include <QString>

#include <memory>

class QSettings;
class TfrmPrincipal;

// The desk as the user left it: window geometry, splitters, server address, company code and
// the page last shown; also the largest answer the window takes ("troca/maxRespostaBytes",
// written with its value so that the user finds it in the file). Stored in the user's settings; a
// first run keeps the window's defaults.
class DeskSettings {
public:
    // The user's own settings file.
    DeskSettings();
    // Another settings file (INI format), for tests.
    explicit DeskSettings(const QString& iniFile);
    ~DeskSettings();
    DeskSettings(const DeskSettings&) = delete;
    DeskSettings& operator=(const DeskSettings&) = delete;

    // Before the window is shown: geometry and splitter.
    void restoreFrame(TfrmPrincipal& window) const;
    // After it is shown: the fields and the last page (showing selects the session page).
    void restoreDesk(TfrmPrincipal& window) const;
    void save(TfrmPrincipal& window);

    QSettings& settings() const { return *m_settings; }
    // How much the stored history keeps ("historico/maxDias", "historico/maxMiB"); save()
    // writes them with their values so that the user finds them in the file (nothing is
    // written at start-up: the window shows without waiting for the disk).
    HistoryLimits historyLimits() const;

private:
    std::unique_ptr<QSettings> m_settings;
};

// The object name of the page the window shows now (the deepest tab selected).
QString currentPageName(const TfrmPrincipal& window);
