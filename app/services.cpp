#include "app/services.h"

#include "app/message_box.h"

namespace quentara {

Services Services::platform() {
    static QtMessageBox messages;
    return Services{&messages};
}

} // namespace quentara
