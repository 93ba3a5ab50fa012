#pragma once
// Reading "Trivan.ini" through the profile functions.

#include <string>
#include <vector>

// The key names of a section, in file order; comment lines are never keys.
std::vector<std::string> IniKeys(const std::string& file, const std::string& section);
// The value of a key; empty when it has none.
std::string IniValue(const std::string& file, const std::string& section, const std::string& key);
