// The one-instance channel over a named pipe. Its name carries the session and the user's
// SID, and only that user may open it, so two users or sessions never meet. A thread waits
// on the pipe (blocked, no polling) and hands each line to a hidden window of the GUI
// thread, whose answer it sends back.
#include "platform/instance_channel.h"

#include <algorithm>

#include "platform/win32/win32_window.h"
// After windows.h, which it needs.
#include <sddl.h>

namespace abacone {
namespace {

constexpr UINT LineMessage = WM_USER + 2;
// A line longer than any the program sends is not one of its own.
constexpr std::size_t LineLimit = 1024;
// How long a connected client may take to send its line: a silent one must not keep the
// pipe from later starts.
constexpr DWORD ClientLimitMs = 5000;

struct Handle {
    HANDLE h = nullptr;
    explicit Handle(HANDLE h = nullptr) : h(h == INVALID_HANDLE_VALUE ? nullptr : h) {}
    ~Handle() {
        if (h) CloseHandle(h);
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
};

std::wstring UserSid() {
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) return {};
    const Handle owned(token);
    DWORD size = 0;
    GetTokenInformation(token, TokenUser, nullptr, 0, &size);
    std::string buffer(size, '\0');
    if (size == 0 || !GetTokenInformation(token, TokenUser, buffer.data(), size, &size)) return {};
    LPWSTR text = nullptr;
    if (!ConvertSidToStringSidW(reinterpret_cast<TOKEN_USER*>(buffer.data())->User.Sid, &text)) return {};
    std::wstring sid = text;
    LocalFree(text);
    return sid;
}

std::wstring PipeName(const std::string& endpoint) {
    DWORD session = 0;
    ProcessIdToSessionId(GetCurrentProcessId(), &session);
    std::wstring name = L"\\\\.\\pipe\\" + Widen(endpoint) + L"-" + std::to_wstring(session);
    if (const std::wstring sid = UserSid(); !sid.empty()) name += L"-" + sid;
    return name;
}

// Waits for an overlapped operation on `pipe` for `limitMs` at most, or until `stop` is
// set; what did not finish is cancelled. True with `bytes` when it finished well.
bool Finish(HANDLE pipe, OVERLAPPED& io, BOOL started, DWORD limitMs, HANDLE stop, DWORD& bytes) {
    if (!started && GetLastError() != ERROR_IO_PENDING) return false;
    const HANDLE waits[] = {io.hEvent, stop};
    if (WaitForMultipleObjects(stop ? 2 : 1, waits, FALSE, limitMs) != WAIT_OBJECT_0) {
        CancelIo(pipe);
        GetOverlappedResult(pipe, &io, &bytes, TRUE);
        return false;
    }
    return GetOverlappedResult(pipe, &io, &bytes, FALSE);
}

bool WriteLine(HANDLE pipe, OVERLAPPED& io, const std::string& line, DWORD limitMs, HANDLE stop) {
    const std::string bytes = line + '\n';
    DWORD written = 0;
    ResetEvent(io.hEvent);
    return Finish(pipe, io, WriteFile(pipe, bytes.data(), DWORD(bytes.size()), nullptr, &io), limitMs, stop, written) &&
           written == bytes.size();
}

// Reads up to and without the next line end into `line`; `pending` keeps what came after.
bool ReadLine(HANDLE pipe, OVERLAPPED& io, std::string& pending, std::string& line, DWORD limitMs, HANDLE stop) {
    for (;;) {
        if (const std::size_t end = pending.find('\n'); end != std::string::npos) {
            line = pending.substr(0, end);
            pending.erase(0, end + 1);
            return true;
        }
        if (pending.size() > LineLimit) return false;
        char chunk[256];
        DWORD got = 0;
        ResetEvent(io.hEvent);
        if (!Finish(pipe, io, ReadFile(pipe, chunk, sizeof chunk, nullptr, &io), limitMs, stop, got) || got == 0)
            return false;
        pending.append(chunk, got);
    }
}

class PipeChannel final : public InstanceChannel {
public:
    PipeChannel()
        : window_([this](UINT message, WPARAM, LPARAM lParam) -> std::optional<LRESULT> {
              if (message != LineMessage) return std::nullopt;
              auto* request = reinterpret_cast<Request*>(lParam);
              if (answer_) request->Reply = answer_(request->Line);
              return 0;
          }) {}

    ~PipeChannel() override { Stop(); }

    bool Listen(const std::string& endpoint, Answer answer) override {
        Stop();
        if (!window_.hwnd) return false;
        SECURITY_ATTRIBUTES security{sizeof security, nullptr, FALSE};
        const std::wstring sid = UserSid();
        const std::wstring onlyUser = L"D:P(A;;GA;;;" + sid + L")";
        if (!sid.empty())
            ConvertStringSecurityDescriptorToSecurityDescriptorW(onlyUser.c_str(), SDDL_REVISION_1,
                                                                 &security.lpSecurityDescriptor, nullptr);
        // The first instance of the name, so a pipe another process made first is not joined.
        pipe_ = CreateNamedPipeW(PipeName(endpoint).c_str(),
                                 PIPE_ACCESS_DUPLEX | FILE_FLAG_OVERLAPPED | FILE_FLAG_FIRST_PIPE_INSTANCE,
                                 PIPE_TYPE_BYTE | PIPE_READMODE_BYTE | PIPE_WAIT | PIPE_REJECT_REMOTE_CLIENTS, 1, 512,
                                 512, 0, security.lpSecurityDescriptor ? &security : nullptr);
        if (security.lpSecurityDescriptor) LocalFree(security.lpSecurityDescriptor);
        if (pipe_ == INVALID_HANDLE_VALUE) {
            pipe_ = nullptr;
            return false;
        }
        answer_ = std::move(answer);
        stop_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
        thread_ = CreateThread(nullptr, 0, Serve, this, 0, nullptr);
        if (!thread_) Stop();
        return thread_ != nullptr;
    }

private:
    struct Request {
        std::string Line;
        std::string Reply;
    };

    static DWORD WINAPI Serve(void* self) {
        static_cast<PipeChannel*>(self)->ServeLoop();
        return 0;
    }

    void ServeLoop() {
        OVERLAPPED io{};
        const Handle event(CreateEventW(nullptr, TRUE, FALSE, nullptr));
        io.hEvent = event.h;
        while (WaitForSingleObject(stop_, 0) == WAIT_TIMEOUT) {
            DWORD ignored = 0;
            ResetEvent(io.hEvent);
            const BOOL started = ConnectNamedPipe(pipe_, &io);
            const DWORD error = started ? ERROR_SUCCESS : GetLastError();
            // A client that came between the pipe's creation and the call is connected
            // already; one that left again (no data) needs only its end taken down.
            const bool connected =
                error == ERROR_PIPE_CONNECTED || Finish(pipe_, io, started, INFINITE, stop_, ignored);
            // Any other failure would come again at once: the channel ends rather than spin.
            if (!connected && error != ERROR_IO_PENDING && error != ERROR_NO_DATA) return;
            if (connected) Converse(io);
            DisconnectNamedPipe(pipe_);
        }
    }

    void Converse(OVERLAPPED& io) {
        std::string pending;
        Request request;
        while (ReadLine(pipe_, io, pending, request.Line, ClientLimitMs, stop_)) {
            request.Reply.clear();
            // The GUI thread answers; while it is being stopped it answers nothing.
            SendMessageW(window_.hwnd, LineMessage, 0, reinterpret_cast<LPARAM>(&request));
            if (!request.Reply.empty() && !WriteLine(pipe_, io, request.Reply, ClientLimitMs, stop_)) return;
        }
    }

    // Ends the thread; meanwhile the lines it hands over get no answer, so it cannot
    // wait on this thread while this thread waits on it.
    void Stop() {
        answer_ = nullptr;
        if (thread_) {
            SetEvent(stop_);
            while (MsgWaitForMultipleObjects(1, &thread_, FALSE, INFINITE, QS_SENDMESSAGE) != WAIT_OBJECT_0) {
                MSG msg;
                PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
            }
            CloseHandle(thread_);
            thread_ = nullptr;
        }
        for (HANDLE* h : {&stop_, &pipe_}) {
            if (*h) CloseHandle(*h);
            *h = nullptr;
        }
    }

    Answer answer_;
    HANDLE pipe_ = nullptr;
    HANDLE stop_ = nullptr;
    HANDLE thread_ = nullptr;
    HiddenWindow window_;
};

}  // namespace

std::unique_ptr<InstanceChannel> MakeInstanceChannel() { return std::make_unique<PipeChannel>(); }

std::string KnockOn(const std::string& endpoint, const std::string& line, int limitMs) {
    const std::wstring name = PipeName(endpoint);
    const ULONGLONG deadline = GetTickCount64() + ULONGLONG(std::max(limitMs, 0));
    const auto remaining = [&] {
        const ULONGLONG now = GetTickCount64();
        return now >= deadline ? DWORD(0) : DWORD(deadline - now);
    };
    Handle pipe;
    for (;;) {
        pipe.h = CreateFileW(name.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                             FILE_FLAG_OVERLAPPED, nullptr);
        if (pipe.h != INVALID_HANDLE_VALUE) break;
        pipe.h = nullptr;
        // Busy: another start is talking to it; wait for the turn, blocked.
        if (GetLastError() != ERROR_PIPE_BUSY || remaining() == 0 || !WaitNamedPipeW(name.c_str(), remaining()))
            return {};
    }
    // The running calculator comes forward at this start's request: Windows lets a
    // program take the foreground only when the one in front allows it.
    ULONG server = 0;
    AllowSetForegroundWindow(GetNamedPipeServerProcessId(pipe.h, &server) ? DWORD(server) : ASFW_ANY);
    OVERLAPPED io{};
    const Handle event(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    io.hEvent = event.h;
    std::string pending, answer;
    if (!WriteLine(pipe.h, io, line, remaining(), nullptr) ||
        !ReadLine(pipe.h, io, pending, answer, remaining(), nullptr))
        return {};
    return answer;
}

}  // namespace abacone
