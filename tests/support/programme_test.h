#pragma once
// A fresh program on its own temporary data folder, with scripted dialogs, a recording shell and
// exit, and a fixed clock: nothing leaves the test.

#include <chrono>
#include <functional>
#include <memory>

#include "fenetres/app/programme.h"
#include "support/temp_folder.h"
#include "ui/scripted_dialogs.h"
#include "ui/services.h"

namespace testing_support {

struct ProgrammeDeTest {
  TempFolder dossier;
  ui::ScriptedDialogs dialogs;
  ui::RecordingShell shell;
  ui::RecordingExit sortie;
  ui::FixedClock horloge{std::chrono::system_clock::time_point(std::chrono::seconds(1767225600))};
  std::unique_ptr<app::Programme> programme;
  // What the front end does while long work moves on (set before the program is made).
  std::function<void()> patienter;

  // Builds the program (every window created); start() runs the start-up.
  app::Programme& creer() {
    app::Environment env{dossier.path(), dialogs, shell, sortie, horloge, "tarvio"};
    env.patienter = [this] {
      if (patienter) patienter();
    };
    programme = std::make_unique<app::Programme>(std::move(env));
    return *programme;
  }
  app::Programme& demarrer() {
    creer();
    programme->demarrer();
    return *programme;
  }
  app::Programme& p() { return *programme; }
};

}  // namespace testing_support
