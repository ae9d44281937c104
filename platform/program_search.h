// Where startProgramDetached looks for a program: the folder of the running
// executable, then the working folder, then every folder of PATH. The order
// is shared; each platform side supplies the pieces below.
#pragma once

#include <string>

// The folder of the running executable; empty when it cannot be told.
std::string folderOfRunningProgram();

// A folder of the PATH list in the form to search, or empty to skip it.
std::string pathListFolder(const std::string& entry);

// The program's path inside a folder.
std::string programPathIn(const std::string& folder, const std::string& program);

// True when the path names a program that can be started.
bool isStartableProgram(const std::string& path);

// The first startable `program` in the search order, or empty.
std::string findProgram(const std::string& program, const std::string& workingFolder);
