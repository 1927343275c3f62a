// The hint key of the poker machines: while the player chooses holds, the cards of the hold with
// the best expected value blink for a moment and the message line shows that value. It changes no
// hold and nothing stored.
#pragma once

namespace lx {

class TPoker;

// Does nothing unless the machine is waiting for the player's holds.
void ShowBestHold(TPoker& poker);

}  // namespace lx
