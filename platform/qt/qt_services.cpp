#include "platform/qt/qt_services.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QMimeData>

#include "platform/application.h"
#include "platform/qt/modal_input.h"

namespace abacone {
namespace {

QString FromUtf8(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

}  // namespace

void DescribeMessageBox(QMessageBox& box) {
    // The label holding the message is named by its text: readers say it with the box's
    // title when the box comes up.
    if (auto* icon = box.findChild<QLabel*>(QStringLiteral("qt_msgboxex_icon_label"))) {
        const QMessageBox::Icon kind = box.icon();
        icon->setAccessibleName(kind == QMessageBox::Information ? QStringLiteral("情報")
                                : kind == QMessageBox::Critical  ? QStringLiteral("エラー")
                                                                 : QStringLiteral("警告"));
    }
    // The one button closes the box; Enter and Esc press it.
    for (QAbstractButton* button : box.buttons()) button->setAccessibleDescription(QStringLiteral("キー: Enter, Esc"));
}

void QtMessageBox::Show(std::string_view title, std::string_view text, MessageIcon icon) {
    QString body = FromUtf8(text);
    body.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    body.replace(u'\r', u'\n');
    QMessageBox box(icon == MessageIcon::Exclamation ? QMessageBox::Warning : QMessageBox::Information, FromUtf8(title),
                    body, QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    DescribeMessageBox(box);
    const ActivationReturn giveBack(&box);
    box.exec();
}

std::optional<std::string> QtClipboard::Text() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (!data || !data->hasText()) return std::nullopt;
    return data->text().toStdString();
}

void QtClipboard::SetText(std::string_view text) { QGuiApplication::clipboard()->setText(FromUtf8(text)); }

ClipboardService& SystemClipboard() {
    static QtClipboard clipboard;
    return clipboard;
}

MessageService& SystemMessages() {
    static QtMessageBox messages;
    return messages;
}

}  // namespace abacone
