// The in-memory debug log: plain lines, exactly as the callers pass them.
// Callers mark lines themselves ("INFO: ", "ERROR: ", "[MUSIC] ", "RARO: ").
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace lx {

void Log(const std::string& line);

// Every line logged since start (or the last ClearLog).
const std::vector<std::string>& LogLines();
void ClearLog();
// Called after each appended line (the debug window shows them; tests may watch).
void SetLogListener(std::function<void(const std::string&)> listener);

}  // namespace lx
