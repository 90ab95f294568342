// Input while a window runs modally. Qt's own modality drops the keys that were typed
// for the window below before the modal window got the focus, so a quick "shortcut,
// 3, 0, Enter" would lose its digits. While a ModalInput lives, keys aimed at any other
// window go to the modal window's focused control instead, mouse input to other windows
// is dropped, and activating another window gives the activation back. Popup menus and
// message boxes opened over the modal window keep their own input. Runs nest: only the
// innermost one acts.
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

namespace abacone {

class ModalInput final : public QObject {
public:
    explicit ModalInput(QWidget* window);
    ~ModalInput() override;
    ModalInput(const ModalInput&) = delete;
    ModalInput& operator=(const ModalInput&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend QWidget* ActiveModalWindow();

    QPointer<QWidget> window_;
    ModalInput* outer_;
};

// Gives the activation back after a modal window: to the window that had it before, or,
// where the toolkit has not yet noticed that an earlier modal window went away, to the
// one that the earlier run gave it back to. So after any sequence of modal windows (two
// dialogs in a row, a dialog and a message box) the window that had the keyboard before
// the first one has it again. Nothing is taken back from another program that the user
// went to meanwhile.
class ActivationReturn {
public:
    explicit ActivationReturn(const QWidget* modal);
    ~ActivationReturn();
    ActivationReturn(const ActivationReturn&) = delete;
    ActivationReturn& operator=(const ActivationReturn&) = delete;
    // The window that takes the activation back; null when there is none.
    QWidget* Owner() const { return owner_; }

private:
    QPointer<QWidget> owner_;
};

// The window the user has to answer first: a toolkit-modal box (message box), else the
// window of the innermost modal run; null when no modal window is up.
QWidget* ActiveModalWindow();

}  // namespace abacone
