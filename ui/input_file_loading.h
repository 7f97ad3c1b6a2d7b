#pragma once
// The load of a scheduling input file chosen in the scheduler window's open
// dialog (OpenDialog1), checked in the "Input Data Checking" window.
#include <string>

// Shows Form3's open dialog; the caller has set its folder, name and filter.
// Returns 1 loaded (file_name holds the chosen path), 0 nothing changed (the
// dialog was cancelled, or the load failed partway and a message said why),
// -1 refused: by the check, or because the chosen path is no file
// that can be read (a folder, a pipe or a device, a file gone or unreadable
// since the dialog, one too large to hold), with a message saying which. On
// -1 the previous problem stays as it was.
int read_input_file(std::string& file_name);

// The same load for a path already chosen.
int read_chosen_input_file(const std::string& path);
