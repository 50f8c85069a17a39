#include "ui/qt/desktop_services.h"

#include <QCheckBox>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QUrl>

#include "output/messages/messages.h"
#include "ui/qt/qt_text.h"

namespace vaporis::ui {
namespace {

QMessageBox::Icon iconFor(std::string_view caption) {
    if (caption == output::kCaptionError) {
        return QMessageBox::Critical;
    }
    return caption == output::kCaptionWarning ? QMessageBox::Warning : QMessageBox::Information;
}

QMessageBox::StandardButtons standardButtons(MessageButtons buttons) {
    switch (buttons) {
        case MessageButtons::kYesNo:
            return QMessageBox::Yes | QMessageBox::No;
        case MessageButtons::kOkCancel:
            return QMessageBox::Ok | QMessageBox::Cancel;
        case MessageButtons::kYesNoCancel:
            return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        case MessageButtons::kOk:
            break;
    }
    return QMessageBox::Ok;
}

MessageAnswer answerOf(int button) {
    switch (button) {
        case QMessageBox::Yes:
            return MessageAnswer::kYes;
        case QMessageBox::No:
            return MessageAnswer::kNo;
        case QMessageBox::Cancel:
            return MessageAnswer::kCancel;
        default:
            return MessageAnswer::kOk;
    }
}

// Qt reads the pattern from the parentheses of the filter text; add them when missing.
QString filterText(const FileQuestion& question) {
    const QString name = toQString(question.filterName);
    const QString pattern = toQString(question.pattern);
    return name.contains(pattern) ? name : QStringLiteral("%1 (%2)").arg(name, pattern);
}

// The folder of the file last chosen in this run: the next question starts there.
QString& lastFolder() {
    static QString folder;
    return folder;
}

}  // namespace

MessageAnswer showMessageBox(QWidget& parent, std::string_view text, std::string_view caption,
                             MessageButtons buttons) {
    QMessageBox box(iconFor(caption), toQString(caption), toQString(text), standardButtons(buttons),
                    &parent);
    // A closed box (close box, Escape) answers No or Cancel, never Yes.
    return answerOf(box.exec());
}

bool showMessageWithCheckBox(QWidget& parent, std::string_view title, std::string_view text,
                             std::string_view checkBoxText) {
    QMessageBox box(QMessageBox::Warning, toQString(title), toQString(text), QMessageBox::Ok,
                    &parent);
    box.setCheckBox(new QCheckBox(toQString(checkBoxText), &box));
    box.exec();
    return box.checkBox()->isChecked();
}

std::optional<std::string> askFileName(QWidget& parent, const FileQuestion& question,
                                       FileAccess access) {
    QFileDialog dialog(&parent);
    dialog.setNameFilter(filterText(question));
    const QString extension = toQString(question.defaultExtension);
    dialog.setDefaultSuffix(extension);
    if (!lastFolder().isEmpty()) {
        dialog.setDirectory(lastFolder());
    }
    if (access == FileAccess::kSave) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
        if (!question.suggestedName.empty()) {
            const QString suffix = extension.isEmpty() ? QString() : QLatin1Char('.') + extension;
            dialog.selectFile(toQString(question.suggestedName) + suffix);
        }
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    QString path = dialog.selectedFiles().constFirst();
    lastFolder() = QFileInfo(path).absolutePath();
    // Native dialogs may ignore the default suffix; the overwrite question must see the
    // name that will really be written.
    if (QFileInfo(path).suffix().isEmpty() && !extension.isEmpty()) {
        path += QLatin1Char('.') + extension;
    }
    return toUtf8(path);
}

bool openWithDesktop(const std::string& path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(toQString(path)));
}

}  // namespace vaporis::ui
