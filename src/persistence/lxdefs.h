// The keyed store: a stored list of small records whose meaning its owner decides (for example a
// key in DataInt and its value in DataInt2).
#pragma once

#include <cstdint>
#include <string>

#include "persistence/pelxml.h"

namespace lx {

class TLxStoreItem : public TPelXMLCollectionItem {
  LX_XML_CLASS(TLxStoreItem, TPelXMLCollectionItem)

 public:
  using TPelXMLCollectionItem::TPelXMLCollectionItem;
  static void DeclareProperties(TXMLPropertiesOf<TLxStoreItem>& p);

  std::string Title;
  int32_t DataInt = 0;
  int32_t DataInt2 = 0;
  std::string DataStr;
};

class TLxStoreItems : public TPelXMLCollectionOf<TLxStoreItem> {
  LX_XML_CLASS(TLxStoreItems, TPelXMLCollectionOf<TLxStoreItem>)
};

}  // namespace lx
