// Termination signals: the handler only sets a flag, the one thing it may safely do.
#include <csignal>

#include "platform/lxplatform.h"

namespace lx {

namespace {

volatile std::sig_atomic_t terminationRequested = 0;

extern "C" void OnTerminationSignal(int) {
  terminationRequested = 1;
}

}  // namespace

void InstallTerminationSignals() {
  struct sigaction action {};
  action.sa_handler = OnTerminationSignal;
  sigemptyset(&action.sa_mask);
  // Restarted system calls: a signal must not make a file write fail half-way.
  action.sa_flags = SA_RESTART;
  for (int signal : {SIGTERM, SIGINT, SIGHUP}) sigaction(signal, &action, nullptr);
}

bool TerminationRequested() {
  return terminationRequested != 0;
}

void ClearTerminationRequest() {
  terminationRequested = 0;
}

}  // namespace lx
