// Connects the main window's services to the windows of the screens: the developer dumps and
// the memory report to the debug window, the help to the help window.
#pragma once

namespace lx {

class TfrmMain;
class TfrmDebug;

// debug may be nullptr: the dumps and the report then do nothing.
void InstallWindowServices(TfrmMain& main, TfrmDebug* debug);

}  // namespace lx
