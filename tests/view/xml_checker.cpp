#include "tests/view/xml_checker.hpp"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>

namespace korval::testing {
namespace {

class Parser {
 public:
  explicit Parser(std::string_view text) : text_(text) {}

  std::unique_ptr<XmlElement> Document() {
    SkipProlog();
    if (!At("<")) return Fail("no root element");
    auto root = Element();
    if (!root) return nullptr;
    SkipMisc();
    if (pos_ != text_.size()) return Fail("content after the root element");
    return root;
  }

  const std::string& error() const { return error_; }

 private:
  std::unique_ptr<XmlElement> Fail(std::string message) {
    if (error_.empty()) error_ = message + " at offset " + std::to_string(pos_);
    return nullptr;
  }

  bool At(std::string_view token) const { return text_.substr(pos_, token.size()) == token; }

  void SkipSpace() {
    while (pos_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[pos_]))) ++pos_;
  }

  bool SkipPast(std::string_view end) {
    const size_t found = text_.find(end, pos_);
    if (found == std::string_view::npos) return false;
    pos_ = found + end.size();
    return true;
  }

  void SkipMisc() {
    for (;;) {
      SkipSpace();
      if (At("<!--")) {
        if (!SkipPast("-->")) return;
      } else if (At("<?")) {
        if (!SkipPast("?>")) return;
      } else {
        return;
      }
    }
  }

  void SkipProlog() {
    if (At("<?xml")) SkipPast("?>");
    SkipMisc();
  }

  static bool NameStart(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_' || c == ':'; }
  static bool NameChar(char c) {
    return NameStart(c) || std::isdigit(static_cast<unsigned char>(c)) || c == '-' || c == '.';
  }

  std::optional<std::string> Name() {
    if (pos_ >= text_.size() || !NameStart(text_[pos_])) return std::nullopt;
    const size_t start = pos_;
    while (pos_ < text_.size() && NameChar(text_[pos_])) ++pos_;
    return std::string(text_.substr(start, pos_ - start));
  }

  // Character data up to `stop` (exclusive), entities resolved; false on a fault.
  bool CharacterData(char stop, std::string& out) {
    while (pos_ < text_.size() && text_[pos_] != stop) {
      const char c = text_[pos_];
      const auto byte = static_cast<unsigned char>(c);
      if (c == '<' || (byte < 0x20 && c != '\t' && c != '\n' && c != '\r') || byte >= 0x80) return false;
      if (c == '&') {
        const size_t end = text_.find(';', pos_);
        if (end == std::string_view::npos) return false;
        const std::string_view entity = text_.substr(pos_ + 1, end - pos_ - 1);
        if (entity == "amp") out += '&';
        else if (entity == "lt") out += '<';
        else if (entity == "gt") out += '>';
        else if (entity == "quot") out += '"';
        else if (entity == "apos") out += '\'';
        else if (entity.size() > 1 && entity[0] == '#') out += '?';
        else return false;
        pos_ = end + 1;
        continue;
      }
      out += c;
      ++pos_;
    }
    return true;
  }

  std::unique_ptr<XmlElement> Element() {
    ++pos_;  // '<'
    auto element = std::make_unique<XmlElement>();
    const auto name = Name();
    if (!name) return Fail("bad element name");
    element->name = *name;
    for (;;) {
      const size_t before = pos_;
      SkipSpace();
      if (At("/>")) {
        pos_ += 2;
        return element;
      }
      if (At(">")) {
        ++pos_;
        break;
      }
      if (pos_ == before) return Fail("no blank before an attribute of <" + element->name + ">");
      const auto attribute = Name();
      if (!attribute) return Fail("bad attribute name in <" + element->name + ">");
      SkipSpace();
      if (!At("=")) return Fail("attribute without value");
      ++pos_;
      SkipSpace();
      if (pos_ >= text_.size() || (text_[pos_] != '"' && text_[pos_] != '\'')) return Fail("unquoted attribute");
      const char quote = text_[pos_++];
      std::string value;
      if (!CharacterData(quote, value) || pos_ >= text_.size()) return Fail("bad attribute value");
      ++pos_;
      if (!element->attributes.emplace(*attribute, value).second) return Fail("repeated attribute " + *attribute);
    }
    for (;;) {
      if (!CharacterData('<', element->text)) return Fail("bad character data in <" + element->name + ">");
      if (pos_ >= text_.size()) return Fail("<" + element->name + "> is not closed");
      if (At("</")) {
        pos_ += 2;
        const auto closing = Name();
        SkipSpace();
        if (!closing || *closing != element->name || !At(">")) return Fail("</...> does not close <" + element->name + ">");
        ++pos_;
        return element;
      }
      if (At("<!--")) {
        if (!SkipPast("-->")) return Fail("comment not closed");
        continue;
      }
      auto child = Element();
      if (!child) return nullptr;
      element->children.push_back(std::move(child));
    }
  }

  std::string_view text_;
  size_t pos_ = 0;
  std::string error_;
};

void Collect(const XmlElement& element, std::string_view name, std::vector<const XmlElement*>& found) {
  for (const auto& child : element.children) {
    if (child->name == name) found.push_back(child.get());
    Collect(*child, name, found);
  }
}

}  // namespace

double XmlElement::Number(const std::string& attribute) const {
  const auto found = attributes.find(attribute);
  EXPECT_NE(found, attributes.end()) << "<" << name << "> has no " << attribute;
  if (found == attributes.end()) return 0.0;
  char* end = nullptr;
  const double value = std::strtod(found->second.c_str(), &end);
  EXPECT_TRUE(end != found->second.c_str() && *end == '\0') << attribute << "=\"" << found->second << "\"";
  return value;
}

std::vector<const XmlElement*> XmlElement::FindAll(std::string_view element_name) const {
  std::vector<const XmlElement*> found;
  Collect(*this, element_name, found);
  return found;
}

const XmlElement* XmlElement::FindById(std::string_view id) const {
  for (const auto& child : children) {
    const auto found = child->attributes.find("id");
    if (found != child->attributes.end() && found->second == id) return child.get();
    if (const XmlElement* below = child->FindById(id)) return below;
  }
  return nullptr;
}

std::optional<std::unique_ptr<XmlElement>> ParseXml(std::string_view document, std::string& error) {
  Parser parser(document);
  auto root = parser.Document();
  if (!root) {
    error = parser.error();
    return std::nullopt;
  }
  return root;
}

}  // namespace korval::testing
