#include "tasks/XmlDocument.h"

#include "support/Automation.h"
#include "support/ComLibrary.h"

namespace {

// MSXML 3's document and its interfaces, as its type library gives them
// (MinGW's headers declare the interfaces, its libraries lack the IDs).
constexpr CLSID kDomDocument30 = {0xf5078f32, 0xc551, 0x11d3, {0x89, 0xb9, 0x00, 0x00, 0xf8, 0x1f, 0xe2, 0x21}};
constexpr IID kIXmlDomDocument = {0x2933bf81, 0x7b36, 0x11d2, {0xb2, 0x0e, 0x00, 0xc0, 0x4f, 0x98, 0x3e, 0x60}};
constexpr IID kIXmlDomNode = {0x2933bf80, 0x7b36, 0x11d2, {0xb2, 0x0e, 0x00, 0xc0, 0x4f, 0x98, 0x3e, 0x60}};

// A document that only reads what it is given: nothing fetched from
// elsewhere, no schema applied.
bool PrepareDocument(IXMLDOMDocument& document) {
  return SUCCEEDED(document.put_async(VARIANT_FALSE)) && SUCCEEDED(document.put_validateOnParse(VARIANT_FALSE)) &&
         SUCCEEDED(document.put_resolveExternals(VARIANT_FALSE));
}

}  // namespace

std::wstring TXmlElement::Name() const {
  TBstr name;
  if (FAILED(node_->get_baseName(name.Out()))) return L"";
  return name.Text();
}

std::wstring TXmlElement::Text() const {
  TBstr text;
  if (FAILED(node_->get_text(text.Out()))) return L"";
  return text.Text();
}

std::vector<TXmlElement> TXmlElement::Children(const std::wstring& name) const {
  std::vector<TXmlElement> children;
  TComPointer<IXMLDOMNode> child;
  for (HRESULT found = node_->get_firstChild(child.Out()); found == S_OK && child;) {
    DOMNodeType type = NODE_INVALID;
    if (SUCCEEDED(child->get_nodeType(&type)) && type == NODE_ELEMENT) {
      TXmlElement element(child);
      if (element.Name() == name) children.push_back(element);
    }
    TComPointer<IXMLDOMNode> next;
    found = child->get_nextSibling(next.Out());
    child = next;
  }
  return children;
}

std::optional<TXmlElement> TXmlElement::Child(const std::wstring& name) const {
  std::vector<TXmlElement> children = Children(name);
  if (children.empty()) return std::nullopt;
  return children.front();
}

std::optional<TXmlElement> ReadXmlDocument(const std::string& bytes) {
  TComPointer<IXMLDOMDocument> document;
  if (FAILED(ComCreateInstance(kDomDocument30, kIXmlDomDocument, document.OutVoid())) ||
      !PrepareDocument(*document.Get()))
    return std::nullopt;
  const TByteArrayVariant source(bytes);
  VARIANT_BOOL loaded = VARIANT_FALSE;
  if (source.Value().vt == VT_EMPTY || document->load(source.Value(), &loaded) != S_OK || loaded != VARIANT_TRUE)
    return std::nullopt;
  TComPointer<IXMLDOMElement> root;
  TComPointer<IXMLDOMNode> node;
  if (document->get_documentElement(root.Out()) != S_OK || !root ||
      FAILED(root->QueryInterface(kIXmlDomNode, node.OutVoid())))
    return std::nullopt;
  return TXmlElement(node);
}
