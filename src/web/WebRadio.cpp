// Read from Radio and Write to Radio for the page. A session waits for the
// line hundreds of times; in the browser each wait suspends the module's
// stack (Asyncify) and gives the page back its thread, so these C functions
// are called with ccall(..., {async: true}) and resolve when the session
// ended. Asyncify was chosen over rewriting the sessions as resumable
// steps: the sessions, their retries and the protocol stay the very code
// the desktop program and the command-line tool run and test.
#include "web/WebBindings.h"

#include <emscripten.h>

namespace {
Json lastResult = Json::object();
}

const Json& lastTransferResult() { return lastResult; }

extern "C" {

// 1 when the transfer worked; lastTransfer() says what happened.
EMSCRIPTEN_KEEPALIVE int qav_read_radio(const char* port, const char* password)
{
    lastResult = webProgram().readRadio(port ? port : "", password ? password : "");
    return lastResult.value("ok", false) ? 1 : 0;
}

EMSCRIPTEN_KEEPALIVE int qav_write_radio(const char* port, const char* password)
{
    lastResult = webProgram().writeRadio(port ? port : "", password ? password : "");
    return lastResult.value("ok", false) ? 1 : 0;
}

}  // extern "C"
