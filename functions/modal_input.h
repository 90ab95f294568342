// Input while a window runs modally. Qt's own modality drops the keys that were typed
// for the window below before the modal window got the focus, so a quick "shortcut,
// 3, 0, Enter" would lose its digits. While a ModalInput lives, keys aimed at any other
// window go to the modal window's focused control instead, mouse input to other windows
// is dropped, and activating another window gives the activation back.
#pragma once

#include <QObject>

class QWidget;

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
    QWidget* window_;
};

}  // namespace abacone
