#include "keyhook/keyrelay_message.h"

#include "protocol/keyrelay.h"

const UINT g_nKeyRelayMessage = ::RegisterWindowMessageW(kKeyRelayMessageName);
