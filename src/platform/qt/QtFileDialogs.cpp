#include "platform/qt/QtFileDialogs.h"

#include "platform/qt/QtPrompt.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStringList>

#include <vector>

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

QString FilterText(const std::string& description, const std::string& pattern) {
    const QString text = QString::fromStdString(description);
    const QString shown = '(' + QString::fromStdString(pattern) + ')';
    return text.endsWith(shown) ? text : text + ' ' + shown;
}

// The request's filter first, then its more types when `moreTypes` is set.
void Prepare(QFileDialog& dialog, const FileDialogRequest& request, bool moreTypes) {
    dialog.setWindowTitle(QString::fromStdString(request.title));
    dialog.setDirectory(StartFolder(request.initialFolder));
    if (request.filterPattern.empty()) {
        return;
    }
    QStringList filters{FilterText(request.filterDescription, request.filterPattern)};
    for (const FileType& type : request.moreTypes) {
        if (moreTypes) {
            filters << FilterText(type.description, type.pattern);
        }
    }
    dialog.setNameFilters(filters);
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
    return Save(request, false).path;
}

SaveChoice QtFileDialogs::ShowSaveDialogOfType(const FileDialogRequest& request) {
    return Save(request, true);
}

SaveChoice QtFileDialogs::Save(const FileDialogRequest& request, bool moreTypes) {
    QFileDialog dialog(QtPrompt::DialogOwner());
    Prepare(dialog, request, moreTypes);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    std::vector<QString> suffixes{Extension(QString::fromStdString(request.filterPattern))};
    for (const FileType& type : request.moreTypes) {
        suffixes.push_back(Extension(QString::fromStdString(type.pattern)));
    }
    const auto chosenType = [&dialog] {
        const qsizetype index = dialog.nameFilters().indexOf(dialog.selectedNameFilter());
        return static_cast<std::size_t>(index < 0 ? 0 : index);
    };
    dialog.setDefaultSuffix(suffixes.front());
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&] { dialog.setDefaultSuffix(suffixes[chosenType()]); });
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
            return {chosen.toStdString(), chosenType()};
        }
        dialog.selectFile(chosen);
    }
    return {};
}

std::string QtFileDialogs::ShowOpenDialog(const FileDialogRequest& request) {
    QFileDialog dialog(QtPrompt::DialogOwner());
    Prepare(dialog, request, false);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return dialog.exec() == QDialog::Accepted ? ChosenFile(dialog).toStdString() : std::string();
}

} // namespace pickwell
