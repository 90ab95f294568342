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

// The window the user has to answer first: a toolkit-modal box (message box), else the
// window of the innermost modal run; null when no modal window is up.
QWidget* ActiveModalWindow();

}  // namespace abacone
