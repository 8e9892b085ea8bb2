// Making a new folder filled with copies of files, all at once: the files are written into a
// temporary folder beside it, flushed, and the folder is renamed into place, so the new folder
// either does not exist or holds every file complete, whatever stops the program half-way.
#pragma once

#include <string>
#include <vector>

// Copies each of `names` that `from` holds as a regular file into the new folder `to`, whose
// parent folders are made as needed. Returns the problem ("cannot make ...: reason"), empty on
// success. When `to` appears meanwhile (another program filling it), that one stays and it is
// no problem.
std::string CopyIntoNewFolder(const std::string& from, const std::vector<std::string>& names, const std::string& to);
