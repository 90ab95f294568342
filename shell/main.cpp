// Program entry: the application, the main window and the message loop.
#include "platform/application.h"
#include "platform/program_entry.h"
#include "shell/instance_hook.h"
#include "shell/lifecycle.h"
#include "ui/main/form1.h"
#include "ui/valuedialog/iform.h"

int main(int argc, char* argv[]) {
    return abacone::RunProgram(argc, argv, [] {
        // A second start brings the running calculator forward and ends here.
        if (abacone::SummonedOtherInstance()) return;
        abacone::SetApplicationTitle("Abacone");
        abacone::SetDesktopEntryName("abacone");  // abacone.desktop: panels find name and icon
        abacone::SetClipboard(&abacone::SystemClipboard());
        abacone::SetMessages(&abacone::SystemMessages());
        // The services are process-wide; none may point at these once they are gone,
        // also when an error ends the steps early.
        struct Unset {
            ~Unset() {
                abacone::SetValueDialog(nullptr);
                abacone::SetMessages(nullptr);
                abacone::SetClipboard(nullptr);
            }
        } unset;

        abacone::TForm1 form1;
        abacone::StartShell(form1, abacone::CommandLineArguments());

        // The value input dialog (IForm) is created here, right after the main window.
        abacone::TIForm iform;
        abacone::SetValueDialog(&iform);

        abacone::ServeLaterStarts();
        // StartShell has shown the window, unless it was started hidden.
        abacone::RunMessageLoop();
    });
}
