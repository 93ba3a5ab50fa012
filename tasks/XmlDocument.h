#pragma once
// A well-formed XML document, read by the XML reader that comes with Windows
// (MSXML 3, through COM: on every Windows that keeps tasks as XML files, and
// without anything the program imports). It refuses what is not well-formed
// instead of guessing, and reads the encoding the bytes say they have (a
// byte order mark for UTF-16, UTF-8 otherwise, or what the declaration names).
// The thread must have a COM apartment.

#include <msxml2.h>

#include <optional>
#include <string>
#include <vector>

#include "support/ComPointer.h"

class TXmlElement {
 public:
  explicit TXmlElement(TComPointer<IXMLDOMNode> node) : node_(std::move(node)) {}

  // Without its namespace prefix.
  std::wstring Name() const;
  // The text of everything it holds.
  std::wstring Text() const;
  // Its child elements of that name, in the document's order.
  std::vector<TXmlElement> Children(const std::wstring& name) const;
  // The first of them, if there is one.
  std::optional<TXmlElement> Child(const std::wstring& name) const;

 private:
  TComPointer<IXMLDOMNode> node_;
};

// The document's root element; nothing when the bytes are no well-formed
// document or the reader is missing.
std::optional<TXmlElement> ReadXmlDocument(const std::string& bytes);
