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

namespace xmldetail {
void AppendInt(std::string& out, int32_t v);
void AppendBool(std::string& out, bool v);
// How a scalar of type V is written and read.
template <class V>
struct Codec;
}  // namespace xmldetail

// Declares the stored properties of T. Field forms take a pointer to a data member; accessor
// forms take a getter and an optional setter (without a setter the property is written only).
template <class T>
class TXMLPropertiesOf {
 public:
  template <class V>
  using Getter = std::function<V(const T&)>;
  template <class V>
  using Setter = std::function<void(T&, V)>;

  explicit TXMLPropertiesOf(TXMLPropertyTable& table) : Table(table) {}

  TXMLPropertiesOf& String(std::string name, std::string T::*field) { return Field(name, field); }
  TXMLPropertiesOf& Integer(std::string name, int32_t T::*field) { return Field(name, field); }
  TXMLPropertiesOf& Cardinal(std::string name, uint32_t T::*field) { return Field(name, field); }
  TXMLPropertiesOf& Boolean(std::string name, bool T::*field) { return Field(name, field); }

  TXMLPropertiesOf& String(std::string name, Getter<std::string> get,
                           Setter<std::string> set = nullptr) {
    return Accessors(std::move(name), std::move(get), std::move(set));
  }
  TXMLPropertiesOf& Integer(std::string name, Getter<int32_t> get, Setter<int32_t> set = nullptr) {
    return Accessors(std::move(name), std::move(get), std::move(set));
  }
  TXMLPropertiesOf& Cardinal(std::string name, Getter<uint32_t> get,
                             Setter<uint32_t> set = nullptr) {
    return Accessors(std::move(name), std::move(get), std::move(set));
  }
  TXMLPropertiesOf& Boolean(std::string name, Getter<bool> get, Setter<bool> set = nullptr) {
    return Accessors(std::move(name), std::move(get), std::move(set));
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
  TXMLPropertiesOf& Object(std::string name, Getter<TXMLPersistent*> get) {
    TXMLProperty p;
    p.Name = std::move(name);
    p.Kind = TXMLPropertyKind::Object;
    p.Target = [get](const TXMLPersistent& o) { return get(static_cast<const T&>(o)); };
    Table.Add(std::move(p));
    return *this;
  }

 private:
  template <class V>
  TXMLPropertiesOf& Field(std::string& name, V T::*field) {
    using C = xmldetail::Codec<V>;
    TXMLProperty p;
    p.Name = std::move(name);
    p.Kind = C::Kind;
    p.Write = [field](const TXMLPersistent& o, std::string& out) {
      C::Write(out, static_cast<const T&>(o).*field);
    };
    p.Assign = [field](TXMLPersistent& o, std::string_view text) {
      static_cast<T&>(o).*field = C::Read(text);
    };
    Table.Add(std::move(p));
    return *this;
  }

  template <class V>
  TXMLPropertiesOf& Accessors(std::string name, Getter<V> get, Setter<V> set) {
    using C = xmldetail::Codec<V>;
    TXMLProperty p;
    p.Name = std::move(name);
    p.Kind = C::Kind;
    p.Write = [get](const TXMLPersistent& o, std::string& out) {
      C::Write(out, get(static_cast<const T&>(o)));
    };
    if (set)
      p.Assign = [set](TXMLPersistent& o, std::string_view text) {
        set(static_cast<T&>(o), C::Read(text));
      };
    Table.Add(std::move(p));
    return *this;
  }

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
// The whole file as text, up to its first NUL; empty when there is no such file. A file that is
// there but cannot be read raises ELxError.
std::string XMLReadFile(const std::string& path);
bool XMLFileExists(const std::string& path);

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
  // prefix + "<ElementName>" + body + "</ElementName>".
  std::string Document(std::string_view prefix) const;
  // Raises ELxError when the file cannot be written; the previous file is then left as it was.
  void SaveDocument(const std::string& path, std::string_view prefix) const;
};

// A single stored object.
class TXMLObject : public TXMLPersistent {
 public:
  TXMLObject() = default;

  // "<ElementName>" + body + "</ElementName>".
  std::string GetXMLDocument() const { return Document(""); }
  void LoadFromXML(std::string_view text) { LoadDocument(text); }
  // A missing file reads as empty text.
  void LoadFromFile(const std::string& path) { LoadDocument(XMLReadFile(path)); }
  // The document, no declaration. Raises ELxError when the file cannot be written; the
  // previous file is then left as it was.
  void SaveToFile(const std::string& path) const { SaveDocument(path, ""); }
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

  std::string GetXMLDocument() const { return Document(""); }
  void LoadFromXML(std::string_view text) { LoadDocument(text); }
  // A missing file reads as empty text: the collection is emptied.
  void LoadFromFile(const std::string& path) { LoadDocument(XMLReadFile(path)); }
  // The declaration <?xml version = "1.0"?> followed by the document. Raises ELxError when the
  // file cannot be written; the previous file is then left as it was.
  void SaveToFile(const std::string& path) const { SaveDocument(path, XMLDeclaration); }
  static constexpr std::string_view XMLDeclaration = "<?xml version = \"1.0\"?>";

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

// A new object, read from a document when the text is not empty.
template <class T, class... Args>
std::unique_ptr<T> CreateFromXML(std::string_view xml, Args&&... args) {
  auto object = std::make_unique<T>(std::forward<Args>(args)...);
  if (!xml.empty()) object->LoadFromXML(xml);
  return object;
}

// The stored classes' Load and Save: the file is read only when it exists, and every error is
// swallowed. LoadStoredFile is false when reading stopped at a fault (what was read stays).
template <class T>
bool LoadStoredFile(T& object, const std::string& path) {
  if (!XMLFileExists(path)) return true;
  try {
    object.LoadFromFile(path);
  } catch (...) {
    return false;
  }
  return true;
}

template <class T>
void SaveStoredFile(const T& object, const std::string& path) {
  if (path.empty()) return;
  try {
    object.SaveToFile(path);
  } catch (...) {
  }
}

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

template <>
struct Codec<std::string> {
  static constexpr TXMLPropertyKind Kind = TXMLPropertyKind::String;
  static void Write(std::string& out, const std::string& v) { XMLAppendEscaped(out, v); }
  static std::string Read(std::string_view text) { return std::string(text); }
};

template <>
struct Codec<int32_t> {
  static constexpr TXMLPropertyKind Kind = TXMLPropertyKind::Integer;
  static void Write(std::string& out, int32_t v) { AppendInt(out, v); }
  static int32_t Read(std::string_view text) { return XMLStrToInt(text); }
};

// The bit pattern travels: a cardinal is written and read as the signed 32-bit value.
template <>
struct Codec<uint32_t> {
  static constexpr TXMLPropertyKind Kind = TXMLPropertyKind::Cardinal;
  static void Write(std::string& out, uint32_t v) { AppendInt(out, static_cast<int32_t>(v)); }
  static uint32_t Read(std::string_view text) { return static_cast<uint32_t>(XMLStrToInt(text)); }
};

template <>
struct Codec<bool> {
  static constexpr TXMLPropertyKind Kind = TXMLPropertyKind::Boolean;
  static void Write(std::string& out, bool v) { AppendBool(out, v); }
  static bool Read(std::string_view text) { return XMLStrToBool(text); }
};

}  // namespace xmldetail

}  // namespace lx
