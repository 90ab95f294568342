#include "ui/shared/main_metrics.h"

#include "platform/application.h"
#include "platform/form.h"

namespace abacone {
namespace {

int ChildHeight(const Form& form, const char* name) {
    const QWidget* child = form.findChild<QWidget*>(QLatin1String(name), Qt::FindDirectChildrenOnly);
    return child ? child->height() : 0;
}

}  // namespace

MainWindowMetrics CurrentMainMetrics() {
    const Form* main = MainForm();
    if (!main) return {};
    return {main->Left(), main->Top(), main->Height(), main->ClientHeight(),
            ChildHeight(*main, "Label1"), ChildHeight(*main, "Label3")};
}

}  // namespace abacone
