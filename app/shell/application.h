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
#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "app/shell/command_line.h"
#include "app/shell/command_router.h"
#include "persistence/preferences.h"

class QSettings;

namespace tl {

class AppPrompts;
class CGPDocManager;
class CMainFrame;
class CSingleInstance;
class CStartupSplash;
class CToolWindows;
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
  bool InitInstance(const AppCommandLineInfo& info);
  // Writes the preferences and the user template types back.
  void ExitInstance();
  // How long a start-up runs before the splash appears (set before
  // InitInstance).
  void SetSplashDelay(std::chrono::milliseconds delay) { splashDelay_ = delay; }

  PreferenceRecord& Preferences() { return preferences_; }
  CMainFrame* MainFrame() const { return frame_.get(); }
  CGPDocManager& Documents() { return *documents_; }
  CommandRouter& Router() { return router_; }
  AppPrompts& Prompts() { return *prompts_; }
  void SetPrompts(std::unique_ptr<AppPrompts> prompts);
  QSettings& Settings() { return *settings_; }
  RecentFileList& RecentFiles() { return *recent_; }
  CToolWindows& ToolWindows() { return *toolWindows_; }

  // Set while a long document operation runs; other such operations are
  // turned away with the error beep.
  bool DocumentBusy() const { return documentBusy_ != 0; }
  void SetDocumentBusy(bool busy) { documentBusy_ = busy ? 1 : 0; }
  // Counts the untitled layouts made since the last layout window closed.
  int16_t& UntitledCounter() { return untitledCounter_; }

  // Opens, creates or skips the first layout as "Application Starts With"
  // says; true when a layout is active afterwards.
  bool ApplyStartupChoice(bool startup);
  // The command line: a layout to open, or a hand-over list of images.
  void ProcessCommandLine(const AppCommandLineInfo& info);
  // Takes what later starts of the program hand over to `instance`.
  void ListenForHandOvers(CSingleInstance& instance);
  // A text a second instance sent: commands to open or print layouts, or a
  // hand-over list. Texts that arrive while the program starts or while a
  // long operation runs wait for it.
  void ProcessHandOver(const std::string& text);
  // Adds the images of a hand-over list to the active layout (asking
  // first) or to the layout the start-up choice makes.
  void HandOverList(int mode, const std::string& listPath);

 signals:
  // The image preview window is asked for the current image: by a double
  // click on an image (`createIfClosed`) or by Enter in the layout view
  // (only when the window is open). The tool windows answer it.
  void ImagePreviewRequested(bool createIfClosed);

 private:
  // The start-up steps of InitInstance, the splash aside.
  bool StartUp(const AppCommandLineInfo& info);
  void RegisterCommands();
  void RegisterToolWindowCommands();
  void OpenCommand();
  void OpenRecent(int index);
  void About();
  bool LoadPreferences();
  // The start-up warning about a missing or old extended-formats importer;
  // false when the user chose not to go on.
  bool ExtendedFormatsAlert();
  // Runs the texts that arrived while starting; the number of open and
  // print commands among them.
  int RunQueuedHandOvers();
  void RunHandOver(const std::string& text);

  PreferenceRecord preferences_;
  CommandRouter router_;
  std::unique_ptr<QSettings> settings_;
  std::unique_ptr<RecentFileList> recent_;
  std::unique_ptr<AppPrompts> prompts_;
  std::unique_ptr<CGPDocManager> documents_;
  std::unique_ptr<CMainFrame> frame_;
  std::unique_ptr<CStartupSplash> splash_;
  std::chrono::milliseconds splashDelay_;
  std::unique_ptr<CToolWindows> toolWindows_;
  std::vector<std::string> queuedHandOvers_;
  bool queueHandOvers_ = true;  // until start-up is done
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
