#pragma once
// The stand-in's own work on its list view, all in its own process: loading
// items, reporting them, moving one, and the arrangement modes.
#include <windows.h>

#include <string>
#include <vector>

#include "standin_shared/item_file.h"

namespace standin {

// Replaces every item. The list view must be shown. Positions are set with
// auto-arrange off and the mode is put back afterwards (the view then
// arranges, as a shell's would).
void load_items(HWND list_view, const std::vector<StandinItem>& items);

// Every item with its full caption and its position.
std::vector<StandinItem> report_items(HWND list_view);

bool move_item(HWND list_view, int index, int x, int y);

void set_modes(HWND list_view, bool auto_arrange, bool snap_to_grid);
// LVS_AUTOARRANGE of the style combined with LVS_EX_SNAPTOGRID of the
// extended style.
DWORD mode_bits(HWND list_view);

}  // namespace standin
