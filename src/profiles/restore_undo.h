#pragma once
// The arrangement the desktop had before the latest restore, so that the
// user can take that restore back. One arrangement is kept, in memory only:
// it never reaches the data folder, a backup or the uninstall.
//
// Every restore - from the restore menu, of the resolution's profile after a
// display change, the snap to the grid - hands in the read it made just
// before moving anything. A read that found nothing (the desktop out of
// reach, or a view the shell is rebuilding) keeps the arrangement held so
// far: there is nothing to go back to, and the earlier one is still true.
// Of icons sharing a caption only the first is kept, as a restore can only
// find the first.
// Taking the arrangement for an undo empties the holder, so a second undo
// is not offered.
#include <optional>

#include "icons/desktop_icon.h"

namespace orvx {

class RestoreUndo {
 public:
  // The read made before a restore; nullopt for a desktop out of reach.
  void keep(std::optional<DesktopIcons> read);
  bool available() const { return arrangement_.has_value(); }
  // The arrangement to put back; nullopt when there is none. Afterwards
  // there is none.
  std::optional<DesktopIcons> take();

 private:
  std::optional<DesktopIcons> arrangement_;
};

}  // namespace orvx
