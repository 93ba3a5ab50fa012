#pragma once
// The save dialog of a registration file, as every export shows it.

#include "toolkit/Interaction.h"

TFileDialogSpec RegSaveDialog();
