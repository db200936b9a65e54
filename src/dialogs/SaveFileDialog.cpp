#include "dialogs/SaveFileDialog.h"

#include "job/SafeFileName.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>

namespace {

// What is wrong with `name` (a file name without its folder) as a file name; empty when nothing.
QString NameProblem(const QString& name) {
    for (const QChar c : name) {
        const bool control = c.unicode() < 0x20 || c.unicode() == 0x7f;
        const bool forbidden = c.unicode() < 0x80 && c != u'/' &&
                               ForbiddenFileNameCharacters.find(static_cast<char>(c.unicode())) !=
                                   std::string_view::npos;
        if (control || forbidden)
            return QStringLiteral("\"%1\" cannot be a file name: it holds %2.\n\n"
                                  "A file name cannot hold \\ : * ? \" < > | (Windows refuses "
                                  "them): type \"-\" in its place.")
                .arg(name, control ? QStringLiteral("a control character")
                                   : QStringLiteral("\"%1\"").arg(c));
    }
    return {};
}

} // namespace

QString SaveNameProblem(const QString& path) {
    const QFileInfo file(path);
    if (QString problem = NameProblem(file.fileName()); !problem.isEmpty())
        return problem;
    const QFileInfo folder(file.absolutePath());
    if (!folder.isDir())
        return QStringLiteral("There is no folder \"%1\".\n\n"
                              "A \"/\" typed in a name starts a folder: type \"-\" in its place "
                              "(as in 12-10), or choose a folder that exists.")
            .arg(QDir::toNativeSeparators(folder.absoluteFilePath()));
    return {};
}

SaveFileDialog::SaveFileDialog(QWidget* parent, const QString& caption, const QString& preset,
                               const QString& filter)
    : QFileDialog(parent, caption, preset, filter) {
    setObjectName(QStringLiteral("SaveFileDialog"));
    setAcceptMode(QFileDialog::AcceptSave);
    setFileMode(QFileDialog::AnyFile);
}

void SaveFileDialog::accept() {
    // The name line is checked as typed: the dialog reads a quoted name as a list of files.
    QString problem;
    if (const auto* typed = findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
        problem = NameProblem(typed->text().section(u'/', -1));
    const QStringList chosen = selectedFiles();
    if (problem.isEmpty() && !chosen.isEmpty())
        problem = SaveNameProblem(chosen.front());
    if (!problem.isEmpty()) {
        ShowMessage(this, {windowTitle(), problem, MessageIcon::Exclamation, MessageButtons::Ok});
        return;
    }
    QFileDialog::accept();
}

QString ChooseSavePath(QWidget* parent, const FileRequest& request) {
    SaveFileDialog dialog(parent, request.caption, request.preset, request.filter);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (!request.preset.isEmpty())
        dialog.selectFile(request.preset);
    // A platform's own file dialog may close without asking accept(): its choice is checked here,
    // and a refused one opens the dialog again.
    while (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
        const QString path = dialog.selectedFiles().front();
        const QString problem = SaveNameProblem(path);
        if (problem.isEmpty())
            return path;
        ShowMessage(parent,
                    {request.caption, problem, MessageIcon::Exclamation, MessageButtons::Ok});
    }
    return {};
}
