#include "shell/UserGuide.h"

#include <QCoreApplication>
#include <QObject>
#include <QPointer>

#include "platform/message_box.h"
#include "platform/process_start.h"

namespace corvell::shell {

std::string userGuideNotOpenedText(const std::string& path, std::string why) {
    const std::string named = "cannot open " + path + ": ";
    if (why.starts_with(named)) why.erase(0, named.size());
    return "The user guide could not be opened (" + why + ").\r\n\r\nThe guide is the file\r\n" +
           path + "\r\nand can be opened in any web browser.";
}

void openUserGuide(const std::string& path, QObject* context) {
    const QPointer<QObject> alive(context);
    const platform::StartResult started =
        platform::openWithDesktop(path, [alive, path](const std::string& why) {
            // Runs on the thread that saw the handler end: the box belongs to the
            // user-interface thread.
            QCoreApplication* app = QCoreApplication::instance();
            if (!app) return;
            QMetaObject::invokeMethod(
                app,
                [alive, path, why] {
                    if (alive) {
                        platform::tellUser(userGuideNotOpenedText(path, why),
                                           platform::MessageIcon::Information);
                    }
                },
                Qt::QueuedConnection);
        });
    if (!started.ok) {
        platform::tellUser(userGuideNotOpenedText(path, started.error),
                           platform::MessageIcon::Information);
    }
}

}  // namespace corvell::shell
