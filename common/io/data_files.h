// Data files (substitution matrices, colour groups) found wherever the programs are installed.
#pragma once
#include <string>
#include <vector>

#include "common/io/text_input.h"

// Opens a data file for reading. Tried in order: name as given (relative to the working folder);
// then, for a bare name (no "/"), the same name in each folder of the environment variable
// VEMURA_DATA (colon-separated, empty entries skipped) and in the installed data folder. Returns
// the first that opens and is not a directory; an empty handle when none does. Messages about the
// file keep naming it as given.
FilePtr f_openDataFile(const std::string& name);

// The folders searched for a bare name after the working folder, in order: VEMURA_DATA's, then
// the installed data folder (for --help). The installed folder is absent when the running
// program's own path cannot be found.
std::vector<std::string> f_dataFolders();

// The installed data folder: DATA_DIR_FROM_BIN resolved against the folder of the running
// program, so that a moved installation still finds its data; empty when /proc/self/exe cannot be
// read.
std::string f_installedDataFolder();
