// Stored objects: a class declares a table of stored properties; the object is written as XML text
// by walking that table and read back by looking each element up in it. No DOM, no attributes:
// text is built by concatenation and read by scanning for tags.
//
// Declaring a stored class:
//
//   class TLxPlayer : public TPelXMLCollectionItem {
//     LX_XML_CLASS(TLxPlayer, TPelXMLCollectionItem)
//    public:
//     using TPelXMLCollectionItem::TPelXMLCollectionItem;
//     static void DeclareProperties(TXMLPropertiesOf<TLxPlayer>& p) {
//       p.String("PlayerName", &TLxPlayer::PlayerName).Cardinal("Bank", &TLxPlayer::Bank);
//     }
//     std::string PlayerName;
//     uint32_t Bank = 0;
//   };
//
// The element name is the class name without its leading letter ("LxPlayer"). The table holds the
// base class's entries first; a class without properties of its own declares nothing.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "base/lxerror.h"

namespace lx {

// Raised when stored text cannot be applied to an object.
class EXMLException : public ELxError {
 public:
  using ELxError::ELxError;
};

// A text that is not a number (or not a Boolean) where one is expected.
class EConvertError : public ELxError {
 public:
  using ELxError::ELxError;
};

class TXMLPersistent;

enum class TXMLPropertyKind : uint8_t { String, Integer, Cardinal, Boolean, Object };

struct TXMLProperty {
  std::string Name;
  TXMLPropertyKind Kind = TXMLPropertyKind::String;
  // Scalars: appends the value as written (escaped string, signed decimal, "True"/"False").
  std::function<void(const TXMLPersistent&, std::string&)> Write;
  // Scalars: stores the unescaped, trimmed text; empty for a property without write access.
  std::function<void(TXMLPersistent&, std::string_view)> Assign;
  // Objects: the owned object the property refers to (may be null).
  std::function<TXMLPersistent*(const TXMLPersistent&)> Target;
};

// The stored properties of one class, inherited entries first.
class TXMLPropertyTable {
 public:
  TXMLPropertyTable() = default;

  const std::vector<TXMLProperty>& Entries() const { return List; }
  // Indexes into Entries() in written order: names ascending, each byte compared with bit 5
  // cleared.
  const std::vector<size_t>& WrittenOrder() const { return Sorted; }
  // The entry whose name equals name ignoring ASCII case, or null.
  const TXMLProperty* Find(std::string_view name) const;

  void Add(TXMLProperty property);
  // Builds the table of Class: Base's entries, then Class::DeclareProperties when it has one.
  template <class Class, class Base>
  static const TXMLPropertyTable& Build();

 private:
  void Finish();

  std::vector<TXMLProperty> List;
  std::vector<size_t> Sorted;
};

// Written order of two property names.
bool XMLPropertyNameLess(std::string_view a, std::string_view b);

// Declares the stored properties of T. Field forms take a pointer to a data member; accessor
// forms take a getter and an optional setter (without a setter the property is written only).
template <class T>
class TXMLPropertiesOf {
 public:
  explicit TXMLPropertiesOf(TXMLPropertyTable& table) : Table(table) {}

  TXMLPropertiesOf& String(std::string name, std::string T::*field) {
    return String(
        std::move(name), [field](const T& o) { return o.*field; },
        [field](T& o, const std::string& v) { o.*field = v; });
  }
  TXMLPropertiesOf& Integer(std::string name, int32_t T::*field) {
    return Integer(
        std::move(name), [field](const T& o) { return o.*field; },
        [field](T& o, int32_t v) { o.*field = v; });
  }
  TXMLPropertiesOf& Cardinal(std::string name, uint32_t T::*field) {
    return Cardinal(
        std::move(name), [field](const T& o) { return o.*field; },
        [field](T& o, uint32_t v) { o.*field = v; });
  }
  TXMLPropertiesOf& Boolean(std::string name, bool T::*field) {
    return Boolean(
        std::move(name), [field](const T& o) { return o.*field; },
        [field](T& o, bool v) { o.*field = v; });
  }
  // An owned stored object held by pointer or unique_ptr; read in place, never replaced.
  template <class O>
  TXMLPropertiesOf& Object(std::string name, O* T::*field) {
    return Object(std::move(name), [field](const T& o) -> TXMLPersistent* { return o.*field; });
  }
  template <class O>
  TXMLPropertiesOf& Object(std::string name, std::unique_ptr<O> T::*field) {
    return Object(std::move(name),
                  [field](const T& o) -> TXMLPersistent* { return (o.*field).get(); });
  }

  TXMLPropertiesOf& String(std::string name, std::function<std::string(const T&)> get,
                           std::function<void(T&, const std::string&)> set = nullptr);
  TXMLPropertiesOf& Integer(std::string name, std::function<int32_t(const T&)> get,
                            std::function<void(T&, int32_t)> set = nullptr);
  TXMLPropertiesOf& Cardinal(std::string name, std::function<uint32_t(const T&)> get,
                             std::function<void(T&, uint32_t)> set = nullptr);
  TXMLPropertiesOf& Boolean(std::string name, std::function<bool(const T&)> get,
                            std::function<void(T&, bool)> set = nullptr);
  TXMLPropertiesOf& Object(std::string name, std::function<TXMLPersistent*(const T&)> get);

 private:
  TXMLPropertiesOf& AddScalar(std::string name, TXMLPropertyKind kind,
                              std::function<void(const T&, std::string&)> write,
                              std::function<void(T&, std::string_view)> assign);
  TXMLPropertyTable& Table;
};

// Text conversions of the stored form.
std::string XMLEscape(std::string_view s);
void XMLAppendEscaped(std::string& out, std::string_view s);
// "<![CDATA[...]]>" taken literally; otherwise "&#xHH;" decoded, scanning from the end.
std::string XMLUnescape(std::string_view s);
// Signed 32-bit integer text: optional sign, decimal, or hexadecimal after "$" or "0x" (the bit
// pattern, up to 8 hex digits). Raises EConvertError when the text is not one.
int32_t XMLStrToInt(std::string_view s);
bool XMLTryStrToInt(std::string_view s, int32_t& value);
bool XMLStrToBool(std::string_view s);

// Scanning primitives over a text; positions are byte offsets into it.
// Next tag at or after pos: the text between the next "<" and the next ">" after it.
bool XMLNextTag(std::string_view text, size_t& pos, std::string_view& tag, size_t* tagStart);
// Content of the element <name> found at or after pos, nested <name> elements balanced;
// pos moves past the closing tag. False when there is no such element or no balancing end.
bool XMLElementContent(std::string_view text, std::string_view name, size_t& pos,
                       std::string_view& content);
// The body of the root element named elementName (ASCII case ignored), empty when there is none.
std::string_view XMLFindRoot(std::string_view text, std::string_view elementName);
// The whole file as text, up to its first NUL; empty when it cannot be read.
std::string XMLReadFile(const std::string& path);

// Common base of the three stored kinds.
class TXMLPersistent {
 public:
  virtual ~TXMLPersistent() = default;

  // The body text: one line per stored property in written order, each ending in CR LF.
  virtual std::string GetXML() const;
  // Reads the stored properties from a body text.
  virtual void SetXML(std::string_view body);
  virtual std::string ElementName() const = 0;
  virtual const TXMLPropertyTable& Properties() const = 0;

  static const TXMLPropertyTable& StoredProperties();

  // Appends the body text; nested objects append theirs in place.
  virtual void AppendXML(std::string& out) const;

 protected:
  TXMLPersistent() = default;
  TXMLPersistent(const TXMLPersistent&) = delete;
  TXMLPersistent& operator=(const TXMLPersistent&) = delete;

  void AppendProperties(std::string& out) const;
  // Applies one element of a body; false when the name is no stored property.
  void ApplyElement(std::string_view name, std::string_view content);
  // Finds the own element in a document and passes its content to SetXML.
  void LoadDocument(std::string_view text);
};

// A single stored object.
class TXMLObject : public TXMLPersistent {
 public:
  TXMLObject() = default;

  // "<ElementName>" + body + "</ElementName>".
  std::string GetXMLDocument() const;
  void LoadFromXML(std::string_view text) { LoadDocument(text); }
  void LoadFromFile(const std::string& path);
  // The document, no declaration. Raises ELxError when the file cannot be written; the
  // previous file is then left as it was.
  void SaveToFile(const std::string& path) const;
};

class TXMLCollection;

// One item of a collection: created by its collection and owned by it.
class TXMLCollectionItem : public TXMLPersistent {
 public:
  explicit TXMLCollectionItem(TXMLCollection* collection = nullptr) : Owner(collection) {}
  TXMLCollection* Collection() const { return Owner; }

 private:
  TXMLCollection* Owner;
};

// The item class a collection creates.
struct TXMLItemClass {
  std::string ElementName;
  TXMLCollectionItem* (*Create)(TXMLCollection* owner) = nullptr;

  template <class TItem>
  static TXMLItemClass Of() {
    return {TItem::ClassElementName(),
            [](TXMLCollection* owner) -> TXMLCollectionItem* { return new TItem(owner); }};
  }
};

// An ordered, owning list of items of one item class.
class TXMLCollection : public TXMLPersistent {
 public:
  explicit TXMLCollection(TXMLItemClass itemClass) : ItemClass(std::move(itemClass)) {}
  ~TXMLCollection() override;

  void AppendXML(std::string& out) const override;
  // Clears the collection, then adds an item for every <ItemElementName> element (exact case).
  void SetXML(std::string_view body) override;
  std::string ItemElementName() const { return ItemClass.ElementName; }

  TXMLCollectionItem* Add();
  TXMLCollectionItem* Items(int32_t index) const;
  int32_t Count() const { return static_cast<int32_t>(List.size()); }
  void Delete(int32_t index);
  void Clear();

  std::string GetXMLDocument() const;
  void LoadFromXML(std::string_view text) { LoadDocument(text); }
  void LoadFromFile(const std::string& path);
  // The declaration <?xml version = "1.0"?> followed by the document. Raises ELxError when the
  // file cannot be written; the previous file is then left as it was.
  void SaveToFile(const std::string& path) const;

 private:
  TXMLItemClass ItemClass;
  std::vector<std::unique_ptr<TXMLCollectionItem>> List;
};

// The bases the system's stored classes derive from.
class TPelXMLObject : public TXMLObject {
 public:
  using TXMLObject::TXMLObject;
};

class TPelXMLCollectionItem : public TXMLCollectionItem {
 public:
  using TXMLCollectionItem::TXMLCollectionItem;
};

class TPelXMLCollection : public TXMLCollection {
 public:
  using TXMLCollection::TXMLCollection;
};

// A collection that creates and hands out items of TItem.
template <class TItem>
class TPelXMLCollectionOf : public TPelXMLCollection {
 public:
  TPelXMLCollectionOf() : TPelXMLCollection(TXMLItemClass::Of<TItem>()) {}
  TItem* Add() { return static_cast<TItem*>(TPelXMLCollection::Add()); }
  TItem* Items(int32_t index) const { return static_cast<TItem*>(TPelXMLCollection::Items(index)); }
};

// Element name, property table and the virtual accessors of a stored class.
#define LX_XML_CLASS(Class, Base)                              \
 public:                                                       \
  static std::string ClassElementName() {                      \
    return std::string(#Class).substr(1);                      \
  }                                                            \
  std::string ElementName() const override {                   \
    return ClassElementName();                                 \
  }                                                            \
  static const ::lx::TXMLPropertyTable& StoredProperties() {   \
    return ::lx::TXMLPropertyTable::Build<Class, Base>();      \
  }                                                            \
  const ::lx::TXMLPropertyTable& Properties() const override { \
    return StoredProperties();                                 \
  }

// ---- template definitions ----

template <class Class, class Base>
const TXMLPropertyTable& TXMLPropertyTable::Build() {
  static const TXMLPropertyTable table = [] {
    TXMLPropertyTable t = Base::StoredProperties();
    if constexpr (requires(TXMLPropertiesOf<Class> & p) { Class::DeclareProperties(p); }) {
      TXMLPropertiesOf<Class> builder(t);
      Class::DeclareProperties(builder);
    }
    t.Finish();
    return t;
  }();
  return table;
}

namespace xmldetail {
void AppendInt(std::string& out, int32_t v);
void AppendBool(std::string& out, bool v);
}  // namespace xmldetail

template <class T>
TXMLPropertiesOf<T>& TXMLPropertiesOf<T>::AddScalar(
    std::string name, TXMLPropertyKind kind, std::function<void(const T&, std::string&)> write,
    std::function<void(T&, std::string_view)> assign) {
  TXMLProperty p;
  p.Name = std::move(name);
  p.Kind = kind;
  p.Write = [write](const TXMLPersistent& o, std::string& out) {
    write(static_cast<const T&>(o), out);
  };
  if (assign)
    p.Assign = [assign](TXMLPersistent& o, std::string_view text) {
      assign(static_cast<T&>(o), text);
    };
  Table.Add(std::move(p));
  return *this;
}

template <class T>
TXMLPropertiesOf<T>& TXMLPropertiesOf<T>::String(std::string name,
                                                 std::function<std::string(const T&)> get,
                                                 std::function<void(T&, const std::string&)> set) {
  std::function<void(T&, std::string_view)> assign;
  if (set) assign = [set](T& o, std::string_view text) { set(o, std::string(text)); };
  return AddScalar(
      std::move(name), TXMLPropertyKind::String,
      [get](const T& o, std::string& out) { XMLAppendEscaped(out, get(o)); }, assign);
}

template <class T>
TXMLPropertiesOf<T>& TXMLPropertiesOf<T>::Integer(std::string name,
                                                  std::function<int32_t(const T&)> get,
                                                  std::function<void(T&, int32_t)> set) {
  std::function<void(T&, std::string_view)> assign;
  if (set) assign = [set](T& o, std::string_view text) { set(o, XMLStrToInt(text)); };
  return AddScalar(
      std::move(name), TXMLPropertyKind::Integer,
      [get](const T& o, std::string& out) { xmldetail::AppendInt(out, get(o)); }, assign);
}

template <class T>
TXMLPropertiesOf<T>& TXMLPropertiesOf<T>::Cardinal(std::string name,
                                                   std::function<uint32_t(const T&)> get,
                                                   std::function<void(T&, uint32_t)> set) {
  std::function<void(T&, std::string_view)> assign;
  // The bit pattern travels: a cardinal is written and read as the signed 32-bit value.
  if (set)
    assign = [set](T& o, std::string_view text) {
      set(o, static_cast<uint32_t>(XMLStrToInt(text)));
    };
  return AddScalar(
      std::move(name), TXMLPropertyKind::Cardinal,
      [get](const T& o, std::string& out) {
        xmldetail::AppendInt(out, static_cast<int32_t>(get(o)));
      },
      assign);
}

template <class T>
TXMLPropertiesOf<T>& TXMLPropertiesOf<T>::Boolean(std::string name,
                                                  std::function<bool(const T&)> get,
                                                  std::function<void(T&, bool)> set) {
  std::function<void(T&, std::string_view)> assign;
  if (set) assign = [set](T& o, std::string_view text) { set(o, XMLStrToBool(text)); };
  return AddScalar(
      std::move(name), TXMLPropertyKind::Boolean,
      [get](const T& o, std::string& out) { xmldetail::AppendBool(out, get(o)); }, assign);
}

template <class T>
TXMLPropertiesOf<T>& TXMLPropertiesOf<T>::Object(std::string name,
                                                 std::function<TXMLPersistent*(const T&)> get) {
  TXMLProperty p;
  p.Name = std::move(name);
  p.Kind = TXMLPropertyKind::Object;
  p.Target = [get](const TXMLPersistent& o) { return get(static_cast<const T&>(o)); };
  Table.Add(std::move(p));
  return *this;
}

}  // namespace lx
