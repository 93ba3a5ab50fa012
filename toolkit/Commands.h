#pragma once
// A page's commands as its list's keys and its popup menu offer them: each
// made from the button that carries it, so that caption, access key and
// enabled state are always the button's.

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// The keys of a list that carry a command; Change is Enter and F2.
enum class TListKey { None, Insert, Delete, Change, Refresh };

struct TCommand {
  std::string caption;  // an '&' marks the access key
  bool enabled = true;
  TListKey key = TListKey::None;
  std::function<void()> run = {};
};

// The command of a push or speed button: what a press of it does, without
// taking the focus from the list.
template <class TPressable>
TCommand CommandOf(TPressable& button, TListKey key = TListKey::None) {
  return {button.Text(), button.Enabled(), key, [&button] { button.Click(); }};
}

// The name of the key on a German keyboard, as a menu shows it; empty for None.
std::string KeyName(TListKey key);

// A popup menu with one item per command, in order: item i + 1 stands for
// commands[i], its text the caption and, after a tab, the name of its key;
// a disabled command is grayed.
HMENU BuildCommandMenu(const std::vector<TCommand>& commands);

// Shows the menu at a point of the screen and runs the command chosen, if
// it is enabled.
void RunCommandMenu(HWND owner, POINT at, const std::vector<TCommand>& commands);
