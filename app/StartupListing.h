#pragma once
// Every start-up entry the pages of the running Windows show, as the list
// for administrators holds them: the Run-type keys, the start-up folders,
// the services, the scheduled tasks, the further places, run= and load= of
// Win.ini, and the lines of Winstart.bat and Autoexec.bat that start a
// program. Reading only; COM must be initialised.

#include <vector>

#include "support/EntryList.h"

std::vector<TListedEntry> ListStartupEntries();
