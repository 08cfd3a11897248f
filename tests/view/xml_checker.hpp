// A small well-formedness checker for the XML documents the tests read: one
// root element, properly nested and closed tags, quoted and unique
// attributes, entity references that exist, no stray markup characters or
// control characters in text.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korval::testing {

struct XmlElement {
  std::string name;
  std::map<std::string, std::string> attributes;  // values with entities resolved
  std::string text;                               // character data directly inside, entities resolved
  std::vector<std::unique_ptr<XmlElement>> children;

  // The attribute as a number (the test fails on a missing or non-numeric one).
  double Number(const std::string& attribute) const;
  // Every element of `name` below this one, in document order.
  std::vector<const XmlElement*> FindAll(std::string_view element_name) const;
  // The first element below this one whose id attribute is `id`; null if none.
  const XmlElement* FindById(std::string_view id) const;
};

// The root element; nothing, with the fault in `error`, when `document` is not
// well-formed.
std::optional<std::unique_ptr<XmlElement>> ParseXml(std::string_view document, std::string& error);

}  // namespace korval::testing
