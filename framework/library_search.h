#pragma once
// Where the libraries a program loads at run time may come from.

namespace fw {

// From now on, libraries loaded at run time by name come from the system folder, the program's own
// folder and the folders added for the process (AddDllDirectory: assistive technology, input methods),
// never from the current folder or the PATH, where anyone may have put one of the same name. Where the system does not offer it (Windows 7 without its update KB2533623) the search stays
// as it was.
void LimitLibrarySearch();

} // namespace fw
