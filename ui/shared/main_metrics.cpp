#include "ui/shared/main_metrics.h"

#include "platform/application.h"
#include "platform/form.h"
#include "platform/panel.h"

namespace abacone {
namespace {

int ChildHeight(const Form& form, const char* name) {
    const Panel* child = form.Control(name);
    return child ? child->Bounds().Height : 0;
}

}  // namespace

MainWindowMetrics CurrentMainMetrics() {
    const Form* main = MainForm();
    if (!main) return {};
    return {main->Left(),
            main->Top(),
            main->Height(),
            main->ClientHeight(),
            ChildHeight(*main, "Label1"),
            ChildHeight(*main, "Label3")};
}

}  // namespace abacone
