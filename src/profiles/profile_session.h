#pragma once
// What the save and restore operations work on: the desktop, the user, the
// messages, the data folder, the screen as update_layout last measured it,
// and the arrangement the latest restore replaced.
// The main window owns all of it; a session only refers to it, so every
// operation sees the values of the moment it runs.
#include <cstdint>

#include "profiles/data_folders.h"
#include "profiles/restore_undo.h"
#include "icons/desktop_access.h"
#include "lang/translator.h"
#include "platform/prompts.h"
#include "profiles/screen_size.h"

namespace orvx {

struct ProfileSession {
  icons::DesktopAccess& desktop;
  Prompts& prompts;
  const lang::Translator& lang;
  const DataFolders& folders;
  const ScreenMeasures& screen;
  RestoreUndo& undo;
};

}  // namespace orvx
