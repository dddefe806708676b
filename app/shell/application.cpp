#include "app/shell/application.h"

#include <QApplication>
#include <QCheckBox>
#include <QMessageBox>
#include <QScreen>
#include <QSettings>
#include <QTimer>
#include <cassert>

#include "app/dialogs/about_dlg.h"
#include "app/document/doc_manager.h"
#include "app/document/gp_doc.h"
#include "app/shell/app_prompts.h"
#include "app/shell/command_actions.h"
#include "app/shell/hand_over_text.h"
#include "app/shell/main_frame.h"
#include "app/shell/recent_files.h"
#include "app/shell/single_instance.h"
#include "app/shell/startup_splash.h"
#include "app/shell/tool_windows.h"
#include "color/application_profiles.h"
#include "document/message_box.h"
#include "imaging/builtin_extensions.h"
#include "imaging/import_extensions.h"
#include "imaging/quicktime_alert.h"
#include "imaging/temporary_files.h"
#include "persistence/hand_over_list.h"
#include "templates/user_template_types.h"
#include "resources/app_folders.h"
#include "resources/command_ids.h"
#include "resources/string_table.h"

namespace tl {
namespace {

constexpr int kTitleString = 128;
constexpr const char* kSettingsFile = "/Tessaline.conf";
constexpr int32_t kFallbackScreenWidth = 1920;
constexpr int kCalledByAnotherProgram = 11071;  // "Tessaline is called by another software. ..."
constexpr int kBusyRetryMs = 200;

CTessalineApp* g_application = nullptr;

int32_t ScreenWidth() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->geometry().width() : kFallbackScreenWidth;
}

}  // namespace

CTessalineApp::CTessalineApp() : splashDelay_(CStartupSplash::kDefaultDelay) {
  assert(!g_application);
  g_application = this;
  EnsureFolder(ConfigFolder());
  settings_ = std::make_unique<QSettings>(QString::fromStdString(ConfigFolder() + kSettingsFile), QSettings::IniFormat);
  recent_ = std::make_unique<RecentFileList>(*settings_);
  prompts_ = std::make_unique<AppPrompts>();
  documents_ = std::make_unique<CGPDocManager>(*this);
  toolWindows_ = std::make_unique<CToolWindows>(*this);
  SetPreferenceDefaults(preferences_, ScreenWidth());
  RegisterCommands();
}

CTessalineApp::~CTessalineApp() {
  // Documents before the frame: their windows live in it. The tool
  // windows last: they follow the documents.
  documents_.reset();
  toolWindows_.reset();
  frame_.reset();
  splash_.reset();
  g_application = nullptr;
}

CTessalineApp& CTessalineApp::Instance() {
  assert(g_application);
  return *g_application;
}

bool CTessalineApp::Exists() { return g_application != nullptr; }

void CTessalineApp::SetPrompts(std::unique_ptr<AppPrompts> prompts) {
  if (prompts) prompts_ = std::move(prompts);
}

bool CTessalineApp::LoadPreferences() {
  if (!preferences_.ApplicationDefaultDocument && !SetPreferenceDefaults(preferences_, ScreenWidth())) return false;
  return tl::LoadPreferences(preferences_);
}

bool CTessalineApp::InitInstance(const std::vector<std::string>& arguments) {
  return InitInstance(ParseCommandLine(arguments));
}

bool CTessalineApp::InitInstance(const AppCommandLineInfo& info) {
  splash_ = std::make_unique<CStartupSplash>(splashDelay_);
  const bool started = StartUp(info);
  splash_->Finish();
  return started;
}

bool CTessalineApp::StartUp(const AppCommandLineInfo& info) {
  LoadTemplateLibrary();
  InstallBuiltInImportExtensions();
  splash_->Poll();
  frame_ = std::make_unique<CMainFrame>(*this);
  if (!frame_->Create()) return false;
  if (!CheckApplicationProfiles()) return false;
  if (!LoadPreferences()) return false;
  frame_->SetQuickPrintPane(preferences_.quickPrint ? 10 : 9);
  CleanTemporaryFiles();
  splash_->Poll();
  frame_->ShowStored();
  toolWindows_->OpenStored();
  if (!ExtendedFormatsAlert()) return false;
  connect(documents_.get(), &CGPDocManager::DocumentsChanged, frame_.get(), [this] { frame_->Actions().Update(); });
  const int commands = RunQueuedHandOvers();
  if (commands > 0 && info.HandOverMode == kHandOverNone && info.Command != ShellCommand::FileOpen) return true;
  ProcessCommandLine(info);
  return true;
}

bool CTessalineApp::ExtendedFormatsAlert() {
  const int message = QuickTimeStartupAlert(preferences_.hideQTAlert);
  if (message == 0) return true;
  QMessageBox box(QMessageBox::Warning, QString::fromUtf8(StringText(kTitleString).data()),
                  QString::fromUtf8(StringText(message).data()).remove(QLatin1Char('\r')).trimmed(),
                  QMessageBox::Yes | QMessageBox::No, frame_.get());
  box.setCheckBox(new QCheckBox(QStringLiteral("Don't display this dialog in the future.")));
  if (box.exec() != QMessageBox::Yes) {
    frame_->close();
    return false;
  }
  preferences_.hideQTAlert = int16_t(QuickTimeAlertFlagsAfterYes(preferences_.hideQTAlert, box.checkBox()->isChecked()));
  return true;
}

void CTessalineApp::ExitInstance() {
  if (!SavePreferences(preferences_)) ErrorBeep();
  StoreUserTemplateTypes();
}

bool CTessalineApp::ApplyStartupChoice(bool startup) {
  switch (preferences_.appStarts) {
    case kStartRecentDocument:
      if (!recent_->Paths().empty()) documents_->OpenFile(recent_->Paths().front());
      else documents_->NewDocument();
      break;
    case kStartNoDocument:
      if (!startup) documents_->NewDocument();
      break;
    default: documents_->NewDocument(); break;
  }
  return documents_->Active() != nullptr;
}

void CTessalineApp::ProcessCommandLine(const AppCommandLineInfo& info) {
  if (info.HandOverMode != kHandOverNone) {
    HandOverList(info.HandOverMode, HandOverFilePath(HandOverFlag(info)));
  } else if (info.Command == ShellCommand::FileOpen) {
    documents_->OpenFile(info.FileName);
  }
  // A layout the command line asked for stays; otherwise the first layout
  // is what the preferences say.
  if (!documents_->Active()) ApplyStartupChoice(true);
}

void CTessalineApp::HandOverList(int mode, const std::string& listPath) {
  if (!documents_->Active() ||
      ShowMessage(kCalledByAnotherProgram, MessageIcon::Exclamation, MessageButtons::YesNo, MessageAnswer::No) !=
          MessageAnswer::Yes) {
    if (!ApplyStartupChoice(false)) return;
  }
  std::vector<std::string> paths;
  TakeHandOverList(listPath, mode == kHandOverIniList ? HandOverListForm::Ini : HandOverListForm::Text, &paths);
  if (CGPDoc* document = documents_->Active(); document && !paths.empty()) document->AddImages(paths);
}

void CTessalineApp::ListenForHandOvers(CSingleInstance& instance) {
  connect(&instance, &CSingleInstance::TextReceived, this,
          [this](const QByteArray& text) { ProcessHandOver(text.toStdString()); });
}

void CTessalineApp::ProcessHandOver(const std::string& text) {
  // While starting, and while a long operation runs, texts wait their turn.
  if (queueHandOvers_ || DocumentBusy()) {
    queuedHandOvers_.push_back(text);
    if (!queueHandOvers_ && queuedHandOvers_.size() == 1) QTimer::singleShot(kBusyRetryMs, this, [this] { RunQueuedHandOvers(); });
    return;
  }
  RunHandOver(text);
}

int CTessalineApp::RunQueuedHandOvers() {
  queueHandOvers_ = false;
  if (DocumentBusy()) {
    QTimer::singleShot(kBusyRetryMs, this, [this] { RunQueuedHandOvers(); });
    return 0;
  }
  int commands = 0;
  const std::vector<std::string> texts = std::move(queuedHandOvers_);
  queuedHandOvers_.clear();
  for (const std::string& text : texts) {
    commands += int(ReadHandOverText(text).Commands.size());
    RunHandOver(text);
  }
  return commands;
}

void CTessalineApp::RunHandOver(const std::string& text) {
  if (frame_) {
    if (frame_->isMinimized()) frame_->showNormal();
    frame_->raise();
    frame_->activateWindow();
  }
  const HandOverRequest request = ReadHandOverText(text);
  if (request.HandOverMode != kHandOverNone) HandOverList(request.HandOverMode, HandOverFilePath(request.Flag));
  for (const DdeCommand& command : request.Commands) {
    if (!documents_->OpenFile(command.Path)) continue;
    CGPDoc* document = documents_->Active();
    if (!document) continue;
    if (command.Verb == DdeVerb::Print) document->Print();
    else if (command.Verb == DdeVerb::PrintTo) document->Print(command.Printer);
  }
}

void CTessalineApp::RegisterCommands() {
  CommandHandlerMap& commands = router_.ApplicationHandlers();
  const auto notBusy = [this] { return !DocumentBusy(); };
  commands.Add(kCmdFileNew, [this] { documents_->NewDocument(); }, notBusy);
  commands.Add(kCmdFileOpen, [this] { OpenCommand(); }, notBusy);
  for (int i = 0; i < kRecentFileCount; ++i)
    commands.Add(kCmdRecentFirst + i, [this, i] { OpenRecent(i); },
                 [this, i] { return !DocumentBusy() && size_t(i) < recent_->Paths().size(); });
  commands.Add(kCmdAppAbout, [this] { About(); });
  commands.Add(kCmdAppExit, [this] { if (frame_) frame_->close(); }, notBusy);
  RegisterToolWindowCommands();
}

void CTessalineApp::OpenCommand() {
  if (DocumentBusy()) {
    ErrorBeep();
    return;
  }
  const std::string path = prompts_->OpenLayout(frame_.get());
  if (!path.empty()) documents_->OpenFile(path);
}

void CTessalineApp::OpenRecent(int index) {
  if (size_t(index) >= recent_->Paths().size()) return;
  const std::string path = recent_->Paths()[size_t(index)];
  if (!documents_->OpenFile(path) && !documents_->FindByPath(path)) recent_->Remove(path);
  if (frame_) frame_->Actions().SetRecentFiles(recent_->Paths());
}

void CTessalineApp::About() {
  CAboutDlg dialog(frame_.get());
  dialog.exec();
}

}  // namespace tl
