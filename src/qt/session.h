#pragma once
// The running program on the desktop: the Qt services, the program object on its data folder
// and the renderer that shows its windows. main() and the front end's tests start it alike.

#include <QElapsedTimer>
#include <QObject>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "fenetres/app/programme.h"
#include "platform/folder_lock.h"
#include "qt/dialogs.h"
#include "qt/renderer.h"
#include "ui/services.h"

namespace qtui {

// The look and behaviour every window of the program shares: one style on every desktop, the
// compact font the windows were drawn for, and no quitting when the last window hides (the
// model ends the program).
void setUpApplication();

// Takes the data folder for this program alone. While another program works in it, the user is
// told so and nothing is returned: this one must end without touching the folder.
std::optional<platform::FolderLock> lockDataFolder(const std::filesystem::path& folder);

class Session {
 public:
  // shell: the shell service to use instead of the desktop's (tests); nullptr for the desktop's.
  Session(std::filesystem::path dataFolder, std::string executableName, ui::Shell* shell = nullptr);
  ~Session();
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  // The program's start-up, once the event loop runs.
  void start();
  // The exit code the program asked for, or the event loop's when it asked for none.
  int exitCode(int loopCode) const { return exit_.exited ? exit_.code : loopCode; }
  bool exited() const { return exit_.exited; }

  app::Programme& programme() { return *programme_; }
  Renderer& renderer() { return *renderer_; }

 private:
  ModalState modal_;
  QtDialogs dialogs_;
  QtShell desktopShell_;
  QtExit exit_;
  ui::SystemClock clock_;
  std::unique_ptr<app::Programme> programme_;
  std::unique_ptr<Renderer> renderer_;
  QObject queue_;  // context of the queued start-up
  QElapsedTimer patience_;  // since the events were last processed inside a command
};

}  // namespace qtui
