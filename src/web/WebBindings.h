#pragma once
// The page's one program, and the result of its last radio transfer.
#include "web/WebProgram.h"

WebProgram& webProgram();
const Json& lastTransferResult();
