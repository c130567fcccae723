// Requests to end the program that come from outside the window: on Linux the signals of a
// shutdown without a session manager, of a closed terminal and of Ctrl+C there. One implementation
// file per system (end_requests_linux.cpp, end_requests_windows.cpp), chosen by the build.
#pragma once

#include <functional>

class QObject;

namespace verimoda {

// From now on each such request runs `handler` in the event loop, never inside a signal
// handler, while `context` lives.
void onEndRequest(QObject* context, std::function<void()> handler);

} // namespace verimoda
