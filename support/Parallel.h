#pragma once
// Work on many items, in parts at the same time. Worth it where each item
// waits on another process (Wine's registry or service manager) rather than
// works.

#include <cstddef>
#include <functional>

// Splits the items 0 to count - 1 into that many parts of about equal size
// and runs work(part, first, end) for each part, each on a thread of its own
// (the first part on the calling thread, and a part whose thread cannot be
// made after it); returns when every part is done.
void InParts(size_t count, size_t parts, const std::function<void(size_t part, size_t first, size_t end)>& work);
