#include "app/CommandLine.h"

#include "support/WideText.h"

namespace {

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t'; }

// The program's name ends at the first blank outside quotes; quotes and
// backslashes in it are no escapes.
size_t SkipProgramName(const std::wstring& line) {
  size_t i = 0;
  bool quoted = false;
  for (; i < line.size() && (quoted || !IsBlank(line[i])); ++i)
    if (line[i] == L'"') quoted = !quoted;
  return i;
}

// 2n backslashes before a quote are n backslashes and the quote opens or
// closes; 2n+1 are n and a quote of the text; others are themselves. Inside
// quotes, two quotes are one quote of the text.
std::wstring NextArgument(const std::wstring& line, size_t& i) {
  std::wstring argument;
  bool quoted = false;
  while (i < line.size() && (quoted || !IsBlank(line[i]))) {
    if (line[i] == L'\\') {
      size_t backslashes = 0;
      for (; i < line.size() && line[i] == L'\\'; ++i) ++backslashes;
      const bool beforeQuote = i < line.size() && line[i] == L'"';
      argument.append(beforeQuote ? backslashes / 2 : backslashes, L'\\');
      if (beforeQuote && backslashes % 2) argument += line[i++];
    } else if (line[i] == L'"') {
      const bool doubled = quoted && i + 1 < line.size() && line[i + 1] == L'"';
      if (doubled) argument += L'"';
      else quoted = !quoted;
      i += doubled ? 2 : 1;
    } else {
      argument += line[i++];
    }
  }
  return argument;
}

// The switches are ASCII: other letters stay as they are.
std::wstring Lower(std::wstring text) {
  for (wchar_t& c : text)
    if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
  return text;
}

TAdminCommand Invalid(const std::string& why) {
  TAdminCommand command;
  command.kind = TAdminCommandKind::Invalid;
  command.error = why;
  return command;
}

}  // namespace

std::vector<std::wstring> CommandLineArguments(const std::wstring& commandLine) {
  std::vector<std::wstring> arguments;
  size_t i = SkipProgramName(commandLine);
  for (;;) {
    while (i < commandLine.size() && IsBlank(commandLine[i])) ++i;
    if (i >= commandLine.size()) return arguments;
    arguments.push_back(NextArgument(commandLine, i));
  }
}

TAdminCommand ParseCommand(const std::vector<std::wstring>& arguments) {
  TAdminCommand command;
  if (arguments.empty()) return command;
  const std::wstring theSwitch = Lower(arguments[0]);
  const size_t operands = arguments.size() - 1;
  if (theSwitch == L"/?") {
    if (operands) return Invalid(CommandLineTexts::TooManyArguments("/?"));
    command.kind = TAdminCommandKind::Usage;
  } else if (theSwitch == L"/liste") {
    if (operands > 1) return Invalid(CommandLineTexts::TooManyArguments("/liste"));
    command.kind = TAdminCommandKind::List;
    if (operands) command.output = arguments[1];
  } else if (theSwitch == L"/vergleich") {
    if (!operands) return Invalid(CommandLineTexts::kCompareNeedsList);
    if (operands > 2) return Invalid(CommandLineTexts::TooManyArguments("/vergleich"));
    command.kind = TAdminCommandKind::Compare;
    command.previousList = arguments[1];
    if (operands > 1) command.output = arguments[2];
  } else {
    return Invalid(CommandLineTexts::UnknownSwitch(AnsiFromWide(arguments[0])));
  }
  return command;
}

std::string CommandLineTexts::UnknownSwitch(const std::string& argument) {
  return "Unbekannter Schalter oder Wert: \"" + argument + "\". \"velmora.exe /?\" zeigt die Befehle.";
}

std::string CommandLineTexts::TooManyArguments(const std::string& theSwitch) {
  return theSwitch + ": zu viele Angaben. \"velmora.exe /?\" zeigt die Befehle.";
}
