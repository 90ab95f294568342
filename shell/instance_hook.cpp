#include "shell/instance_hook.h"

#include <QCoreApplication>
#include <cstdio>

#include "platform/form.h"
#include "shell/lifecycle.h"
#include "shell/single_instance.h"

namespace abacone {

bool SummonedOtherInstance() { return SummonRunningInstance(CurrentInstanceEndpoint()); }

void ServeLaterStarts() {
    ReportSessionLimits();
    auto* server = new InstanceServer(
        [] {
            if (Form* main = ShellMainForm()) main->Run(TaskTray1MouseDown);
        },
        QCoreApplication::instance());
    // Without the endpoint the calculator still works; only a second start would not find it.
    if (!server->Listen(CurrentInstanceEndpoint()))
        std::fprintf(stderr, "abacone: another start will not find this calculator\n");
}

}  // namespace abacone
