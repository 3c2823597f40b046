#include "platform/qt/QtFileDialogs.h"

#include "platform/qt/QtPrompt.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace pickwell {

namespace {

// The last used folder is stored as the last project file's full path, which may be gone
// while its folder is not.
QString StartFolder(const std::string& initialFolder) {
    const QFileInfo start(QString::fromStdString(initialFolder));
    if (start.isDir()) {
        return start.absoluteFilePath();
    }
    const QString folder = start.absolutePath();
    return QFileInfo(folder).isDir() ? folder : QDir::homePath();
}

// "*.pkw" -> "pkw"; a pattern without a plain extension gives none.
QString Extension(const QString& pattern) {
    const qsizetype dot = pattern.lastIndexOf('.');
    const QString extension = dot < 0 ? QString() : pattern.mid(dot + 1);
    return extension.contains('*') || extension.contains('?') ? QString() : extension;
}

void Prepare(QFileDialog& dialog, const FileDialogRequest& request) {
    dialog.setWindowTitle(QString::fromStdString(request.title));
    dialog.setDirectory(StartFolder(request.initialFolder));
    const QString pattern = QString::fromStdString(request.filterPattern);
    if (pattern.isEmpty()) {
        return;
    }
    const QString description = QString::fromStdString(request.filterDescription);
    const QString shown = '(' + pattern + ')';
    dialog.setNameFilter(description.endsWith(shown) ? description : description + ' ' + shown);
}

QString ChosenFile(const QFileDialog& dialog) {
    const QString chosen = dialog.selectedFiles().value(0);
    return chosen.isEmpty() ? chosen : QFileInfo(chosen).absoluteFilePath();
}

bool ConfirmCreate(const QString& title, const QString& path) {
    Message question;
    question.title = title.toStdString();
    // Not a QObject, so the text has a fixed translation context.
    question.text = QCoreApplication::translate("QtFileDialogs",
                                                "%1 does not exist.\nDo you want to create it?")
                        .arg(QFileInfo(path).fileName())
                        .toStdString();
    question.icon = MessageIcon::Question;
    question.buttons = MessageButtons::YesNo;
    question.defaultButton = Button::Yes;
    return QtPrompt().Show(question) == Button::Yes;
}

} // namespace

std::string QtFileDialogs::ShowSaveDialog(const FileDialogRequest& request) {
    QFileDialog dialog(QtPrompt::DialogOwner());
    Prepare(dialog, request);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(Extension(QString::fromStdString(request.filterPattern)));
    if (!request.proposedName.empty()) {
        dialog.selectFile(QString::fromStdString(request.proposedName));
    }
    // The dialog confirms overwriting itself; a new file is confirmed once it has closed, so
    // that a native dialog can be shown again just the same.
    while (dialog.exec() == QDialog::Accepted) {
        const QString chosen = ChosenFile(dialog);
        if (chosen.isEmpty()) {
            break;
        }
        if (QFileInfo::exists(chosen) || ConfirmCreate(dialog.windowTitle(), chosen)) {
            return chosen.toStdString();
        }
        dialog.selectFile(chosen);
    }
    return {};
}

std::string QtFileDialogs::ShowOpenDialog(const FileDialogRequest& request) {
    QFileDialog dialog(QtPrompt::DialogOwner());
    Prepare(dialog, request);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return dialog.exec() == QDialog::Accepted ? ChosenFile(dialog).toStdString() : std::string();
}

} // namespace pickwell
