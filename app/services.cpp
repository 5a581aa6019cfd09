#include "app/services.h"

#include "app/message_box.h"
#include "batch/beep.h"
#include "batch/file_chooser.h"
#include "batch/file_layer.h"

namespace quentara {

Services Services::platform() {
    static QtMessageBox messages;
    static QtBeep beep;
    static QtFileChooser fileChooser;
    static SystemFileLayer batchFiles;
    Services services{&messages};
    services.beep = &beep;
    services.fileChooser = &fileChooser;
    services.batchFiles = &batchFiles;
    return services;
}

} // namespace quentara
