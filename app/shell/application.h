// CTessalineApp: the application object. It runs the start-up of the first
// instance (preferences, templates, leftover previews, the main frame, the
// first layout as the preferences say), keeps the application-wide state
// (preferences, the busy flag, the untitled counter, recent files, window
// settings), handles the program-wide commands (New, Open, Open Recent,
// About, Quit) and what a second instance hands over, and writes the
// preferences back at exit.
#pragma once

#include <QObject>
#include <QStringList>
#include <memory>
#include <string>
#include <vector>

#include "app/shell/command_router.h"
#include "persistence/preferences.h"

class QSettings;

namespace tl {

class AppPrompts;
class CGPDocManager;
class CMainFrame;
class RecentFileList;

class CTessalineApp : public QObject {
  Q_OBJECT

 public:
  CTessalineApp();
  ~CTessalineApp() override;

  // The process's application object (one at a time).
  static CTessalineApp& Instance();
  static bool Exists();

  // Start-up of the first instance with the program's arguments (without
  // the program name). False ends the program; any message was shown.
  bool InitInstance(const std::vector<std::string>& arguments);
  // Writes the preferences and the user template types back.
  void ExitInstance();

  PreferenceRecord& Preferences() { return preferences_; }
  CMainFrame* MainFrame() const { return frame_.get(); }
  CGPDocManager& Documents() { return *documents_; }
  CommandRouter& Router() { return router_; }
  AppPrompts& Prompts() { return *prompts_; }
  void SetPrompts(std::unique_ptr<AppPrompts> prompts);
  QSettings& Settings() { return *settings_; }
  RecentFileList& RecentFiles() { return *recent_; }

  // Set while a long document operation runs; other such operations are
  // turned away with the error beep.
  bool DocumentBusy() const { return documentBusy_ != 0; }
  void SetDocumentBusy(bool busy) { documentBusy_ = busy ? 1 : 0; }
  // Counts the untitled layouts made since the last layout window closed.
  int16_t& UntitledCounter() { return untitledCounter_; }

  // Opens, creates or skips the first layout as "Application Starts With"
  // says; true when a layout is active afterwards.
  bool ApplyStartupChoice(bool startup);
  // Files named on the command line or handed over by another program.
  void ProcessArguments(const std::vector<std::string>& arguments);
  // A text a second instance sent.
  void ProcessHandOver(const std::string& text);

 private:
  void RegisterCommands();
  void OpenCommand();
  void OpenRecent(int index);
  void About();
  bool LoadPreferences();
  // The start-up warning about a missing or old extended-formats importer;
  // false when the user chose not to go on.
  bool ExtendedFormatsAlert();

  PreferenceRecord preferences_;
  CommandRouter router_;
  std::unique_ptr<QSettings> settings_;
  std::unique_ptr<RecentFileList> recent_;
  std::unique_ptr<AppPrompts> prompts_;
  std::unique_ptr<CGPDocManager> documents_;
  std::unique_ptr<CMainFrame> frame_;
  int32_t documentBusy_ = 0;
  int16_t untitledCounter_ = 0;
};

// DocumentBusy for the length of a scope.
class BusyScope {
 public:
  explicit BusyScope(CTessalineApp& app) : app_(app) { app_.SetDocumentBusy(true); }
  ~BusyScope() { app_.SetDocumentBusy(false); }
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;

 private:
  CTessalineApp& app_;
};

}  // namespace tl
