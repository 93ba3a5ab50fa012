#pragma once
// Runs pieces of work at the same time, each on a thread of its own, and
// returns when all are done.

#include <functional>
#include <vector>

// The first piece runs on the calling thread; a piece whose thread cannot be
// made runs there too, after it.
void RunTogether(const std::vector<std::function<void()>>& pieces);
