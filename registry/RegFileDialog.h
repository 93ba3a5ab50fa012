#pragma once
// The save dialog of a registration file, as every export shows it, and the
// write of the file chosen, told as every export tells it.

#include <string>

#include "toolkit/Interaction.h"

TFileDialogSpec RegSaveDialog();

// leftOut names the entries the file could not carry, for the user; empty
// when it holds them all.
void WriteRegFile(const std::string& fileName, const std::string& text, const std::string& leftOut);
