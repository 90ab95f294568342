#include "shell/lifecycle.h"

#include <string>
#include <vector>

#include "engine/calc_state.h"
#include "platform/application.h"
#include "platform/form.h"
#include "platform/os/os_services.h"
#include "platform/timer.h"
#include "shell/commands.h"
#include "shell/icons/icons.h"
#include "shell/logic/command_line.h"
#include "shell/logic/shell_state.h"
#include "shell/reset.h"
#include "shell/tasktray/tasktray.h"
#include "ui/binwindow/binwindow.h"
#include "ui/geometry/open_flags.h"
#include "ui/geometry/placement.h"
#include "ui/hexpad/logic/hexpad_logic.h"
#include "ui/main/window_commands.h"
#include "ui/shared/main_metrics.h"

namespace abacone {
namespace {

constexpr int AttachInterval = 1000;

// The shell's own parts, living as long as the main window they serve.
struct ShellHost {
    explicit ShellHost(Form& main) : Main(&main), Attach(main, [] { Timer1Timer(); }) {
        Attach.SetInterval(AttachInterval);
        main.SetWatcher([](Form::WindowEvent event) {
            switch (event) {
            case Form::WindowEvent::Activated: Ap_Active(); break;
            case Form::WindowEvent::Deactivated: ShrinkToDisplays(); break;
            case Form::WindowEvent::StateChanged: Resize_Event(); break;
            case Form::WindowEvent::Destroyed: EndShell(); break;
            }
        });
        SetApplicationEvents({
            .Activated = [] { Ap_Active(); },
            .Deactivated = [] { Ap_DeActive(); },
            // The program's other windows (dialogs, the small windows, message boxes)
            // never get a taskbar button either; they are marked before they are mapped.
            .WindowShowing =
                [this](TopWindow* window) {
                    if (window != Main->Handle()) Os().SetSkipTaskbar(window, true);
                },
        });
    }
    ~ShellHost();
    static void EndShell();

    Form* Main;
    TTaskTray Tray;
    Timer Attach;
    // The window manager's frame is known only once the window is on screen; the first
    // activation places the window again with it.
    bool StartupPlacePending = true;
};

ShellHost* host = nullptr;

Form* LiveMain() { return host ? host->Main : nullptr; }

ShellHost::~ShellHost() {
    SetApplicationEvents({});
    Main->SetWatcher(nullptr);
    if (host != this) return;
    host = nullptr;
    SetWindowCommands(nullptr);
}

// The main window goes: the shell goes with it.
void ShellHost::EndShell() { delete host; }

void PlaceAtStartup(Form& main) {
    const int frameWidth = main.FrameInsets().Left;
    const int laidOutHeight = main.Height() + (ExtendedClientHeight - main.ClientHeight());
    const Point at = StartupPlace(main.Width(), laidOutHeight, frameWidth, {ScreenWidth(), ScreenHeight()});
    const int compactHeight = main.Height() + (CompactClientHeight - main.ClientHeight());
    const Point kept = KeepInWorkArea(at, main.Width(), compactHeight, WorkArea());
    main.SetPosition(kept.X, kept.Y);
}

bool TrayUsable() { return host && host->Tray.Registered(); }

// Minimised with a taskbar entry. The window is withdrawn and mapped again minimised,
// because some panels look at a window's taskbar state only when it appears.
void MinimiseToTaskbar(Form& main) {
    main.Hide();
    Os().SetSkipTaskbar(main.Handle(), false);
    main.ShowMinimized();
}

// A calculator that the notification area can no longer bring back is put where the
// taskbar can.
void TrayAvailabilityChanged() {
    Form* main = LiveMain();
    if (!main) return;
    if (!TrayUsable() && (HiddenStart == 1 || main->Minimized())) {
        HiddenStart = 0;
        MinimiseToTaskbar(*main);
        return;
    }
    Resize_Event();
}

}  // namespace

std::vector<std::string> CommandLineArguments() {
    std::vector<std::string> args;
    for (int i = 1; i <= ParamCount(); ++i) args.push_back(ParamStr(i));
    return args;
}

void StartShell(Form& main, std::span<const std::string> args) {
    delete host;
    host = new ShellHost(main);
    ResetProcessState();

    SetWindowCommands(RunShellCommand);
    const unsigned options = ParseStartOptions(args);

    SetApplicationIcon(ApplicationIcon());
    TTaskTray& tray = host->Tray;
    tray.SetIcon(TrayIcon());
    tray.SetTips("Abacone");
    tray.OnMouseDown = [](TTaskTray*, TTaskTray::TMouseButton, unsigned, int, int) {
        if (Form* main = LiveMain()) main->Run(TaskTray1MouseDown);
    };
    tray.OnAvailabilityChanged = [](TTaskTray*) { TrayAvailabilityChanged(); };
    tray.Loaded();

    if (options & NoTopmostOption) {
        SetMenuMark("MTop", false);
        main.SetStayOnTop(false);
    }
    Os().SetSkipTaskbar(main.Handle(), true);
    PlaceAtStartup(main);
    // Without a notification area a hidden start could never be undone.
    if ((options & HideOption) && tray.Registered())
        HiddenStart = 1;
    else
        Os().BringToFront(main.Handle());
    if (!(options & KeepPriorityOption)) Os().LowerPriority();
}

void Ap_Active() {
    Form* main = LiveMain();
    if (!main) return;
    main->SetClientHeight(ActiveClientHeight);
    if (host->StartupPlacePending && main->Visible()) {
        host->StartupPlacePending = false;
        PlaceAtStartup(*main);
    }
    Resize_Event();
    Form* binary = BinaryWindowForm();
    if (BinaryWindowOpen && binary) {
        binary->SetClientHeight(BinaryWindowHeight);
        const Point at = BinaryWindowActivatedPlace(CurrentMainMetrics(), BinaryWindowHeight, ScreenHeight());
        binary->SetPosition(at.X, at.Y);
        binary->Activate();
    }
    // While one of the program's own modal windows is up, the main window keeps to its
    // display lines, however the program was activated.
    if (ModalWindowOver(*main)) ShrinkToDisplays();
}

void Ap_DeActive() {
    if (!LiveMain()) return;
    if (HexPadOpen) {
        HexPadOpen = 0;
        HexPadClose();
    }
    Form* binary = BinaryWindowForm();
    if (BinaryWindowOpen && binary) binary->SetClientHeight(BinaryTextHeight + 1);
    ShrinkToDisplays();
}

void ShrinkToDisplays() {
    // Not while minimised: a window manager may take the resize as a reason to restore it.
    if (Form* main = LiveMain(); main && !main->Minimized()) main->SetClientHeight(DisplayLinesHeight);
}

void Reframe(const std::function<void(Form&)>& change) {
    Form* main = LiveMain();
    if (!main) return;
    // A window manager may pass the activation around while it reframes the window.
    const bool inUse = main->Active();
    change(*main);
    Resize_Event();
    if (!inUse) return;
    main->Activate();
    Ap_Active();
}

void Resize_Event() {
    Form* main = LiveMain();
    if (!main) return;
    Os().SetSkipTaskbar(main->Handle(), !(main->Minimized() && !TrayUsable()));
}

void TaskTray1MouseDown() {
    Form* main = LiveMain();
    if (!main) return;
    HiddenStart = 0;
    Os().SetSkipTaskbar(main->Handle(), true);
    main->ShowNormal();
    Os().BringToFront(main->Handle());
}

void KQ1Click() {
    Form* main = LiveMain();
    if (!main) return;
    if (!TrayUsable()) {
        MinimiseToTaskbar(*main);
        return;
    }
    main->ShowMinimized();
    Resize_Event();
}

bool MenuMark(const char* name) {
    Form* main = LiveMain();
    PopupMenu* menu = main ? main->Menu() : nullptr;
    const MenuItem* item = menu ? menu->Find(name) : nullptr;
    return item && item->Checked;
}

void SetMenuMark(const char* name, bool on) {
    Form* main = LiveMain();
    PopupMenu* menu = main ? main->Menu() : nullptr;
    if (MenuItem* item = menu ? menu->Find(name) : nullptr) item->Checked = on;
}

Form* ShellMainForm() { return LiveMain(); }
TTaskTray* TaskTray1() { return host ? &host->Tray : nullptr; }
Timer* Timer1() { return host ? &host->Attach : nullptr; }

}  // namespace abacone
