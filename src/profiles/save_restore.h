#pragma once
// Saving the desktop's icon positions into profiles and putting them back:
// the operations behind the save and restore commands, the hotkey, the
// auto-save timer, the start-up and the display-change handling.
//
// Desktop access fails silently: when the desktop view cannot be reached,
// nothing is saved or moved and nothing is said; an existing profile stays
// as it was. Profile writes fail silently as well.
//
// Every save first makes sure the data folders exist. When they cannot be
// created, the user is told and FoldersMissing is thrown (end_program.h).
#include <string>

#include "profiles/profile_session.h"

namespace orvx {

// Reads the desktop and writes it into the profile file `file_name`, with the
// session's screen size and monitor count. True when the file was written.
// A read that finds no icons writes nothing: the file there stays as it was,
// and none is made.
bool save_profile(const ProfileSession& session, const std::string& file_name);

// Reads the profile file and moves every icon it names back to its stored
// place. Nothing when the desktop cannot be reached. The arrangement before
// is kept for UndoLastRestore.
void restore_profile(const ProfileSession& session, const std::string& file_name);

// Snaps the desktop's icons to the grid once; the arrangement before is kept
// for UndoLastRestore.
void snap_icons_to_grid(const ProfileSession& session);

// Puts every icon of the arrangement the latest restore replaced back where
// it was, through the same moves as a restore; afterwards there is nothing
// left to undo. False when there was nothing to undo.
bool undo_last_restore(const ProfileSession& session);

// Restores the standard profile of the current resolution, when it exists.
void restore_resolution_profile(const ProfileSession& session);

// When the current resolution has no standard profile yet: tells the user so
// (MSDLG_19, an information box) and, when the box is confirmed with OK,
// saves the desktop as that profile; when that save writes nothing (desktop
// unreachable, no icons read, the write failed), says so (MSDLG_20). Dismissed
// otherwise, nothing is saved. Either way, with no profile written the next
// call asks again.
void ensure_resolution_profile(const ProfileSession& session);

// Who asked for a save: the user (a button, a menu, the hotkey) or the
// program by itself (the auto-save timer).
enum class SaveTrigger { kByHand, kAutomatic };

// Saves into the chosen standard profile `standard_profile`. When none is chosen -
// empty after trimming, or a name that cannot be a file's (a hand-edited
// configuration) - says so (MSDLG_0, a plain box) and saves nothing. While
// that box is open, further calls (timer ticks, hotkey presses running in its
// message loop) show nothing more. An automatic save leaves a profile saved
// at another screen size or monitor count as it is, silently
// (profiles/stored_screen.h).
void save_chosen_standard_profile(const ProfileSession& session, const std::string& standard_profile,
                                  SaveTrigger trigger = SaveTrigger::kByHand);

}  // namespace orvx
