#include "persistence/lxdefs.h"

namespace lx {

void TLxStoreItem::DeclareProperties(TXMLPropertiesOf<TLxStoreItem>& p) {
  p.String("Title", &TLxStoreItem::Title)
      .Integer("DataInt", &TLxStoreItem::DataInt)
      .Integer("DataInt2", &TLxStoreItem::DataInt2)
      .String("DataStr", &TLxStoreItem::DataStr);
}

}  // namespace lx
