#include "app/services.h"

#include "app/clipboard.h"
#include "app/message_box.h"

namespace quentara {

Services Services::platform() {
    static QtMessageBox messages;
    static QtClipboard clipboard;
    Services services{&messages};
    services.clipboard = &clipboard;
    return services;
}

} // namespace quentara
