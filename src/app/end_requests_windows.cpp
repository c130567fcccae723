#include "app/end_requests.h"

namespace verimoda {

void onEndRequest(QObject*, std::function<void()>) {
    // Nothing to listen to: a Windows program gets no signals. The end of the session comes as
    // the session's question (commitDataRequest), and "taskkill" without /F as the close box.
}

} // namespace verimoda
