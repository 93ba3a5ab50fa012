#pragma once
// The lines of a batch file (Winstart.bat, Autoexec.bat) that start a
// program: not the blank lines, remarks, labels and the commands the
// command interpreter carries out itself (SET, PATH, ECHO, ...).

#include <string>
#include <vector>

struct TProgramLine {
  int lineNumber;       // from 1
  std::string line;     // as written, without its line end
  std::string program;  // the program it starts, as written
};

// In order; "LH", "LOADHIGH" and "CALL" start the program named after them,
// a leading "@" only silences the line.
std::vector<TProgramLine> ProgramLinesOf(const std::string& text);
