#include "toolkit/Commands.h"

#include "toolkit/Interaction.h"

std::string KeyName(TListKey key) {
  switch (key) {
    case TListKey::None: return "";
    case TListKey::Insert: return "Einfg";
    case TListKey::Delete: return "Entf";
    case TListKey::Change: return "Eingabe";
    case TListKey::Refresh: return "F5";
  }
  return "";
}

HMENU BuildCommandMenu(const std::vector<TCommand>& commands) {
  HMENU menu = CreatePopupMenu();
  for (size_t i = 0; i < commands.size(); ++i) {
    const TCommand& command = commands[i];
    std::string text = command.caption;
    if (command.key != TListKey::None) {
      text += '\t';
      text += KeyName(command.key);
    }
    AppendMenuA(menu, MF_STRING | (command.enabled ? MF_ENABLED : MF_GRAYED), i + 1, text.c_str());
  }
  return menu;
}

void RunCommandMenu(HWND owner, POINT at, const std::vector<TCommand>& commands) {
  HMENU menu = BuildCommandMenu(commands);
  const UINT chosen = Interaction().PopupMenu(owner, menu, at);
  DestroyMenu(menu);
  if (chosen == 0 || chosen > commands.size()) return;
  const TCommand& command = commands[chosen - 1];
  if (command.enabled && command.run) command.run();
}
