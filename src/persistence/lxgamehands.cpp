#include "persistence/lxgamehands.h"

namespace lx {

void TGameHand::DeclareProperties(TXMLPropertiesOf<TGameHand>& p) {
  p.String("HandIDStr", &TGameHand::HandIDStr).Integer("Value", &TGameHand::Value);
}

}  // namespace lx
